// What a screen reader finds in each window: every widget shown on it named as the model names
// it, nothing for lines, timers, empty picture slots and what lies off the window, and the
// names following the game as cards turn, dice settle and captions change.

#include <QAccessible>
#include <QString>
#include <initializer_list>
#include <string>

#include "app/model/accessible_name.h"
#include "tests/support/qt_test_support.h"

namespace fm::testing {
namespace {

// A table row: what a screen reader says for a widget.
struct Said {
  const char* widget = nullptr;
  const char* words = nullptr;
  int index = -1;
};

class AccessibleNamesTest : public QtCollectionTest {
 protected:
  // A screen reader listens from the start, as it does on a desktop where one runs.
  AccessibleNamesTest() { QAccessible::setActive(true); }
  ~AccessibleNamesTest() override { QAccessible::setActive(false); }

  // Opens these games from the menu, as the player does: all four unless told.
  void openGames(std::initializer_list<const char*> buttons = {"Command1", "Command2", "Command3",
                                                               "Command4"}) {
    expose(view("Form4"));
    for (const char* button : buttons) clickOn(native("Form4", button));
  }

  // The object a screen reader finds for a widget, among the children of its window's own;
  // nullptr for none.
  QAccessibleInterface* accessible(const Widget& widget) {
    qt::FormView& window = host.view(widget.window());
    QWidget* child = window.nativeWidget(widget);
    if (child == nullptr) child = window.accessibleStandIn(widget);
    if (child == nullptr) return nullptr;
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(child);
    QAccessibleInterface* parent = QAccessible::queryAccessibleInterface(&window);
    return found != nullptr && parent->indexOfChild(found) >= 0 ? found : nullptr;
  }

