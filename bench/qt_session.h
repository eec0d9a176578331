#pragma once

#include <string_view>
#include <utility>

#include "app/collection.h"
#include "app/model/program.h"
#include "app/qt/qt_host.h"

namespace bench {

// The whole collection on the Qt host, started as the program starts: the menu open.
class QtSession {
 public:
  explicit QtSession(fm::qt::QtHost::Clock clock = {}) : host(program, std::move(clock)) {
    fm::addCollection(program);
    program.start(fm::firstWindow(program));
  }

  [[nodiscard]] fm::Window& window(std::string_view name) const { return program.window(name); }
  [[nodiscard]] fm::Widget& widget(std::string_view window, std::string_view name,
                                   int index = -1) const {
    return program.window(window).widget(name, index);
  }
  // A click as the program takes it from a button.
  void click(std::string_view window, std::string_view name, int index = -1) {
    program.click(widget(window, name, index));
  }

  fm::Program program;
  fm::qt::QtHost host;
};

}  // namespace bench
