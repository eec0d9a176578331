#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>

#include "tests/support/qt_test_support.h"
#include "tests/support/qt_test_windows.h"

namespace fm::testing {
namespace {

class InputTest : public QtHostTest {
 protected:
  KeysWindow& keys = program.add<KeysWindow>();
  PixelPanelWindow& panel = program.add<PixelPanelWindow>();

  void openPanel() {
    program.start(panel);
    expose(view("Panel"));
  }
  QAbstractButton& button(std::string_view name, int index = -1) {
    return dynamic_cast<QAbstractButton&>(native("Panel", name, index));
  }
};

using KeyList = std::vector<std::pair<std::int16_t, std::int16_t>>;

TEST_F(InputTest, KeysReachAWindowWithoutFocusAsVirtualCodes) {
  program.start(keys);
  QWidget& window = view("Keys");
  expose(window);
  for (const Qt::Key pressed : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                                Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_7}) {
    key(window, pressed);
  }
  EXPECT_EQ(keys.keys,
            (KeyList{{37, 0}, {39, 0}, {38, 0}, {40, 0}, {32, 0}, {13, 0}, {27, 0}, {55, 0}}));
  keys.keys.clear();
  key(window, Qt::Key_A, Qt::ShiftModifier);
  EXPECT_EQ(keys.keys.back(), std::make_pair(std::int16_t{65}, std::int16_t{1}));
  // A held key repeats, and every repeat is delivered.
  QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
  QCoreApplication::sendEvent(&window, &repeat);
  EXPECT_EQ(keys.keys.back(), std::make_pair(std::int16_t{39}, std::int16_t{0}));
}

TEST_F(InputTest, FocusedButtonTakesSpaceAndEnterAndTabMovesTheFocus) {
  openPanel();
  QWidget& window = view("Panel");
  EXPECT_EQ(window.focusWidget(), &button("Command2")) << "lowest TabIndex";
  key(window, Qt::Key_Left);
  key(window, Qt::Key_Space);
  key(window, Qt::Key_Return);
  EXPECT_TRUE(panel.keys.empty());
  EXPECT_EQ(panel.clicks, (std::vector<std::string>{"Command2", "Command2"}));
  key(window, Qt::Key_Tab);
  EXPECT_EQ(panel.activeControl(), &panel.widget("Command1"));
  key(window, Qt::Key_Space);
  EXPECT_EQ(panel.clicks.back(), "Command1");
}

TEST_F(InputTest, FocusGoesWhereTheModelSendsItWhenTheFocusedButtonGoesAway) {
  openPanel();
  QWidget& window = view("Panel");
  panel.widget("Command2").setVisible(false);
  applyModelChanges();
  EXPECT_EQ(panel.activeControl(), &panel.widget("Command1"));
  EXPECT_EQ(window.focusWidget(), &button("Command1"));
  // With nothing left to hold it, the focus goes to the window and keys reach Form_KeyDown.
  for (const auto& widget : panel.widgets()) {
    if (widget->isFocusableKind()) widget->setEnabled(false);
  }
  applyModelChanges();
  EXPECT_EQ(panel.activeControl(), nullptr);
  key(window, Qt::Key_Right);
  EXPECT_EQ(panel.keys, std::vector<std::int16_t>{39});
}

TEST_F(InputTest, OptionButtonsShowOnlyTheModelsChoice) {
  openPanel();
  EXPECT_TRUE(button("Option1", 1).isChecked());
  clickOn(button("Option1", 0));
  EXPECT_TRUE(button("Option1", 0).isChecked());
  EXPECT_FALSE(button("Option1", 1).isChecked());
  // Clicking the selected option again must not clear it, as a plain checkable button would.
  clickOn(button("Option1", 0));
  EXPECT_TRUE(button("Option1", 0).isChecked());
  EXPECT_TRUE(panel.widget("Option1", 0).value());
  EXPECT_EQ(panel.clicks, (std::vector<std::string>{"Option1(0)", "Option1(0)"}));
}

TEST_F(InputTest, ImageClicksGoToTheFrontmostVisibleImage) {
  openPanel();
  QWidget& window = view("Panel");
  // Image1 covers x 10..41 and Image2 x 26..57, both y 110..141.
  clickAt(window, {34, 120});
  clickAt(window, {50, 120});
  clickAt(window, {100, 180});
  EXPECT_EQ(panel.clicks, (std::vector<std::string>{"Image1", "Image2"}));
  panel.widget("Image1").setVisible(false);
  applyModelChanges();
  clickAt(window, {34, 120});
  EXPECT_EQ(panel.clicks, (std::vector<std::string>{"Image1", "Image2", "Image2"}));
}

TEST_F(InputTest, NativeWidgetsFollowTheModelAndTextBoxesFeedIt) {
  openPanel();
  Widget& command1 = panel.widget("Command1");
  command1.setCaption("三");
  command1.setLeft(3000);
  command1.setEnabled(false);
  applyModelChanges();
  EXPECT_EQ(button("Command1").text(), QStringLiteral("三"));
  EXPECT_EQ(button("Command1").geometry(), QRect(200, 10, 100, 30));
  clickOn(button("Command1"));
  EXPECT_TRUE(panel.clicks.empty()) << "a disabled button cannot be clicked";

  auto& text = dynamic_cast<QLineEdit&>(native("Panel", "Text1"));
  clickOn(text);
  key(view("Panel"), Qt::Key_End);
  key(view("Panel"), Qt::Key_Space);
  key(view("Panel"), Qt::Key_Z);
  EXPECT_EQ(panel.widget("Text1").text(), "abc z");
  EXPECT_TRUE(panel.keys.empty());
  EXPECT_TRUE(panel.clicks.empty());
  panel.widget("Text1").setText("new");
  applyModelChanges();
  EXPECT_EQ(text.text(), QStringLiteral("new"));
}

}  // namespace
}  // namespace fm::testing
