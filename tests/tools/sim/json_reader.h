#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fm::testing {

// A parsed JSON value. Numbers keep their text so that tests can compare the exact form
// printed ("1592.5", "-2147483641"). Object members keep their order.
struct JsonMember;

struct JsonValue {
  enum class Kind { Null, Boolean, Number, String, Array, Object };
  Kind kind = Kind::Null;
  bool boolean = false;
  std::string text;  // a number's digits or a string's decoded contents
  std::vector<JsonValue> items;
  std::vector<JsonMember> members;

  // The member of that name; throws std::out_of_range when there is none.
  [[nodiscard]] const JsonValue& operator[](std::string_view key) const;
};

struct JsonMember {
  std::string name;
  JsonValue value;
};

// Parses exactly one JSON value (RFC 8259, strict: no trailing commas, no control characters
// inside strings, nothing after the value). Nothing when the text is not valid JSON.
std::optional<JsonValue> parseJson(std::string_view text);

}  // namespace fm::testing
