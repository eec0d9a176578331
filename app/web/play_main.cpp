// The collection in a web page, on the real clock: the page's own program. main makes the
// program and shows the menu; the page then calls mg_play, which runs until the player has closed
// every window. Only the running can wait for the page (on frames, inputs and message boxes):
// kept apart from making the program, it is all that needs to be made able to wait.

#include <emscripten.h>

#include <memory>

#include "app/collection.h"
#include "app/model/program.h"
#include "app/web/web_host.h"

namespace {

struct Play {
  Play() { program.start(fm::firstWindow(program)); }
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
  play->host.run();
}
