// The collection in a web page, on the real clock: the page's own program. It starts as soon as
// its code is ready and runs until the player has closed every window.

#include "app/collection.h"
#include "app/model/program.h"
#include "app/web/web_host.h"

int main() {
  static fm::Program program;
  fm::addCollection(program);
  static fm::web::WebHost host(program);
  program.start(fm::firstWindow(program));
  host.run();
  return 0;
}
