#include <QClipboard>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>

#include "app/collection.h"
#include "tests/support/qt_test_support.h"

namespace fm::testing {
namespace {

using CollectionViewTest = QtCollectionTest;

TEST_F(CollectionViewTest, MenuOpensAloneAsAFixedWindowWithTheSharedIcon) {
  QWidget& menu = view("Form4");
  EXPECT_TRUE(menu.isVisible());
  EXPECT_EQ(menu.windowTitle(), QStringLiteral("ソルネ聖誕祭用ミニゲーム集"));
  EXPECT_EQ(menu.size(), QSize(349, 276));
  EXPECT_EQ(menu.minimumSize(), menu.maximumSize());
  const Qt::WindowFlags flags = menu.windowFlags();
  EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  const QImage icon = menu.windowIcon().pixmap(32, 32).toImage();
  ASSERT_FALSE(icon.isNull());
  EXPECT_GT(qAlpha(icon.pixel(16, 20)), 0);
  for (const char* game : {"Form1", "Form2", "Form3", "Form5"}) {
    EXPECT_FALSE(view(game).isVisible()) << game;
  }
  EXPECT_FALSE(host.tickTimerArmed()) << "the menu alone needs no wake-ups";
}

TEST_F(CollectionViewTest, MenuButtonsOpenEachGameBesideTheMenu) {
  struct Game {
    const char* button;
    const char* window;
    QString caption;
    QSize size;
  };
  const Game games[] = {
      {"Command1", "Form1", QStringLiteral("水泳勝負"), {577, 209}},
      {"Command2", "Form3", QStringLiteral("カードじゃんけん一本勝負"), {362, 419}},
      {"Command3", "Form2", QStringLiteral("大阪東京間鳩襲来伝説"), {585, 360}},
      {"Command4", "Form5", QStringLiteral("ネモネモからラビト（ちゃん）を救え"), {604, 361}},
  };
  QWidget& menu = view("Form4");
  expose(menu);
  for (const Game& game : games) {
    clickOn(native("Form4", game.button));
    QWidget& opened = view(game.window);
    EXPECT_TRUE(opened.isVisible()) << game.window;
    EXPECT_EQ(opened.windowTitle(), game.caption);
    EXPECT_EQ(opened.size(), game.size);
    EXPECT_EQ(opened.minimumSize(), opened.maximumSize());
  }
  EXPECT_TRUE(menu.isVisible());
  // The button of a game that is already open brings its window to the front.
  expose(menu);
  clickOn(native("Form4", "Command1"));
  EXPECT_TRUE(QTest::qWaitForWindowActive(&view("Form1")));
}

TEST_F(CollectionViewTest, TextUsesTheProportionalGothicFace) {
  EXPECT_EQ(QFontInfo(view("Form4").font()).family(), QStringLiteral("IPAPGothic"));
  EXPECT_EQ(QFontInfo(native("Form4", "Command1").font()).family(), QStringLiteral("IPAPGothic"));
  EXPECT_EQ(QFontInfo(native("Form4", "Command1").font()).pixelSize(), 12);  // 9 pt at 96 dpi
}

TEST_F(CollectionViewTest, MenuScreenshotShowsButtonsLabelsAndAddresses) {
  const QImage shot = view("Form4").grab().toImage();
  ASSERT_EQ(shot.size(), QSize(349, 276));
  // Captions are dark text inside each button, away from the button's border.
  for (const char* button : {"Command1", "Command2", "Command3", "Command4"}) {
    const QRect face = native("Form4", button).geometry().adjusted(4, 4, -4, -4);
    EXPECT_GT(darkPixels(shot, face), 20) << button;
  }
  // The two centred label captions, drawn on the window's own surface.
  EXPECT_GT(darkPixels(shot, QRect(24, 160, 305, 17)), 20);
  EXPECT_GT(darkPixels(shot, QRect(24, 208, 305, 17)), 20);
  EXPECT_EQ(darkPixels(shot, QRect(24, 160, 60, 17)), 0) << "the label caption is centred";
  // The text boxes: white fields holding the addresses.
  const QRect address = native("Form4", "Text1", 0).geometry();
  EXPECT_EQ(QColor(shot.pixel(address.right() - 4, address.center().y())), QColor(Qt::white));
  EXPECT_GT(darkPixels(shot, address.adjusted(2, 2, -2, -2)), 20);
  EXPECT_EQ(QColor(shot.pixel(2, 270)), QColor(240, 240, 240));
}

TEST_F(CollectionViewTest, AddressesCanBeSelectedAndCopied) {
  QWidget& menu = view("Form4");
  expose(menu);
  Widget& text = program.window("Form4").widget("Text1", 0);
  const std::string address = text.text();
  clickOn(native("Form4", "Text1", 0));
  EXPECT_EQ(program.window("Form4").activeControl(), &text);
  key(menu, Qt::Key_A, Qt::ControlModifier);
  key(menu, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), address);
}

TEST_F(CollectionViewTest, ClosingAGameUnloadsItAndClosingTheLastWindowEndsTheProgram) {
  expose(view("Form4"));
  clickOn(native("Form4", "Command1"));
  ASSERT_TRUE(view("Form1").isVisible());
  view("Form4").windowHandle()->close();
  EXPECT_FALSE(program.window("Form4").loaded());
  EXPECT_FALSE(view("Form4").isVisible());
  EXPECT_FALSE(program.ended());
  view("Form1").windowHandle()->close();
  EXPECT_FALSE(program.window("Form1").loaded());
  EXPECT_FALSE(view("Form1").isVisible());
  EXPECT_TRUE(program.ended());
}

}  // namespace
}  // namespace fm::testing
