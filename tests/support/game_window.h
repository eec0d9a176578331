#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/session.h"

namespace fm::testing {

// One game window of a whole-collection session, seen and played the way a player does.
class GameWindow {
 public:
  GameWindow(Session& session, std::string_view formName)
      : session_(session), formName_(formName) {}

  void click(std::string_view name, int index = -1) { session_.click(formName_, name, index); }
  void key(std::int16_t keyCode, std::int16_t shift = 0) {
    session_.key(formName_, keyCode, shift);
  }
  void close() { session_.close(formName_); }
  void wait(std::int64_t milliseconds) { session_.wait(milliseconds); }
  // Lets time pass up to `time` milliseconds after the session started.
  void waitUntil(std::int64_t time) { session_.wait(time - session_.host.now()); }

  [[nodiscard]] Window& window() const { return session_.form(formName_); }
  [[nodiscard]] Widget& widget(std::string_view name, int index = -1) const {
    return session_.widget(formName_, name, index);
  }
  [[nodiscard]] bool shown(std::string_view name, int index = -1) const {
    return widget(name, index).visible();
  }
  [[nodiscard]] bool running(std::string_view timer) const { return widget(timer).enabled(); }
  [[nodiscard]] std::string caption(std::string_view name, int index = -1) const {
    return widget(name, index).caption();
  }
  // The asset name of the picture an Image shows, empty for none.
  [[nodiscard]] std::string picture(std::string_view name, int index = -1) const {
    return std::string(widget(name, index).picture().name());
  }
  [[nodiscard]] int variable(std::string_view name) const {
    return std::stoi(session_.variable(formName_, name));
  }
  // The window has unloaded itself (or been closed) and the menu is on screen.
  [[nodiscard]] bool backAtTheMenu() const {
    return !window().loaded() && session_.form("Form4").visible();
  }
  // The names of the window's enabled timers, front to back.
  [[nodiscard]] std::vector<std::string> runningTimers() const {
    std::vector<std::string> names;
    for (const auto& widget : window().widgets()) {
      if (widget->kind() == WidgetKind::Timer && widget->enabled()) {
        names.push_back(widget->name());
      }
    }
    return names;
  }

 protected:
  Session& session_;
  std::string formName_;
};

}  // namespace fm::testing
