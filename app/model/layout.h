#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <type_traits>

#include "app/model/widget.h"

namespace fm {

class Window;

// The handler a layout row binds to its widget's event: a click or a tick, taking the widget's
// Index for members of a widget array.
struct EventHandler {
  void (Window::*plain)() = nullptr;
  void (Window::*indexed)(std::int16_t) = nullptr;
};

template <class Form>
EventHandler on(void (Form::*handler)()) {
  static_assert(std::is_base_of_v<Window, Form>);
  return {static_cast<void (Window::*)()>(handler), nullptr};
}

template <class Form>
EventHandler on(void (Form::*handler)(std::int16_t)) {
  static_assert(std::is_base_of_v<Window, Form>);
  return {nullptr, static_cast<void (Window::*)(std::int16_t)>(handler)};
}

// One row of a window's layout table, front to back.
struct LayoutRow {
  std::string_view name;
  WidgetKind kind = WidgetKind::Label;
  int index = -1;  // -1 outside a widget array
  Geometry geometry{};
  Props props{};
  EventHandler handler{};
};

// A key a window is played with, for hosts that offer it on the screen (a touch screen has no
// arrow keys): its key code, the symbol on it and what a screen reader calls it.
struct PlayKey {
  std::int16_t code = 0;
  std::string_view symbol;
  std::string_view name;
};

// A widget by its name and, in a widget array, its Index.
struct WidgetAddress {
  std::string_view name;
  int index = -1;
};

// The fixed frame of a window.
struct WindowFrame {
  std::string_view name;
  std::string_view caption;
  int clientWidth = 0;  // twips
  int clientHeight = 0;
  std::int32_t backColor = kButtonFace;
  std::span<const PlayKey> keys{};
  // Controls that stand too close together for a finger at a phone's scale, for hosts that offer
  // them again, larger, beside the keys.
  std::span<const WidgetAddress> touchTwins{};
};

}  // namespace fm
