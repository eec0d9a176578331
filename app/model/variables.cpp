#include "app/model/variables.h"

#include <algorithm>

#include "app/model/conversions.h"

namespace fm {

void Variables::add(std::string_view name, std::int16_t& variable) {
  entries_.push_back({std::string(name), &variable, 0});
}

void Variables::add(std::string_view name, std::int32_t& variable) {
  entries_.push_back({std::string(name), &variable, 0});
}

void Variables::add(std::string_view name, std::string& variable) {
  entries_.push_back({std::string(name), &variable, 0});
}

void Variables::add(std::string_view name, std::span<std::int16_t> array, int lowerBound) {
  entries_.push_back({std::string(name), array, lowerBound});
}

void Variables::resetAll() {
  for (auto& entry : entries_) {
    std::visit(
        [](auto& target) {
          using Target = std::decay_t<decltype(target)>;
          if constexpr (std::is_same_v<Target, std::span<std::int16_t>>) {
            std::fill(target.begin(), target.end(), std::int16_t{0});
          } else if constexpr (std::is_same_v<Target, std::string*>) {
            target->clear();
          } else {
            *target = 0;
          }
        },
        entry.target);
  }
}

bool Variables::changedSinceLastLook() {
  bool changed = false;
  std::size_t numbers = 0;
  std::size_t texts = 0;
  const auto see = [&changed](auto& seen, std::size_t& at, const auto& value) {
    if (at == seen.size()) {
      seen.push_back(value);
      changed = true;
    } else if (seen[at] != value) {
      seen[at] = value;
      changed = true;
    }
    ++at;
  };
  for (const auto& entry : entries_) {
    std::visit(
        [&](const auto& target) {
          using Target = std::decay_t<decltype(target)>;
          if constexpr (std::is_same_v<Target, std::span<std::int16_t>>) {
            for (const std::int16_t value : target) see(seenNumbers_, numbers, std::int32_t{value});
          } else if constexpr (std::is_same_v<Target, std::string*>) {
            see(seenTexts_, texts, *target);
          } else {
            see(seenNumbers_, numbers, std::int32_t{*target});
          }
        },
        entry.target);
  }
  return changed;
}

std::optional<std::string> Variables::read(std::string_view name, std::optional<int> index) const {
  const auto found = std::find_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& entry) { return entry.name == name; });
  if (found == entries_.end()) return std::nullopt;
  const Entry& entry = *found;
  return std::visit(
      [&](const auto& target) -> std::optional<std::string> {
        using Target = std::decay_t<decltype(target)>;
        if constexpr (std::is_same_v<Target, std::span<std::int16_t>>) {
          if (!index) return std::nullopt;
          const auto offset = static_cast<long long>(*index) - entry.lowerBound;
          if (offset < 0 || offset >= static_cast<long long>(target.size())) return std::nullopt;
          return Str(std::int64_t{target[static_cast<std::size_t>(offset)]});
        } else {
          if (index) return std::nullopt;
          if constexpr (std::is_same_v<Target, std::string*>) {
            return *target;
          } else {
            return Str(std::int64_t{*target});
          }
        }
      },
      entry.target);
}

}  // namespace fm
