#include "app/qt/key_codes.h"

#include <utility>

namespace fm::qt {
namespace {

constexpr std::pair<int, std::int16_t> kNamedKeys[] = {
    {Qt::Key_Backspace, 8},     {Qt::Key_Tab, 9},          {Qt::Key_Backtab, 9},
    {Qt::Key_Clear, 12},        {Qt::Key_Return, 13},      {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},        {Qt::Key_Control, 17},     {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},        {Qt::Key_CapsLock, 20},    {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},        {Qt::Key_PageUp, 33},      {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},          {Qt::Key_Home, 36},        {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},           {Qt::Key_Right, 39},       {Qt::Key_Down, 40},
    {Qt::Key_Print, 44},        {Qt::Key_Insert, 45},      {Qt::Key_Delete, 46},
    {Qt::Key_NumLock, 144},     {Qt::Key_ScrollLock, 145}, {Qt::Key_Semicolon, 186},
    {Qt::Key_Equal, 187},       {Qt::Key_Comma, 188},      {Qt::Key_Minus, 189},
    {Qt::Key_Period, 190},      {Qt::Key_Slash, 191},      {Qt::Key_QuoteLeft, 192},
    {Qt::Key_BracketLeft, 219}, {Qt::Key_Backslash, 220},  {Qt::Key_BracketRight, 221},
    {Qt::Key_Apostrophe, 222},  {Qt::Key_Menu, 93},
};

// The operators of the numeric keypad have codes of their own.
constexpr std::pair<int, std::int16_t> kKeypadOperators[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},  {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},   {Qt::Key_Slash, 111},
};

constexpr std::int16_t kFirstKeypadDigit = 96;
constexpr std::int16_t kFirstFunctionKey = 112;
constexpr int kFunctionKeys = 24;

}  // namespace

std::optional<std::int16_t> virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
    return static_cast<std::int16_t>('A' + (qtKey - Qt::Key_A));
  }
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
    const int digit = qtKey - Qt::Key_0;
    const int base = modifiers.testFlag(Qt::KeypadModifier) ? kFirstKeypadDigit : '0';
    return static_cast<std::int16_t>(base + digit);
  }
  if (qtKey >= Qt::Key_F1 && qtKey < Qt::Key_F1 + kFunctionKeys) {
    return static_cast<std::int16_t>(kFirstFunctionKey + (qtKey - Qt::Key_F1));
  }
  if (modifiers.testFlag(Qt::KeypadModifier)) {
    for (const auto& [key, code] : kKeypadOperators) {
      if (key == qtKey) return code;
    }
  }
  for (const auto& [key, code] : kNamedKeys) {
    if (key == qtKey) return code;
  }
  return std::nullopt;
}

std::int16_t shiftState(Qt::KeyboardModifiers modifiers) {
  int state = 0;
  if (modifiers.testFlag(Qt::ShiftModifier)) state |= 1;
  if (modifiers.testFlag(Qt::ControlModifier)) state |= 2;
  if (modifiers.testFlag(Qt::AltModifier)) state |= 4;
  return static_cast<std::int16_t>(state);
}

}  // namespace fm::qt
