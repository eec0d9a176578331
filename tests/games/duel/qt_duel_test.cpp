// The duel in the real program's windows: the hand buttons work from the keyboard, the focus
// starting on "グー", and with the mouse.

#include "tests/support/qt_test_support.h"

namespace fm::testing {
namespace {

class DuelOnScreen : public QtCollectionTest {
 protected:
  Window& duel() { return program.window("Form3"); }
  void open() {
    clickOn(native("Form4", "Command2"));
    expose(view("Form3"));
  }
};

TEST_F(DuelOnScreen, SpacePressesTheFocusedGuButton) {
  open();
  EXPECT_EQ(view("Form3").focusWidget(), &native("Form3", "Command1", 0));
  key(view("Form3"), Qt::Key_Space);
  EXPECT_EQ(duel().variables().read("playerhand", std::nullopt), "0");
  EXPECT_FALSE(native("Form3", "Command1", 0).isVisible());
  EXPECT_TRUE(duel().widget("Timer1").enabled());
}

TEST_F(DuelOnScreen, ClickingPaLaysTheCardAndTheHandsGo) {
  open();
  const QImage before = view("Form3").grab(QRect(224, 208, 100, 150)).toImage();
  clickOn(native("Form3", "Command1", 2));
  EXPECT_EQ(duel().variables().read("playerhand", std::nullopt), "2");
  for (int hand = 0; hand < 3; ++hand) EXPECT_FALSE(native("Form3", "Command1", hand).isVisible());
  EXPECT_NE(view("Form3").grab(QRect(224, 208, 100, 150)).toImage(), before)
      << "the card lies face down in the lower slot";
}

}  // namespace
}  // namespace fm::testing
