// The collection in a web page, on the real clock: the page's own program. main makes the
// program; the page then calls mg_play, in a task of its own, which shows the menu and runs until
// the player has closed every window. Making the program and showing the menu are kept apart so
// that neither holds a slow phone's page long.

#include <emscripten.h>

#include <memory>

#include "app/collection.h"
#include "app/model/program.h"
#include "app/web/web_host.h"

namespace {

struct Play {
  fm::Program program;
  fm::web::WebHost host{fm::withCollection(program)};
};

std::unique_ptr<Play> play;

}  // namespace

int main() {
  play = std::make_unique<Play>();
  return 0;
}

extern "C" EMSCRIPTEN_KEEPALIVE void mg_play() {
  play->program.start(fm::firstWindow(play->program));
  play->host.run();
}
