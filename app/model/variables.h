#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace fm {

// A window's own variables, registered by name so that tools and tests can read them. Loading
// the window sets every registered variable to zero (or the empty string). Registering also
// decides what counts as a change: only a registered variable's new value moves the program's
// change count, so a timer whose ticks write only an unregistered member counts as idle, and
// its ticks are passed over.
class Variables {
 public:
  void add(std::string_view name, std::int16_t& variable);
  void add(std::string_view name, std::int32_t& variable);
  void add(std::string_view name, std::string& variable);
  // An array whose first element has the index `lowerBound`: name(lowerBound) ...
  void add(std::string_view name, std::span<std::int16_t> array, int lowerBound = 0);

  void resetAll();

  // Whether any variable holds another value than at the last look; a variable not looked at
  // before counts as changed.
  bool changedSinceLastLook();

  // The value as text, or nothing when there is no such variable or element. A whole array
  // is read element by element: `index` must be given for an array and absent otherwise.
  [[nodiscard]] std::optional<std::string> read(std::string_view name,
                                                std::optional<int> index) const;

  struct Entry {
    std::string name;
    std::variant<std::int16_t*, std::int32_t*, std::string*, std::span<std::int16_t>> target;
    int lowerBound = 0;
  };
  [[nodiscard]] const std::vector<Entry>& entries() const { return entries_; }

 private:
  std::vector<Entry> entries_;
  // What the last look saw, in the order of the entries.
  std::vector<std::int32_t> seenNumbers_;
  std::vector<std::string> seenTexts_;
};

}  // namespace fm
