#include "tools/sim/address.h"

#include <algorithm>
#include <limits>
#include <variant>

#include "app/model/properties.h"
#include "tools/sim/command_error.h"
#include "tools/sim/numbers.h"

namespace fm::sim {
namespace {

bool contains(std::span<const std::string_view> names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

[[noreturn]] void badAddress(std::string_view text) {
  throw CommandError(
      "bad address \"" + std::string(text) +
      "\" (expected FORM, FORM.NAME, FORM.NAME(INDEX) or FORM.NAME(INDEX).PROPERTY)");
}

bool isWidgetArray(const Window& window, std::string_view name) {
  return std::any_of(window.widgets().begin(), window.widgets().end(), [&](const auto& widget) {
    return widget->name() == name && widget->index() >= 0;
  });
}

const Variables::Entry* findVariable(const Window& window, std::string_view name) {
  const auto& entries = window.variables().entries();
  const auto found =
      std::find_if(entries.begin(), entries.end(),
                   [&](const Variables::Entry& entry) { return entry.name == name; });
  return found != entries.end() ? &*found : nullptr;
}

const std::span<std::int16_t>* arrayOf(const Variables::Entry& entry) {
  return std::get_if<std::span<std::int16_t>>(&entry.target);
}

Widget* findWidget(const Window& window, std::string_view name, std::optional<int> index) {
  if (index && *index < 0) return nullptr;  // -1 is how the model marks "outside an array"
  return window.find(name, index.value_or(-1));
}

// An element of a variable array, or a variable outside an array.
Target variableTarget(Window& window, const Variables::Entry& entry, std::optional<int> index,
                      std::string_view text) {
  const auto* array = arrayOf(entry);
  if (array != nullptr && !index) {
    throw CommandError("unknown variable " + std::string(text) + " (" + entry.name +
                       " is an array: give an index)");
  }
  if (array == nullptr && index) {
    throw CommandError("unknown variable " + std::string(text) + " (" + entry.name +
                       " is not an array)");
  }
  if (array != nullptr) {
    const long long last =
        static_cast<long long>(entry.lowerBound) + static_cast<long long>(array->size()) - 1;
    if (*index < entry.lowerBound || *index > last) {
      throw CommandError("unknown variable " + std::string(text) + " (indexes run from " +
                         std::to_string(entry.lowerBound) + " to " + std::to_string(last) + ")");
    }
  }
  return {.kind = Target::Kind::Variable,
          .window = &window,
          .name = entry.name,
          .index = index,
          .address = std::string(text)};
}

}  // namespace

Address parseAddress(std::string_view text) {
  Address address;
  std::string_view rest = text;
  const auto firstDot = rest.find('.');
  address.form = rest.substr(0, firstDot);
  if (address.form.empty()) badAddress(text);
  if (firstDot == std::string_view::npos) return address;
  rest.remove_prefix(firstDot + 1);

  // A dot inside the parentheses belongs to the index ("Label1(1.5)" is a bad index).
  auto secondDot = rest.find('.');
  if (const auto open = rest.find('('); open < secondDot) {
    const auto close = rest.find(')', open);
    secondDot = close == std::string_view::npos ? close : rest.find('.', close);
  }
  std::string_view member = rest.substr(0, secondDot);
  if (secondDot != std::string_view::npos) {
    address.property = rest.substr(secondDot + 1);
    if (address.property.empty() ||
        address.property.find_first_of(".()") != std::string_view::npos) {
      badAddress(text);
    }
  }

  const auto open = member.find('(');
  const auto close = member.find(')');
  if (open != std::string_view::npos || close != std::string_view::npos) {
    // NAME(INDEX): one pair of parentheses, closing the address part.
    if (open == std::string_view::npos || close < open || close != member.size() - 1) {
      badAddress(text);
    }
    const std::string_view index = member.substr(open + 1, close - open - 1);
    if (index.find('(') != std::string_view::npos) badAddress(text);
    member = member.substr(0, open);
    if (member.empty()) badAddress(text);
    address.index = static_cast<int>(
        wholeInRange(index, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
  }
  if (member.empty()) badAddress(text);
  address.name = member;
  return address;
}

Window& resolveWindow(const Program& program, std::string_view name) {
  Window* window = program.find(name);
  if (window == nullptr) throw CommandError("unknown window " + std::string(name));
  return *window;
}

Target resolve(const Program& program, std::string_view text) {
  const Address address = parseAddress(text);
  Window& window = resolveWindow(program, address.form);
  const std::string written(text);
  if (address.name.empty()) {
    return {.kind = Target::Kind::Window, .window = &window, .address = written};
  }

  Widget* widget = findWidget(window, address.name, address.index);
  const std::string widgetText =
      std::string(address.form) + "." +
      (address.index ? std::string(address.name) + "(" + std::to_string(*address.index) + ")"
                     : std::string(address.name));

  if (!address.property.empty()) {
    if (widget == nullptr) {
      const bool needsIndex = !address.index && isWidgetArray(window, address.name);
      throw CommandError("unknown widget " + widgetText +
                         (needsIndex ? " (a widget array: give an index)" : ""));
    }
    if (!contains(propertyNames(widget->kind()), address.property)) {
      throw CommandError("unknown property " + written + " (" +
                         std::string(kindName(widget->kind())) + " has no " +
                         std::string(address.property) + ")");
    }
    return {.kind = Target::Kind::WidgetProperty,
            .window = &window,
            .widget = widget,
            .name = std::string(address.property),
            .address = written};
  }

  if (widget != nullptr) {
    return {.kind = Target::Kind::Widget, .window = &window, .widget = widget, .address = written};
  }
  if (!address.index && contains(windowPropertyNames(), address.name)) {
    return {.kind = Target::Kind::WindowProperty,
            .window = &window,
            .name = std::string(address.name),
            .address = written};
  }
  if (const Variables::Entry* entry = findVariable(window, address.name)) {
    return variableTarget(window, *entry, address.index, text);
  }
  if (isWidgetArray(window, address.name)) {
    throw CommandError("unknown widget " + widgetText +
                       (address.index ? "" : " (a widget array: give an index)"));
  }
  throw CommandError("unknown widget, property or variable " + written);
}

}  // namespace fm::sim
