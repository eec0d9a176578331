#pragma once

#include <string>
#include <string_view>

#include "app/model/properties.h"

namespace fm::sim {

// Appends a JSON string literal: quotes, backslashes and control characters escaped, every
// other byte (UTF-8 included) as it is.
void appendJsonString(std::string& out, std::string_view text);
// Appends an object's key: the string, then the colon.
void appendJsonKey(std::string& out, std::string_view key);

// Appends a property value: whole numbers and positions as JSON numbers in the same form as
// `get` prints them (a position that is not a finite number becomes null), booleans, texts.
void appendJsonValue(std::string& out, const PropertyValue& value);

}  // namespace fm::sim
