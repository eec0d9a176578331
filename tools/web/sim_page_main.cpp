// The collection in a web page on a virtual clock, for tests and tools: the scenario runner's
// page, minigames-sim.html, answers window.minigamesSim(lines) with the runner's protocol,
// painting its windows as it goes, in the player's page's own view.

#include <emscripten.h>

#include <memory>
#include <sstream>
#include <string>

#include "app/collection.h"
#include "app/headless/headless_host.h"
#include "app/model/program.h"
#include "app/web/dom_view.h"
#include "tools/sim/runner.h"

namespace {

// The program on the page, driven by scenarios.
struct SimulatedPage {
  SimulatedPage() {
    host.onRefresh([this] { view.applyChanges(); });
  }

  fm::Program program;
  fm::HeadlessHost host{program};
  fm::web::DomView view{fm::withCollection(program)};
  std::ostringstream out;
  // Listens from the start, so that it hears boxes raised while the program starts.
  fm::sim::Runner runner{program, host, out};
};

std::unique_ptr<SimulatedPage> page;

}  // namespace

// Starts the program as the real one starts: the menu open at time 0.
extern "C" EMSCRIPTEN_KEEPALIVE void mg_sim_start() {
  page = std::make_unique<SimulatedPage>();
  page->program.start(fm::firstWindow(page->program));
}

// Carries out scenario lines and returns what the runner printed for them.
extern "C" EMSCRIPTEN_KEEPALIVE const char* mg_sim_run(const char* lines) {
  static std::string printed;
  std::istringstream in(lines);
  page->out.str("");
  page->runner.run(in);
  printed = page->out.str();
  return printed.c_str();
}
