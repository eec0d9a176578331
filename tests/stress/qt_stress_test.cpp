// The whole collection under stress on the Qt host: several games played to their ends at
// once by scripted players, message boxes held open while the other windows run on, and
// windows closed at awkward moments. Nothing may crash, leak or make Qt warn.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/collection.h"
#include "tests/stress/scripted_run.h"
#include "tests/support/qt_test_support.h"

namespace fm::testing {
namespace {

enum class Play : std::uint8_t { absent, idle, keen };

// One session on virtual time (the games' own timelines run 15 to 50 s): who plays, the draw
// every Rnd returns, how boxes are answered, and what became of each window.
struct Session {
  const char* name;
  float draw;
  Play race;     // keen: strokes perfectly
  Play journey;  // keen: passes the feed whenever she hands it back
  bool duel;
  const char* board;    // the rescuer's plan, one letter per opening; empty: not opened
  bool menuClosed;      // once the games are open
  int boxHold;          // virtual ms
  int closeBoardAtBox;  // closes the board while this box (1 is the first) is open; 0 never
  int boxes;
  const char* raceStory;
  const char* journeyStory;
  const char* duelStory;
  const char* boardStory;
  const char* menuStory;
};

// A table row by its name, in the test's name and in messages.
template <class Row>
std::string rowName(const ::testing::TestParamInfo<Row>& param) {
  return param.param.name;
}
void PrintTo(const Session& session, std::ostream* out) {
  *out << session.name;
}

class PlayedTogether : public ScriptedRun, public ::testing::WithParamInterface<Session> {};

TEST_P(PlayedTogether, EachWindowEndsAsItsGameSays) {
  const Session& session = GetParam();
  drawAlways(session.draw);
  boxHold = session.boxHold;
  if (session.menuClosed) players.push_back(menuCloser());
  if (session.race != Play::absent) players.push_back(racer(session.race == Play::keen));
  if (session.journey != Play::absent) {
    players.push_back(traveller(session.journey == Play::keen));
  }
  if (session.duel) players.push_back(dueller());
  // Last: its click may open a box that holds the others' moves back.
  if (*session.board != '\0') players.push_back(rescuer(session.board));
  onBox = [&](QMessageBox& box) {
    if (boxTexts.size() != session.closeBoardAtBox) return;
    closeWindow("Form5");
    EXPECT_FALSE(box.isVisible()) << "the box goes with its window";
  };

  ASSERT_TRUE(play(200000)) << "still running at " << clock << " ms";
  EXPECT_EQ(story("Form1"), session.raceStory);
  EXPECT_EQ(story("Form2"), session.journeyStory);
  EXPECT_EQ(story("Form3"), session.duelStory);
  EXPECT_EQ(story("Form5"), session.boardStory);
  EXPECT_EQ(story("Form4"), session.menuStory);
  EXPECT_EQ(boxTexts.size(), session.boxes) << boxTexts.join(" / ").toStdString();
  // The screen agrees with the model, and no box is left behind.
  for (const auto& window : program.windows()) {
    EXPECT_EQ(view(window->name()).isVisible(), window->visible()) << window->name();
  }
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_FALSE(program.ended());
}

// Draws of 0.668 deal the duel a loss, throw the rescue board's jackpot (198 steps, onto the
// captor's square) and make the partner hand the feed back at once; 0.1 wins the duel, never
// hands the feed back and lets the rescue from the start succeed plainly; 0.45 brings the
// captor back after that rescue. A perfect racer always wins, an idle one always loses.
// Columns: name, draw, race, journey, duel, board, menu closed, box hold, box that closes the
// board, boxes seen; then the stories of the race, the journey, the duel, the board, the menu.
constexpr Session kAllFourAtOnce[] = {
    {"KeenPlayers", 0.668F, Play::keen, Play::keen, true, "t", false, 700, 0, 1,
     "won, back after 5000 ms", "won, back after 5000 ms", "lost, back after 5000 ms",
     "defeated, stays", ""},
    {"IdlePlayers", 0.1F, Play::idle, Play::idle, true, "r", false, 700, 0, 3,
     "lost, back after 5000 ms", "lost, back after 5000 ms", "won, back after 5000 ms",
     "rescued, back after 3000 ms", ""},
};
INSTANTIATE_TEST_SUITE_P(AllFourAtOnce, PlayedTogether, ::testing::ValuesIn(kAllFourAtOnce),
                         rowName<Session>);

// The first game to hand back brings the menu back, and the menu's return closes the race, the
// journey and the duel; the rescue board is left alone.
constexpr Session kMenuClosedWhileGamesRun[] = {
    {"DuelEndsFirst", 0.668F, Play::keen, Play::keen, true, "t", true, 700, 0, 1, "closed",
     "closed", "lost, back after 5000 ms", "defeated, stays", "closed; back with Form3"},
    {"BoardEndsFirst", 0.1F, Play::idle, Play::idle, true, "r", true, 700, 0, 3, "closed", "closed",
     "closed", "rescued, back after 3000 ms", "closed; back with Form5"},
    {"RaceEndsFirst", 0.668F, Play::keen, Play::keen, false, "", true, 0, 0, 0,
     "won, back after 5000 ms", "closed", "", "", "closed; back with Form1"},
    {"JourneyEndsBesideADefeatedBoard", 0.668F, Play::absent, Play::keen, false, "t", true, 0, 0, 1,
     "", "won, back after 5000 ms", "", "defeated, stays", "closed; back with Form2"},
    {"DuelEndsWhileTheBoardsBoxWaits", 0.1F, Play::idle, Play::absent, true, "r", true, 20000, 0, 3,
     "closed", "", "won, back after 5000 ms while a box waits", "rescued, back after 3000 ms",
     "closed; back with Form3"},
};
INSTANTIATE_TEST_SUITE_P(MenuClosedWhileGamesRun, PlayedTogether,
                         ::testing::ValuesIn(kMenuClosedWhileGamesRun), rowName<Session>);

// Windows unloaded from inside ticks: every game's own end timer, also while another window's
// box is open, and the board closed while a box of one of its ticks waits (the walk onto the
// captor's square, the captor's return), then opened afresh.
constexpr Session kClosedFromInsideTicks[] = {
    {"EndTimersFireWhileTheBoardsBoxesWait", 0.1F, Play::idle, Play::idle, true, "r", false, 40000,
     0, 3, "lost, back after 5000 ms while a box waits",
     "lost, back after 5000 ms while a box waits", "won, back after 5000 ms while a box waits",
     "rescued, back after 3000 ms", ""},
    {"BoardClosedInTheBoxOfItsWalk", 0.668F, Play::absent, Play::keen, false, "tr", false, 700, 1,
     4, "", "won, back after 5000 ms", "", "closed; rescued, back after 3000 ms", ""},
    {"BoardClosedInTheBoxOfTheCaptorsReturn", 0.45F, Play::absent, Play::absent, true, "r", false,
     700, 4, 4, "", "", "lost, back after 5000 ms", "rescued, closed", ""},
};
INSTANTIATE_TEST_SUITE_P(ClosedFromInsideTicks, PlayedTogether,
                         ::testing::ValuesIn(kClosedFromInsideTicks), rowName<Session>);

// The board's "救助" box waits while windows are closed, on the real clock: the box needs no
// wait on a game's timeline, and the race, the journey and the duel run on meanwhile.
struct Closing {
  const char* name;
  std::vector<const char*> windows;  // closed, in this order, while the box waits
  bool boxStays;                     // the box outlives the closes and is answered
  bool ends;                         // no window is left: the program quits
};

void PrintTo(const Closing& closing, std::ostream* out) {
  *out << closing.name;
}

class ClosedWhileTheBoardsBoxWaits : public ::testing::TestWithParam<Closing> {
 protected:
  ClosedWhileTheBoardsBoxWaits() {
    addCollection(program);
    program.start(firstWindow(program));
  }
  void TearDown() override {
    EXPECT_EQ(QtWarnings::seen(), "");
    QCoreApplication::removePostedEvents(QCoreApplication::instance(), QEvent::MetaCall);
  }
  QWidget& view(const char* name) { return host.view(program.window(name)); }
  QWidget& native(const char* window, const char* name, int index = -1) {
    return *host.view(program.window(window))
                .nativeWidget(program.window(window).widget(name, index));
  }

