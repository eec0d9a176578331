// The duel in the real program's windows: the hand buttons work from the keyboard, the focus
// starting on "グー".

#include "tests/support/qt_test_support.h"

namespace fm::testing {
namespace {

using DuelOnScreen = QtCollectionTest;

TEST_F(DuelOnScreen, SpacePressesTheFocusedGuButton) {
  clickOn(native("Form4", "Command2"));
  expose(view("Form3"));
  const Window& duel = program.window("Form3");
  EXPECT_EQ(view("Form3").focusWidget(), &native("Form3", "Command1", 0));
  key(view("Form3"), Qt::Key_Space);
  EXPECT_EQ(duel.variables().read("playerhand", std::nullopt), "0");
  EXPECT_FALSE(native("Form3", "Command1", 0).isVisible());
  EXPECT_TRUE(duel.widget("Timer1").enabled());
}

}  // namespace
}  // namespace fm::testing