  // What a screen reader says for a widget: its name, or "-" when it leaves the widget out.
  std::string said(std::string_view windowName, std::string_view name, int index = -1) {
    QAccessibleInterface* found = accessible(program.window(windowName).widget(name, index));
    if (found == nullptr || found->state().invisible) return "-";
    return found->text(QAccessible::Name).toStdString();
  }
  void expectSaid(std::string_view windowName, std::initializer_list<Said> rows) {
    for (const Said& row : rows) {
      EXPECT_EQ(said(windowName, row.widget, row.index), row.words)
          << windowName << "." << row.widget << "(" << row.index << ") at " << clock << " ms";
    }
  }
};

TEST_F(AccessibleNamesTest, EveryShownWidgetOfEveryOpenWindowIsNamedAndNothingElse) {
  openGames();
  for (const auto& window : program.windows()) {
    const std::string at(window->name());
    qt::FormView& screen = view(window->name());
    ASSERT_TRUE(screen.isVisible()) << at;
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(&screen);
    EXPECT_EQ(frame->role(), QAccessible::Window) << at;
    EXPECT_EQ(frame->text(QAccessible::Name).toStdString(), window->caption()) << at;
    int named = 0;
    for (const auto& widget : window->widgets()) {
      const std::string where = at + "." + widget->displayName();
      const WidgetKind kind = widget->kind();
      QAccessibleInterface* found = accessible(*widget);
      if (kind == WidgetKind::Line || kind == WidgetKind::Timer) {
        const QString object = QString::fromStdString(widget->displayName());
        EXPECT_TRUE(found == nullptr && screen.findChild<QWidget*>(object) == nullptr) << where;
        continue;
      }
      ASSERT_NE(found, nullptr) << where;
      EXPECT_EQ(found->text(QAccessible::Name).toStdString(), accessibleName(*widget)) << where;
      const bool shown = announced(*widget);
      EXPECT_EQ(!found->state().invisible, shown) << where;
      named += shown ? 1 : 0;
      if (kind == WidgetKind::Image || kind == WidgetKind::Label) {
        // The pigeon, which the player clicks, is a button.
        QAccessible::Role role = QAccessible::StaticText;
        if (kind == WidgetKind::Image) {
          role = widget->name() == "Image1" && at == "Form2" ? QAccessible::Button
                                                             : QAccessible::Graphic;
        }
        EXPECT_EQ(found->role(), role) << where;
      }
    }
    EXPECT_GT(named, 0) << at;
  }
}

// Names as the player reads them as the windows open: the right words for the right widget.
// The menu's captions and the board's distance are pinned by the menu and board tests.
TEST_F(AccessibleNamesTest, OpeningWindowsReadAsThePlayerSeesThem) {
  openGames();
  expectSaid("Form1", {{"Option1", "Middle spec", 1}, {"Image1", "プール"}, {"Image2", "ソルネ"}});
  expectSaid("Form1", {{"Image3", "テヌリ"}, {"Image5", "赤い矢印"}, {"sorunehosi", "☆"}});
  expectSaid("Form2", {{"Image1", "ハト"}, {"Image4", "ヨミナ"}, {"Label3", "大阪→東京間"}});
  expectSaid("Form3", {{"Command1", "グー", 0}, {"Image2", "テヌリ"}, {"Image3", "ソルネ"}});
  expectSaid("Form5", {{"Command1", "さいころ"}, {"Image6", "ソルネ"}, {"Image2", "マス 1", 0}});
  // A text box is named by the label above it; its text is what it holds.
  expectSaid("Form4", {{"Text1", "マスコットアイコン", 0}, {"Text1", "四角いアイコン", 1}});
}

// Three dice thrown on the board: blank while they roll, then each face as it settles; the
// distance caption counts down as she walks, and a background picture describes the window.
TEST_F(AccessibleNamesTest, TheBoardsDiceAndDistanceAreNamedAsTheyChange) {
  openGames({"Command4"});
  // Throw A: 1, 2 and 参, no jackpot; throw B the same faces, so A is kept; every die settles.
  for (const float draw : {0.0F, 0.015F, 0.025F, 0.5F, 0.0F, 0.15F, 0.3F, 0.9F, 0.9F, 0.9F}) {
    program.random().queue(draw);
  }
  clickOn(native("Form5", "Command1"));
  const char* blank = "さいころ（無地）";
  expectSaid("Form5", {{"Image5", blank}, {"Image7", blank}, {"Image8", blank}});
  // A screen reader that starts only now finds the dice as they lie.
  QAccessible::setActive(false);
  advance(300);
  QAccessible::setActive(true);
  expectSaid("Form5",
             {{"Image5", "さいころ 1"}, {"Image7", "さいころ 2"}, {"Image8", "さいころ 参"}});
  advance(500);
  expectSaid("Form5", {{"Label3", "6"}});  // the steps to walk
  advance(2100);
  expectSaid("Form5", {{"Label2", "99"}});
  advance(500);
  expectSaid("Form5", {{"Label2", "94"}, {"Image5", "-"}});  // the dice cleared after the walk

  Window& board = program.window("Form5");
  QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(&view("Form5"));
  EXPECT_EQ(frame->text(QAccessible::Description), QString());
  board.setPicture(board.widget("hearts").picture());
  applyModelChanges();
  EXPECT_EQ(frame->text(QAccessible::Description), QStringLiteral("青空に大きなピンクのハート"));
}

// The pigeon's name lies over it, but a click on it still reaches the window: the distance,
// gone after 13 s of the journey, comes back, and with it its name. The keyboard reaches it
// too: Tab, then Space.
TEST_F(AccessibleNamesTest, ClicksPassThroughANamedPictureToTheWindow) {
  openGames({"Command3"});
  qt::FormView& journey = view("Form2");
  expose(journey);
  advance(16500);
  const Window& form2 = program.window("Form2");
  const Widget& distance = form2.widget("Label2");
  EXPECT_EQ(said("Form2", "Label2"), "-");
  ASSERT_EQ(said("Form2", "Image1"), "ハト");
  clickAt(journey, journey.accessibleStandIn(form2.widget("Image1"))->geometry().center());
  EXPECT_TRUE(distance.visible());
  EXPECT_EQ(said("Form2", "Label2"), distance.caption());

  advance(13000);
  ASSERT_FALSE(distance.visible());
  QWidget* pigeon = journey.accessibleStandIn(form2.widget("Image1"));
  for (int tab = 0; tab < 8 && journey.focusWidget() != pigeon; ++tab) key(journey, Qt::Key_Tab);
  ASSERT_EQ(journey.focusWidget(), pigeon);
  advance(100);  // frames come and go: the focus stays on the pigeon
  key(journey, Qt::Key_Space);
  EXPECT_TRUE(distance.visible());
}

}  // namespace
}  // namespace fm::testing