  QtWarnings warnings;
  Program program;
  qt::QtHost host{program};
  QTimer stop;
};

TEST_P(ClosedWhileTheBoardsBoxWaits, OnlyTheBoardTakesItsBoxAlong) {
  const Closing& closing = GetParam();
  int looks = 0;
  bool stayed = false;
  const BoxAnswerer answer([&](QMessageBox& box) {
    ++looks;
    for (const char* window : closing.windows) view(window).windowHandle()->close();
    stayed = box.isVisible();
    return stayed;
  });
  // Inside the application's own loop, so that the host's quit ends it as in the program;
  // otherwise the loop is left after 100 ms of ticks.
  stop.setSingleShot(true);
  QObject::connect(&stop, &QTimer::timeout, [] { QCoreApplication::exit(2); });
  // Qt owns and frees the queued call; the analyzer cannot see that.
  // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks)
  QMetaObject::invokeMethod(
      &stop,
      [&] {
        for (const char* button : {"Command1", "Command2", "Command3", "Command4"}) {
          clickOn(native("Form4", button));
        }
        clickOn(native("Form1", "Command3"));  // the race's countdown
        key(view("Form3"), Qt::Key_Space);     // the duel's steps
        program.random().queue(0.5F);          // a rescue that succeeds
        clickOn(native("Form5", "Command2"));
        stop.start(100);
      },
      Qt::QueuedConnection);
  EXPECT_EQ(QCoreApplication::exec(), closing.ends ? 0 : 2);

  EXPECT_EQ(looks, 1);
  EXPECT_EQ(stayed, closing.boxStays);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(program.ended(), closing.ends);
  for (const char* name : {"Form1", "Form2", "Form3", "Form4", "Form5"}) {
    const bool closed = std::find(closing.windows.begin(), closing.windows.end(),
                                  std::string_view(name)) != closing.windows.end();
    EXPECT_EQ(program.window(name).visible(), !closed) << name;
    EXPECT_EQ(view(name).isVisible(), !closed) << name;
  }
  // Once its box is answered the board goes on with the rescue; closed, it says nothing more.
  EXPECT_EQ(program.window("Form5").widget("Timer7").timerState().scheduled, closing.boxStays);
}

const Closing kClosings[] = {
    {"TheBoard", {"Form5"}, false, false},
    {"TheMenu", {"Form4"}, true, false},
    {"EveryOtherWindow", {"Form4", "Form1", "Form2", "Form3"}, true, false},
    {"EveryWindowTheBoardLast", {"Form4", "Form1", "Form2", "Form3", "Form5"}, false, true},
};
INSTANTIATE_TEST_SUITE_P(RealClock, ClosedWhileTheBoardsBoxWaits, ::testing::ValuesIn(kClosings),
                         rowName<Closing>);

}  // namespace
}  // namespace fm::testing
