#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/model/program.h"

namespace fm::sim {

// An address as written: FORM, FORM.NAME, FORM.NAME(INDEX), FORM.NAME.PROPERTY or
// FORM.NAME(INDEX).PROPERTY. The views point into the text it was parsed from.
struct Address {
  std::string_view form;
  std::string_view name;  // empty for a bare window
  std::optional<int> index;
  std::string_view property;  // empty unless the address has a third part
};

// Throws CommandError "bad address ..." or, for an index that is not a number, "bad number ...".
Address parseAddress(std::string_view text);

// What an address names in a running program.
struct Target {
  enum class Kind { Window, Widget, WindowProperty, WidgetProperty, Variable };
  Kind kind = Kind::Window;
  Window* window = nullptr;
  Widget* widget = nullptr;    // Widget and WidgetProperty
  std::string name{};          // the property or variable
  std::optional<int> index{};  // an element of a variable array
  std::string address{};       // as written, for messages
};

// The window of that name; throws CommandError "unknown window ..." when there is none.
Window& resolveWindow(const Program& program, std::string_view name);

// Resolves FORM.NAME in this order: a widget outside any array, a window property, a variable.
// FORM.NAME(INDEX) is a member of a widget array or an element of a variable array, and a
// third part is always a property of the widget. Names are checked against the window's
// layout and registered variables, which exist whether or not the window is loaded.
// Throws CommandError "unknown window|widget|property|variable ...".
Target resolve(const Program& program, std::string_view text);

}  // namespace fm::sim
