// What a screen reader finds in each window: every widget shown on it named after its caption
// or what its picture shows, nothing for lines, timers and what lies off the window, and the
// names following the game as cards turn, dice settle and captions change.

#include <QAccessible>
#include <QString>
#include <cstdint>
#include <string>

#include "tests/support/qt_test_support.h"

namespace fm::testing {
namespace {

QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class AccessibleNamesTest : public QtCollectionTest {
 protected:
  // Opens every game from the menu, as the player does.
  void openAllGames() {
    expose(view("Form4"));
    for (const char* button : {"Command1", "Command2", "Command3", "Command4"}) {
      clickOn(native("Form4", button));
    }
  }
  void openGame(const char* button) {
    expose(view("Form4"));
    clickOn(native("Form4", button));
  }

  Widget& widget(std::string_view windowName, std::string_view name, int index = -1) {
    return program.window(windowName).widget(name, index);
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
  QString said(std::string_view windowName, std::string_view name, int index = -1) {
    QAccessibleInterface* found = accessible(widget(windowName, name, index));
    if (found == nullptr || found->state().invisible) return QStringLiteral("-");
    return found->text(QAccessible::Name);
  }
};

// Lies at least partly inside its window's client area.
bool onTheWindow(const Widget& widget) {
  const Window& window = widget.window();
  return widget.left() < static_cast<float>(window.clientWidth()) &&
         widget.top() < static_cast<float>(window.clientHeight()) &&
         widget.left() + widget.width() > 0 && widget.top() + widget.height() > 0;
}

TEST_F(AccessibleNamesTest, EveryShownWidgetOfEveryOpenWindowIsNamedAndNothingElse) {
  openAllGames();
  for (const auto& window : program.windows()) {
    const std::string at(window->name());
    qt::FormView& screen = view(window->name());
    ASSERT_TRUE(screen.isVisible()) << at;
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(&screen);
    EXPECT_EQ(frame->role(), QAccessible::Window) << at;
    EXPECT_EQ(frame->text(QAccessible::Name), toQString(window->caption())) << at;
    int named = 0;
    for (const auto& widget : window->widgets()) {
      const std::string where = at + "." + widget->displayName();
      QAccessibleInterface* found = accessible(*widget);
      if (widget->kind() == WidgetKind::Line || widget->kind() == WidgetKind::Timer) {
        EXPECT_EQ(found, nullptr) << where;
        EXPECT_EQ(screen.findChild<QWidget*>(toQString(widget->displayName())), nullptr) << where;
        continue;
      }
      ASSERT_NE(found, nullptr) << where;
      const QString name =
          toQString(widget->kind() == WidgetKind::Image ? widget->picture().description()
                                                        : std::string_view(widget->caption()));
      EXPECT_EQ(found->text(QAccessible::Name), name) << where;
      const bool shown = widget->visible() && onTheWindow(*widget) && !name.isEmpty();
      EXPECT_EQ(!found->state().invisible, shown) << where;
      named += shown ? 1 : 0;
      if (widget->kind() == WidgetKind::Image || widget->kind() == WidgetKind::Label) {
        EXPECT_EQ(found->role(), widget->kind() == WidgetKind::Image ? QAccessible::Graphic
                                                                     : QAccessible::StaticText)
            << where;
      }
    }
    EXPECT_GT(named, 0) << at;
  }
}

// Names as the player reads them as the windows open: the right words for the right widget.
TEST_F(AccessibleNamesTest, OpeningWindowsReadAsThePlayerSeesThem) {
  struct Expected {
    const char* window;
    const char* widget;
    int index;
    QString said;
  };
  const Expected expected[] = {
      {"Form4", "Command1", -1, QStringLiteral("水泳")},
      {"Form4", "Label1", 0, QStringLiteral("マスコットアイコン")},
      {"Form4", "Text1", 0, QStringLiteral("https://example.org/sorune/mascot-icon")},
      {"Form1", "Option1", 1, QStringLiteral("Middle spec")},
      {"Form1", "Image1", -1, QStringLiteral("プール")},
      {"Form1", "Image2", -1, QStringLiteral("ソルネ")},
      {"Form1", "Image3", -1, QStringLiteral("テヌリ")},
      {"Form1", "Image5", -1, QStringLiteral("赤い矢印")},
      {"Form1", "sorunehosi", -1, QStringLiteral("☆")},
      {"Form2", "Image1", -1, QStringLiteral("ハト")},
      {"Form2", "Image4", -1, QStringLiteral("ヨミナ")},
      {"Form2", "Label3", -1, QStringLiteral("大阪→東京間")},
      {"Form3", "Command1", 0, QStringLiteral("グー")},
      {"Form3", "Image2", -1, QStringLiteral("テヌリ")},
      {"Form3", "Image3", -1, QStringLiteral("ソルネ")},
      {"Form5", "Command1", -1, QStringLiteral("さいころ")},
      {"Form5", "Label2", -1, QStringLiteral("100")},
      {"Form5", "Image6", -1, QStringLiteral("ソルネ")},
      {"Form5", "Image2", 0, QStringLiteral("マス 1")},
  };
  openAllGames();
  for (const Expected& row : expected) {
    EXPECT_EQ(said(row.window, row.widget, row.index), row.said)
        << row.window << "." << widget(row.window, row.widget, row.index).displayName();
  }
}

// Three dice thrown on the board: blank while they roll, then each face as it settles; the
// distance caption counts down as she walks, and a background picture describes the window.
TEST_F(AccessibleNamesTest, TheBoardsDiceAndDistanceAreNamedAsTheyChange) {
  openGame("Command4");
  // Throw A: 1, 2 and 参, no jackpot; throw B the same faces, so A is kept; every die settles.
  for (const float draw : {0.0F, 0.015F, 0.025F, 0.5F, 0.0F, 0.15F, 0.3F, 0.9F, 0.9F, 0.9F}) {
    program.random().queue(draw);
  }
  clickOn(native("Form5", "Command1"));
  for (const char* slot : {"Image5", "Image7", "Image8"}) {
    EXPECT_EQ(said("Form5", slot), QStringLiteral("さいころ（無地）")) << slot;
  }
  advance(300);
  EXPECT_EQ(said("Form5", "Image5"), QStringLiteral("さいころ 1"));
  EXPECT_EQ(said("Form5", "Image7"), QStringLiteral("さいころ 2"));
  EXPECT_EQ(said("Form5", "Image8"), QStringLiteral("さいころ 参"));
  advance(500);
  EXPECT_EQ(said("Form5", "Label3"), QStringLiteral("6")) << "the steps to walk";
  advance(2100);
  EXPECT_EQ(said("Form5", "Label2"), QStringLiteral("99"));
  advance(500);
  EXPECT_EQ(said("Form5", "Label2"), QStringLiteral("94"));
  EXPECT_EQ(said("Form5", "Image5"), QStringLiteral("-")) << "the dice are cleared after the walk";

  Window& board = program.window("Form5");
  QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(&view("Form5"));
  EXPECT_EQ(frame->text(QAccessible::Description), QString());
  board.setPicture(board.widget("hearts").picture());
  applyModelChanges();
  EXPECT_EQ(frame->text(QAccessible::Description), QStringLiteral("青空に大きなピンクのハート"));
}

// The pigeon's name lies over it, but a click on it still reaches the window: the distance,
// gone after 13 s of the journey, comes back, and with it its name.
TEST_F(AccessibleNamesTest, ClicksPassThroughANamedPictureToTheWindow) {
  openGame("Command3");
  qt::FormView& journey = view("Form2");
  expose(journey);
  advance(16500);
  EXPECT_EQ(said("Form2", "Label2"), QStringLiteral("-"));
  const Widget& pigeon = widget("Form2", "Image1");
  ASSERT_EQ(said("Form2", "Image1"), QStringLiteral("ハト"));
  const QRect area = journey.accessibleStandIn(pigeon)->geometry();
  clickAt(journey, area.center());
  EXPECT_TRUE(widget("Form2", "Label2").visible());
  EXPECT_EQ(said("Form2", "Label2"), toQString(widget("Form2", "Label2").caption()));
}

}  // namespace
}  // namespace fm::testing
