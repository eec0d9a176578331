#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>

namespace fm::web {

// The kinds of input the page records for the program, numbered as mg_next_input hands them
// over.
enum class InputKind : std::int32_t {
  kNone = 0,
  kClick = 1,
  kKey = 2,
  kClose = 3,
  kFocus = 4,
  kText = 5,
  kPress = 6,
  // The player closed a message box.
  kBoxClosed = 7,
};

// Each kind by the name the page records it under (page/inputs.js), for the page's facts.
inline constexpr std::array<std::pair<std::string_view, InputKind>, 7> kInputKindNames{{
    {"click", InputKind::kClick},
    {"key", InputKind::kKey},
    {"close", InputKind::kClose},
    {"focus", InputKind::kFocus},
    {"text", InputKind::kText},
    {"press", InputKind::kPress},
    {"boxClosed", InputKind::kBoxClosed},
}};

}  // namespace fm::web
