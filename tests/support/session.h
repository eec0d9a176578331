#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "app/collection.h"
#include "app/headless/headless_host.h"
#include "app/model/program.h"

namespace fm::testing {

// The whole collection running headless on a virtual clock, started as the real program
// starts: the menu loaded and visible at time 0.
class Session {
 public:
  Session() {
    addCollection(program);
    program.start(firstWindow(program));
  }

  Window& form(std::string_view name) const { return program.window(name); }
  Widget& widget(std::string_view formName, std::string_view name, int index = -1) const {
    return form(formName).widget(name, index);
  }

  // The player's actions.
  void click(std::string_view formName, std::string_view name, int index = -1) {
    program.click(widget(formName, name, index));
  }
  void key(std::string_view formName, std::int16_t keyCode, std::int16_t shift = 0) {
    program.keyDown(form(formName), keyCode, shift);
  }
  void close(std::string_view formName) { program.close(form(formName)); }
  void wait(std::int64_t milliseconds) { host.wait(milliseconds); }

  // The next draws of Rnd return these values, in order.
  void queueDraws(std::initializer_list<float> values) {
    for (const float value : values) program.random().queue(value);
  }

  // The next draws Int(Rnd × n) give these values, in order.
  void queueInts(int n, std::initializer_list<int> values) {
    for (const int value : values) queueInt(n, value);
  }
  void queueInt(int n, int value) {
    program.random().queue((static_cast<float>(value) + 0.5F) / static_cast<float>(n));
  }

  // A window variable as the scenario runner reads it.
  std::string variable(std::string_view formName, std::string_view name) const {
    return form(formName).variables().read(name, std::nullopt).value_or("<missing>");
  }

  Program program;
  HeadlessHost host{program};
};

}  // namespace fm::testing
