#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "app/model/widget.h"

namespace fm {

class Window;

// A property's value as tools see it: whole numbers, single-precision positions, booleans and
// texts (a picture reads as its asset name, or the empty text).
using PropertyValue = std::variant<std::int64_t, float, bool, std::string>;

// The properties of a widget kind and of a window, by the names handlers use.
std::span<const std::string_view> propertyNames(WidgetKind kind);
std::span<const std::string_view> windowPropertyNames();

std::optional<PropertyValue> readProperty(const Widget& widget, std::string_view name);
// `Loaded` and `Visible` can be read at any time; the rest only while the window is loaded.
std::optional<PropertyValue> readProperty(const Window& window, std::string_view name);

// Plain text of a value: 1560, 1592.5, true, ソルネ.
std::string toText(const PropertyValue& value);

}  // namespace fm
