#include "tools/sim/run_collection.h"

#include "app/collection.h"
#include "app/headless/headless_host.h"
#include "app/model/program.h"
#include "tools/sim/runner.h"

namespace fm::sim {

int runCollection(std::istream& in, std::ostream& out) {
  Program program;
  addCollection(program);
  HeadlessHost host(program);
  Runner runner(program, host, out);
  program.start(firstWindow(program));
  return runner.run(in);
}

}  // namespace fm::sim
