#include "app/collection.h"

#include "games/duel/form3.h"
#include "games/pigeon/form2.h"
#include "games/rescue/form5.h"
#include "games/swim/form1.h"
#include "menu/form4.h"

namespace fm {

void addCollection(Program& program) {
  program.add<Form4>();
  program.add<Form1>();
  program.add<Form2>();
  program.add<Form3>();
  program.add<Form5>();
}

Window& firstWindow(Program& program) {
  return program.window("Form4");
}

}  // namespace fm
