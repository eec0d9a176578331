#include "tools/sim/read_value.h"

#include "app/model/properties.h"
#include "tools/sim/command_error.h"

namespace fm::sim {
namespace {

void requireLoaded(const Window& window) {
  if (!window.loaded()) throw CommandError("window not loaded: " + std::string(window.name()));
}

std::string missing(const Target& target) {
  return "unknown property or variable " + target.address;
}

}  // namespace

std::string readValue(const Target& target) {
  const Window& window = *target.window;
  switch (target.kind) {
    case Target::Kind::Window:
      throw CommandError(target.address + " is a window: read one of its properties, such as " +
                         target.address + ".Visible");
    case Target::Kind::Widget:
      throw CommandError(target.address + " is a widget: read one of its properties, such as " +
                         target.address + "." +
                         std::string(propertyNames(target.widget->kind()).front()));
    case Target::Kind::WindowProperty:
      if (target.name != "Loaded" && target.name != "Visible") requireLoaded(window);
      if (const auto value = readProperty(window, target.name)) return toText(*value);
      throw CommandError(missing(target));
    case Target::Kind::WidgetProperty:
      requireLoaded(window);
      if (const auto value = readProperty(*target.widget, target.name)) return toText(*value);
      throw CommandError(missing(target));
    case Target::Kind::Variable:
      requireLoaded(window);
      if (auto value = window.variables().read(target.name, target.index)) return *value;
      throw CommandError(missing(target));
  }
  throw CommandError(missing(target));
}

}  // namespace fm::sim
