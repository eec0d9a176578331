#include "app/qt/key_codes.h"

#include <gtest/gtest.h>

namespace fm::qt {
namespace {

// The everyday keys are checked through real windows; these are the ones that need care.
TEST(KeyCodes, KeypadFunctionAndUnknownKeys) {
  EXPECT_EQ(virtualKeyCode(Qt::Key_Z, Qt::NoModifier), 90);
  EXPECT_EQ(virtualKeyCode(Qt::Key_F12, Qt::NoModifier), 123);
  EXPECT_EQ(virtualKeyCode(Qt::Key_9, Qt::NoModifier), 57);
  EXPECT_EQ(virtualKeyCode(Qt::Key_9, Qt::KeypadModifier), 105);
  EXPECT_EQ(virtualKeyCode(Qt::Key_Minus, Qt::NoModifier), 189);
  EXPECT_EQ(virtualKeyCode(Qt::Key_Minus, Qt::KeypadModifier), 109);
  EXPECT_EQ(virtualKeyCode(Qt::Key_Left, Qt::KeypadModifier), 37) << "keypad arrows are arrows";
  EXPECT_EQ(virtualKeyCode(Qt::Key_unknown, Qt::NoModifier), std::nullopt);
  EXPECT_EQ(virtualKeyCode(0, Qt::NoModifier), std::nullopt);
  EXPECT_EQ(virtualKeyCode(Qt::Key_VolumeUp, Qt::NoModifier), std::nullopt);
  EXPECT_EQ(shiftState(Qt::ControlModifier | Qt::KeypadModifier), 2);
  EXPECT_EQ(shiftState(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier), 7);
}

}  // namespace
}  // namespace fm::qt
