#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWindow>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/qt_test_support.h"

namespace fm::testing {

// The collection on the Qt host, played by scripted players on virtual time moved on through
// Qt's own event loop: whenever the loop (the test's, or a box's nested one) comes round with no
// tick due, the players take a turn, then the clock jumps to the host's next frame and its
// platform timer delivers the ticks due by then. The players look at every millisecond, so
// frames come every millisecond. Ticks, boxes and re-entries so take the program's own paths at
// exact virtual times, however slowly the build runs.
class ScriptedRun : public QtCollectionTest {
 public:
  // Takes its turn; true if it moved, so that it may move again at the same moment.
  using Player = std::function<bool()>;

  ScriptedRun() {
    host.setFrameInterval(1);
    pump_.setInterval(0);
    QObject::connect(&pump_, &QTimer::timeout, &pump_, [this] { step(); });
  }
  void TearDown() override {
    EXPECT_EQ(QtWarnings::seen(), "");
    QtCollectionTest::TearDown();
  }

  // Plays until nothing is left to happen (no timer, box or move), true, or until `limit`
  // virtual ms have passed, false. Gives up after 10 s of wall time.
  bool play(std::int64_t limit) {
    limit_ = clock + limit;
    wall_.start();
    pump_.start();
    loop_.exec();
    pump_.stop();
    return rested_;
  }

  // What became of a game window, opening after opening ("; "): the verdicts it showed, then
  // "back after N ms" if it handed back to the menu by itself N ms after its last verdict
  // (" while a box waits" if one did), "closed" if it was closed, "stays" while it is open.
  // For the menu, its comings and goings: "closed", "back with Form1".
  std::string story(const std::string& window) {
    watch();
    const std::string& told = stories_[window].told;
    if (window != "Form4" && program.window(window).loaded()) return told + "stays";
    return told.empty() ? "" : told.substr(0, told.size() - 2);  // without the last "; "
  }

  // Closes a window as its close box does.
  void closeWindow(const std::string& window) {
    stories_[window].closed = true;
    view(window).windowHandle()->close();
  }

  // --- scripted players, each opening its game from the menu on its first turn ---
  // The fastest pace and Start, then, if it strokes, a perfect stroke at each end of the bar.
  Player racer(bool strokes) {
    return [this, strokes, opened = false]() mutable {
      if (!opened) return opened = press("Form4", "Command1");
      // The paces go with Start.
      if (press("Form1", "Option1", 0)) return press("Form1", "Command3");
      const Window& race = program.window("Form1");
      const float marker = race.widget("Image5").left();
      return strokes && (marker == 4680 || marker == 1800) &&
             race.variables().read("armed", std::nullopt) == "1" &&
             type("Form1", marker == 4680 ? Qt::Key_Right : Qt::Key_Left);
    };
  }
  // Passes the feed with "１", "２", "３" whenever the buttons light up, if it passes at all.
  Player traveller(bool passes) {
    return [this, passes, opened = false]() mutable {
      if (!opened) return opened = press("Form4", "Command3");
      // The three buttons light up and go out together.
      return passes && press("Form2", "Command1") && press("Form2", "Command2") &&
             press("Form2", "Command3");
    };
  }
  // Space on "グー", which holds the focus, and "チョキ" when the rematch offers it.
  Player dueller() {
    return [this, opened = false]() mutable {
      if (!opened) return opened = press("Form4", "Command2");
      const bool choosing = program.window("Form3").widget("Command1", 0).visible();
      return choosing ? type("Form3", Qt::Key_Space) : press("Form3", "Command2");
    };
  }
  // Opens the board once per letter of `plan`: 't' throws the dice until the game is over, 'r'
  // tries the rescue at once.
  Player rescuer(std::string plan) {
    return [this, plan = std::move(plan), openings = std::size_t{0}]() mutable {
      if (program.window("Form5").loaded()) {
        return press("Form5", plan[openings - 1] == 't' ? "Command1" : "Command2");
      }
      if (openings == plan.size() || !press("Form4", "Command4")) return false;
      ++openings;
      return true;
    };
  }
  // Closes the menu on its second turn, once the games its fellow players open are open.
  Player menuCloser() {
    return [this, turns = 0]() mutable {
      if (++turns == 2) closeWindow("Form4");
      return turns == 2;
    };
  }

  std::vector<Player> players;  // each takes its turn in this order
  std::int64_t boxHold = 0;     // how long each box stays open before OK, in virtual ms
  int closeBoardAtBox = 0;      // the board is closed while this box is open
  QStringList boxTexts;

 private:
  struct Story {
    std::string told;  // each verdict ends ", ", each opening "; "
    std::int64_t verdictAt = 0;
    bool loaded = false;
    bool closed = false;  // by a player
  };

  // A click a player can make: a shown and enabled button of a shown window.
  bool press(const char* window, const char* button, int index = -1) {
    const Window& form = program.window(window);
    const Widget& pressed = form.widget(button, index);
    if (!form.visible() || !pressed.visible() || !pressed.enabled()) return false;
    clickOn(native(window, button, index));
    return true;
  }
  // A key pressed in a shown window.
  bool type(const char* window, Qt::Key code) {
    if (!program.window(window).visible()) return false;
    key(view(window), code);
    return true;
  }

