// The collection in a web page. Opened as it is, the page runs the program on the real clock;
// opened as minigames.html#sim it runs it on a virtual clock instead and answers
// window.minigamesSim(lines) with the scenario runner's protocol, painting the page as it goes.

#include <emscripten.h>

#include <sstream>
#include <string>

#include "app/collection.h"
#include "app/headless/headless_host.h"
#include "app/model/program.h"
#include "app/web/browser.h"
#include "app/web/dom_view.h"
#include "app/web/web_host.h"
#include "tools/sim/runner.h"

namespace {

fm::Program& withCollection(fm::Program& program) {
  fm::addCollection(program);
  return program;
}

// The page on a virtual clock, driven by scenarios.
struct SimulatedPage {
  SimulatedPage() {
    host.onRefresh([this] { view.applyChanges(); });
  }

  fm::Program program;
  fm::HeadlessHost host{program};
  fm::web::DomView view{withCollection(program)};
  std::ostringstream out;
  // Listens from the start, so that it hears boxes raised while the program starts.
  fm::sim::Runner runner{program, host, out};
};

SimulatedPage* simulated = nullptr;

}  // namespace

// Carries out scenario lines and returns what the runner printed for them.
extern "C" EMSCRIPTEN_KEEPALIVE const char* mg_sim_run(const char* lines) {
  static std::string printed;
  std::istringstream in(lines);
  simulated->out.str("");
  simulated->runner.run(in);
  printed = simulated->out.str();
  return printed.c_str();
}

int main() {
  if (mg_sim_mode() != 0) {
    simulated = new SimulatedPage();
    simulated->program.start(fm::firstWindow(simulated->program));
    EM_ASM(MG.simReady());
    return 0;
  }
  static fm::Program program;
  fm::addCollection(program);
  static fm::web::WebHost host(program);
  program.start(fm::firstWindow(program));
  host.run();
  return 0;
}
