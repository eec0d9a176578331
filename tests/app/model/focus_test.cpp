#include <gtest/gtest.h>

#include <vector>

#include "tests/app/model/fixture.h"

namespace fm::testing {
namespace {

class Focus : public ModelTest {
 protected:
  Focus() {
    window.onKey = [this](std::int16_t code, std::int16_t) { keys.push_back(code); };
    window.onCommand1 = [this] { ++pressesOfOne; };
    window.onCommand2 = [this] { ++pressesOfTwo; };
  }
  std::vector<int> keys;
  int pressesOfOne = 0;
  int pressesOfTwo = 0;
};

TEST_F(Focus, AnOpeningWindowFocusesItsLowestTabIndex) {
  EXPECT_EQ(window.activeControl(), &window.Command1);
}

TEST_F(Focus, HiddenAndDisabledWidgetsAreSkippedWhenAWindowOpens) {
  other.onLoad = [this] {
    other.Command1.setVisible(false);
    other.Command2.setEnabled(false);
  };
  other.Show();
  EXPECT_EQ(other.activeControl(), &other.Option1(0));
}

TEST_F(Focus, SpaceAndEnterPressTheFocusedButton) {
  program.keyDown(window, 32, 0);
  program.keyDown(window, 13, 0);
  EXPECT_EQ(pressesOfOne, 2);
  program.keyDown(window, 37, 0);  // other keys stay with the focused button
  EXPECT_TRUE(keys.empty());
}

TEST_F(Focus, LosingTheFocusedWidgetMovesTheFocusOnInTabOrder) {
  window.Command1.setEnabled(false);
  EXPECT_EQ(window.activeControl(), &window.Command2);
  window.Command2.setVisible(false);
  EXPECT_EQ(window.activeControl(), &window.Option1(0));
  window.Text1.setVisible(false);
  window.Option1(0).setVisible(false);
  EXPECT_EQ(window.activeControl(), &window.Option1(1));
  window.Command1.setEnabled(true);
  window.Option1(1).setVisible(false);  // wraps round to the lowest TabIndex left
  EXPECT_EQ(window.activeControl(), &window.Command1);
}

TEST_F(Focus, WithNothingLeftToFocusKeysReachTheWindow) {
  for (Widget* widget : {&window.Command1, &window.Command2, &window.Option1(0), &window.Option1(1),
                         &window.Text1}) {
    widget->setVisible(false);
  }
  EXPECT_EQ(window.activeControl(), nullptr);
  program.keyDown(window, 39, 1);
  program.keyDown(window, 32, 0);
  EXPECT_EQ(keys, (std::vector<int>{39, 32}));
  EXPECT_EQ(pressesOfOne, 0);
}

TEST_F(Focus, AClickMovesTheFocusAndAFocusedTextBoxKeepsItsKeys) {
  program.click(window.Command2);
  EXPECT_EQ(window.activeControl(), &window.Command2);
  window.focus(window.Text1);
  program.keyDown(window, 32, 0);
  program.keyDown(window, 13, 0);
  EXPECT_EQ(pressesOfTwo, 1);
  EXPECT_TRUE(keys.empty());
  window.Text1.setVisible(false);
  window.focus(window.Text1);  // a hidden widget cannot take the focus
  EXPECT_NE(window.activeControl(), &window.Text1);
}

}  // namespace
}  // namespace fm::testing
