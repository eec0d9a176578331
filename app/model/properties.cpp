#include "app/model/properties.h"

#include <array>

#include "app/model/conversions.h"
#include "app/model/window.h"

namespace fm {
namespace {

using namespace std::string_view_literals;

constexpr std::array kLabelProperties{"Left"sv,      "Top"sv,       "Width"sv,     "Height"sv,
                                      "Visible"sv,   "Enabled"sv,   "Caption"sv,   "Alignment"sv,
                                      "BackStyle"sv, "BackColor"sv, "ForeColor"sv, "FontSize"sv};
constexpr std::array kImageProperties{"Left"sv,    "Top"sv,     "Width"sv,  "Height"sv,
                                      "Visible"sv, "Enabled"sv, "Picture"sv};
constexpr std::array kButtonProperties{"Left"sv,    "Top"sv,     "Width"sv,    "Height"sv,
                                       "Visible"sv, "Enabled"sv, "TabIndex"sv, "Caption"sv};
constexpr std::array kOptionProperties{"Left"sv,     "Top"sv,     "Width"sv,
                                       "Height"sv,   "Visible"sv, "Enabled"sv,
                                       "TabIndex"sv, "Caption"sv, "Value"sv};
constexpr std::array kLineProperties{"Visible"sv, "X1"sv, "Y1"sv, "X2"sv, "Y2"sv, "BorderColor"sv};
constexpr std::array kTextBoxProperties{"Left"sv,    "Top"sv,     "Width"sv,    "Height"sv,
                                        "Visible"sv, "Enabled"sv, "TabIndex"sv, "Text"sv};
constexpr std::array kTimerProperties{"Enabled"sv, "Interval"sv};
constexpr std::array kWindowProperties{"Caption"sv,      "Loaded"sv,       "Visible"sv,
                                       "BackColor"sv,    "Picture"sv,      "ClientWidth"sv,
                                       "ClientHeight"sv, "ActiveControl"sv};

bool has(std::span<const std::string_view> names, std::string_view name) {
  for (const auto candidate : names) {
    if (candidate == name) return true;
  }
  return false;
}

PropertyValue whole(std::int64_t value) {
  return value;
}

}  // namespace

std::span<const std::string_view> propertyNames(WidgetKind kind) {
  switch (kind) {
    case WidgetKind::Label:
      return kLabelProperties;
    case WidgetKind::Image:
      return kImageProperties;
    case WidgetKind::CommandButton:
      return kButtonProperties;
    case WidgetKind::OptionButton:
      return kOptionProperties;
    case WidgetKind::Line:
      return kLineProperties;
    case WidgetKind::TextBox:
      return kTextBoxProperties;
    case WidgetKind::Timer:
      return kTimerProperties;
  }
  return {};
}

std::span<const std::string_view> windowPropertyNames() {
  return kWindowProperties;
}

std::optional<PropertyValue> readProperty(const Widget& widget, std::string_view name) {
  if (!has(propertyNames(widget.kind()), name)) return std::nullopt;
  if (name == "Left") return widget.left();
  if (name == "Top") return widget.top();
  if (name == "Width") return widget.width();
  if (name == "Height") return widget.height();
  if (name == "Visible") return widget.visible();
  if (name == "Enabled") return widget.enabled();
  if (name == "TabIndex") return whole(widget.tabIndex());
  if (name == "Caption") return widget.caption();
  if (name == "Text") return widget.text();
  if (name == "Alignment") return whole(widget.alignment());
  if (name == "BackStyle") return whole(widget.backStyle());
  if (name == "BackColor") return whole(widget.backColor());
  if (name == "ForeColor") return whole(widget.foreColor());
  if (name == "FontSize") return widget.fontSize();
  if (name == "Picture") return std::string(widget.picture().name());
  if (name == "Value") return widget.value();
  if (name == "X1") return widget.x1();
  if (name == "Y1") return widget.y1();
  if (name == "X2") return widget.x2();
  if (name == "Y2") return widget.y2();
  if (name == "BorderColor") return whole(widget.borderColor());
  if (name == "Interval") return whole(widget.interval());
  return std::nullopt;
}

std::optional<PropertyValue> readProperty(const Window& window, std::string_view name) {
  if (name == "Loaded") return window.loaded();
  if (name == "Visible") return window.visible();
  if (!window.loaded() || !has(kWindowProperties, name)) return std::nullopt;
  if (name == "Caption") return window.caption();
  if (name == "BackColor") return whole(window.backColor());
  if (name == "Picture") return std::string(window.picture().name());
  if (name == "ClientWidth") return whole(window.clientWidth());
  if (name == "ClientHeight") return whole(window.clientHeight());
  if (name == "ActiveControl") {
    const Widget* focused = window.activeControl();
    return focused != nullptr ? focused->displayName() : std::string();
  }
  return std::nullopt;
}

std::string toText(const PropertyValue& value) {
  struct Formatter {
    std::string operator()(std::int64_t number) const { return Str(number); }
    std::string operator()(float number) const { return Str(number); }
    std::string operator()(bool flag) const { return flag ? "true" : "false"; }
    std::string operator()(const std::string& text) const { return text; }
  };
  return std::visit(Formatter{}, value);
}

}  // namespace fm
