#include "menu/form4.h"

#include "app/model/program.h"

namespace fm {

Form4::Form4(Program& program)
    : Window(program, {"Form4", "ソルネ聖誕祭用ミニゲーム集", 5235, 4140}, layout()) {}

void Form4::Form_Load() {
  // A menu that comes back after being closed closes the games that return through it. The
  // rescue board is left alone.
  form("Form1").Unload();
  form("Form2").Unload();
  form("Form3").Unload();
}

void Form4::OpenGame(std::string_view windowName) {
  Window& game = form(windowName);
  game.Load();
  game.setVisible(true);
}

void Form4::Command1_Click() {
  OpenGame("Form1");
}

void Form4::Command2_Click() {
  OpenGame("Form3");
}

void Form4::Command3_Click() {
  OpenGame("Form2");
}

void Form4::Command4_Click() {
  OpenGame("Form5");
}

}  // namespace fm