  // The outcome a game window shows the player, empty while it shows none.
  static std::string verdictOf(const Window& game) {
    const auto shown = [&game](const char* name) { return game.widget(name).visible(); };
    const auto picture = [&game](const char* name, int index = -1) {
      return game.widget(name, index).picture().name();
    };
    if (game.name() == "Form1") return shown("Image7") ? "won" : shown("Image8") ? "lost" : "";
    if (game.name() == "Form2") return shown("Image8") ? "won" : shown("Image9") ? "lost" : "";
    if (game.name() == "Form3") {
      if (picture("Image6") == picture("syoubuyo", 0)) return "won";
      return picture("Image6") == picture("syoubuyo", 1) ? "lost" : "";
    }
    if (game.picture().name() == picture("Image3")) return "defeated";
    return shown("Image9") ? "rescued" : "";
  }

  // Notes what changed on screen since the last look.
  void watch() {
    const bool menuShown = program.window("Form4").visible();
    std::string handedBack;
    for (const auto& owned : program.windows()) {
      if (owned->name() == "Form4") continue;
      Story& story = stories_[std::string(owned->name())];
      // No verdict ends another, so a story ending with this one has already told it.
      const std::string verdict = owned->loaded() ? verdictOf(*owned) : "";
      if (!verdict.empty() && !story.told.ends_with(verdict + ", ")) {
        story.told += verdict + ", ";
        story.verdictAt = clock;
      }
      if (story.loaded && !owned->loaded()) {
        const bool closed = std::exchange(story.closed, false);
        const bool back = menuShown && !closed && story.told.ends_with(", ");
        const bool boxUp = QApplication::activeModalWidget() != nullptr || !box_.isNull();
        if (back) handedBack = owned->name();
        story.told += back ? "back after " + std::to_string(clock - story.verdictAt) + " ms" +
                                 (boxUp ? " while a box waits; " : "; ")
                           : "closed; ";
      }
      story.loaded = owned->loaded();
    }
    if (menuShown != menuShown_) {
      stories_["Form4"].told += menuShown ? "back with " + handedBack + "; " : "closed; ";
      menuShown_ = menuShown;
    }
  }

  void finish(bool rested) {
    rested_ = rested;
    loop_.quit();
  }

  // One look round the event loop: ticks first, then the open box, the players, and the clock.
  void step() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!loop_.isRunning()) {  // played out: the boxes still open end their nested loops
      if (box != nullptr) box->done(0);
      return;
    }
    if (wall_.elapsed() > 10000) {
      ADD_FAILURE() << "still playing at " << clock << " ms after 10 s of wall time";
      return finish(false);
    }
    // A turn posted or under way, a box answered and not yet deleted, or a tick due (the
    // platform timer delivers it): its own time comes.
    const auto due = program.nextBusyDue();
    if ((box == nullptr && (turns_ > 0 || !box_.isNull())) || (due && *due <= clock)) return;
    watch();
    if (box != nullptr && box != box_) {
      box_ = box;
      boxDue_ = clock + boxHold;
      boxTexts << box->text();
      if (boxTexts.size() == closeBoardAtBox) {
        closeWindow("Form5");
        EXPECT_FALSE(box->isVisible()) << "the box goes with its window";
      }
    } else if (box != nullptr && clock >= boxDue_) {
      clickOn(*box->button(QMessageBox::Ok));
    } else if (box == nullptr && playedAt_ != clock) {
      playedAt_ = clock;
      ++turns_;
      // Queued: a move may open a box whose nested loop must see this pump run on.
      QMetaObject::invokeMethod(
          &pump_, [this] { turn(); }, Qt::QueuedConnection);
    } else {
      std::optional<std::int64_t> next = host.nextWake();
      if (box != nullptr && (!next || boxDue_ < *next)) next = boxDue_;
      if (!next || *next > limit_) return finish(!next);
      clock = *next;
      // The time the platform timer waits for has come; a timer never armed stays silent.
      if (host.tickTimerArmed()) host.timersChanged();
    }
  }

  // Each move returns once any box it opened is gone.
  void turn() {
    bool moved = false;
    for (const Player& player : players) {
      if (!program.ended()) moved = player() || moved;
    }
    if (moved) playedAt_.reset();  // another turn at the same moment
    --turns_;
  }

  QTimer pump_;
  QEventLoop loop_;
  QElapsedTimer wall_;
  std::int64_t limit_ = 0;
  bool rested_ = false;
  int turns_ = 0;  // posted or under way, perhaps waiting in a box one of its moves opened
  std::optional<std::int64_t> playedAt_;
  QPointer<QMessageBox> box_;
  std::int64_t boxDue_ = 0;  // when the open box is answered
  std::map<std::string, Story> stories_;
  bool menuShown_ = true;
  QtWarnings warnings_;
};

}  // namespace fm::testing
