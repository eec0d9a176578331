#include "tests/tools/sim/json_reader.h"

#include <cctype>
#include <stdexcept>

namespace fm::testing {
namespace {

unsigned hexValue(char digit) {
  if (digit >= '0' && digit <= '9') return static_cast<unsigned>(digit - '0');
  return static_cast<unsigned>(std::tolower(static_cast<unsigned char>(digit)) - 'a' + 10);
}

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  std::optional<JsonValue> document() {
    JsonValue value;
    if (!parseValue(value)) return std::nullopt;
    skipBlanks();
    if (position_ != text_.size()) return std::nullopt;
    return value;
  }

 private:
  bool parseValue(JsonValue& value) {
    skipBlanks();
    if (position_ >= text_.size()) return false;
    const char c = text_[position_];
    if (c == '{') return parseObject(value);
    if (c == '[') return parseArray(value);
    if (c == '"') {
      value.kind = JsonValue::Kind::String;
      return parseString(value.text);
    }
    if (literal("true")) {
      value.kind = JsonValue::Kind::Boolean;
      value.boolean = true;
      return true;
    }
    if (literal("false")) {
      value.kind = JsonValue::Kind::Boolean;
      return true;
    }
    if (literal("null")) return true;
    return parseNumber(value);
  }

  bool parseObject(JsonValue& value) {
    value.kind = JsonValue::Kind::Object;
    ++position_;
    skipBlanks();
    if (take('}')) return true;
    do {
      skipBlanks();
      std::string key;
      if (!parseString(key)) return false;
      skipBlanks();
      if (!take(':')) return false;
      JsonValue member;
      if (!parseValue(member)) return false;
      value.members.push_back({std::move(key), std::move(member)});
      skipBlanks();
    } while (take(','));
    return take('}');
  }

  bool parseArray(JsonValue& value) {
    value.kind = JsonValue::Kind::Array;
    ++position_;
    skipBlanks();
    if (take(']')) return true;
    do {
      JsonValue item;
      if (!parseValue(item)) return false;
      value.items.push_back(std::move(item));
      skipBlanks();
    } while (take(','));
    return take(']');
  }

  bool parseString(std::string& out) {
    if (!take('"')) return false;
    while (position_ < text_.size()) {
      const char c = text_[position_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (position_ >= text_.size()) return false;
      const char escaped = text_[position_++];
      switch (escaped) {
        case '"':
        case '\\':
        case '/':
          out += escaped;
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u': {
          // Only what a writer needs for control characters: a code point below 0x80.
          if (position_ + 4 > text_.size()) return false;
          unsigned code = 0;
          for (int i = 0; i < 4; ++i) {
            const char digit = text_[position_++];
            if (std::isxdigit(static_cast<unsigned char>(digit)) == 0) return false;
            code = code * 16 + hexValue(digit);
          }
          if (code >= 0x80) return false;
          out += static_cast<char>(code);
          break;
        }
        default:
          return false;
      }
    }
    return false;
  }

  bool parseNumber(JsonValue& value) {
    const std::size_t start = position_;
    take('-');
    if (take('0')) {
      // no leading zeros
    } else if (!digits()) {
      return false;
    }
    if (take('.') && !digits()) return false;
    if (take('e') || take('E')) {
      if (!take('+')) take('-');
      if (!digits()) return false;
    }
    value.kind = JsonValue::Kind::Number;
    value.text = std::string(text_.substr(start, position_ - start));
    return true;
  }

  bool digits() {
    const std::size_t start = position_;
    while (position_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[position_]))) {
      ++position_;
    }
    return position_ > start;
  }

  bool literal(std::string_view word) {
    if (text_.substr(position_, word.size()) != word) return false;
    position_ += word.size();
    return true;
  }

  bool take(char c) {
    if (position_ < text_.size() && text_[position_] == c) {
      ++position_;
      return true;
    }
    return false;
  }

  void skipBlanks() {
    while (position_ < text_.size() && (text_[position_] == ' ' || text_[position_] == '\t' ||
                                        text_[position_] == '\n' || text_[position_] == '\r')) {
      ++position_;
    }
  }

  std::string_view text_;
  std::size_t position_ = 0;
};

}  // namespace

const JsonValue& JsonValue::operator[](std::string_view key) const {
  for (const auto& [name, value] : members) {
    if (name == key) return value;
  }
  throw std::out_of_range("no member " + std::string(key));
}

std::optional<JsonValue> parseJson(std::string_view text) {
  return Parser(text).document();
}

}  // namespace fm::testing
