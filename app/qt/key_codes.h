#pragma once

#include <QKeyEvent>
#include <cstdint>
#include <optional>

namespace fm::qt {

// The platform-neutral virtual key code the windows' key handlers expect (37 left arrow, 65 the
// letter A, 13 Enter), or nothing for a key that has none.
std::optional<std::int16_t> virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

// The Shift argument of a key handler: 1 Shift, 2 Ctrl, 4 Alt, added together.
std::int16_t shiftState(Qt::KeyboardModifiers modifiers);

}  // namespace fm::qt
