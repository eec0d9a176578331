#include "tools/sim/json.h"

#include <array>
#include <cmath>
#include <type_traits>

#include "app/model/conversions.h"

namespace fm::sim {

void appendJsonString(std::string& out, std::string_view text) {
  out += '"';
  for (const char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          constexpr std::array<char, 16> kHex{'0', '1', '2', '3', '4', '5', '6', '7',
                                              '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
          const auto byte = static_cast<unsigned char>(c);
          out += "\\u00";
          out += kHex[byte >> 4U];
          out += kHex[byte & 0xFU];
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

void appendJsonKey(std::string& out, std::string_view key) {
  appendJsonString(out, key);
  out += ':';
}

void appendJsonValue(std::string& out, const PropertyValue& value) {
  std::visit(
      [&](const auto& held) {
        using Held = std::decay_t<decltype(held)>;
        if constexpr (std::is_same_v<Held, std::string>) {
          appendJsonString(out, held);
        } else if constexpr (std::is_same_v<Held, bool>) {
          out += held ? "true" : "false";
        } else if constexpr (std::is_same_v<Held, float>) {
          out += std::isfinite(held) ? Str(held) : "null";
        } else {
          out += Str(held);
        }
      },
      value);
}

}  // namespace fm::sim
