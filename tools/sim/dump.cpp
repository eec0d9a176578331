#include "tools/sim/dump.h"

#include <type_traits>

#include "app/model/properties.h"
#include "tools/sim/json.h"

namespace fm::sim {
namespace {

void appendWindowProperty(std::string& out, const Window& window, std::string_view name) {
  appendJsonKey(out, name);
  if (const auto value = readProperty(window, name)) {
    appendJsonValue(out, *value);
  } else {
    out += "null";
  }
}

void appendWidget(std::string& out, const Widget& widget) {
  out += '{';
  appendJsonKey(out, "name");
  appendJsonString(out, widget.name());
  out += ',';
  appendJsonKey(out, "index");
  out += widget.index() >= 0 ? std::to_string(widget.index()) : "null";
  out += ',';
  appendJsonKey(out, "kind");
  appendJsonString(out, kindName(widget.kind()));
  for (const std::string_view name : propertyNames(widget.kind())) {
    out += ',';
    appendJsonKey(out, name);
    if (const auto value = readProperty(widget, name)) {
      appendJsonValue(out, *value);
    } else {
      out += "null";
    }
  }
  out += '}';
}

void appendVariable(std::string& out, const Variables::Entry& entry) {
  appendJsonKey(out, entry.name);
  std::visit(
      [&](const auto& target) {
        using Target = std::decay_t<decltype(target)>;
        if constexpr (std::is_same_v<Target, std::span<std::int16_t>>) {
          out += '[';
          for (std::size_t i = 0; i < target.size(); ++i) {
            if (i > 0) out += ',';
            out += std::to_string(target[i]);
          }
          out += ']';
        } else if constexpr (std::is_same_v<Target, std::string*>) {
          appendJsonString(out, *target);
        } else {
          out += std::to_string(*target);
        }
      },
      entry.target);
}

}  // namespace

std::string dumpWindow(const Window& window) {
  std::string out = "{";
  appendJsonKey(out, "window");
  appendJsonString(out, window.name());
  if (!window.loaded()) {
    out += ',';
    appendWindowProperty(out, window, "Loaded");
    out += ',';
    appendWindowProperty(out, window, "Visible");
    return out + '}';
  }
  for (const std::string_view name : windowPropertyNames()) {
    out += ',';
    appendWindowProperty(out, window, name);
  }
  out += ",\"widgets\":[";
  bool first = true;
  for (const auto& widget : window.widgets()) {
    if (!first) out += ',';
    first = false;
    appendWidget(out, *widget);
  }
  out += "],\"variables\":{";
  first = true;
  for (const auto& entry : window.variables().entries()) {
    if (!first) out += ',';
    first = false;
    appendVariable(out, entry);
  }
  return out + "}}";
}

}  // namespace fm::sim
