#pragma once

#include <cstdint>

namespace fm::web {

// The kinds of input the page records for the program, numbered as mg_next_input hands them
// over. tools/web/make_page.py reads this list to write the page's table of them: every value
// written out, one a line.
enum class InputKind : std::int32_t {
  kNone = 0,
  kClick = 1,
  kKey = 2,
  kClose = 3,
  kFocus = 4,
  kText = 5,
  kPress = 6,
};

}  // namespace fm::web
