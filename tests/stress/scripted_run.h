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
#include <set>
#include <string>
#include <vector>

#include "tests/support/qt_test_support.h"

namespace fm::testing {

// The collection on the Qt host, played by scripted players on virtual time that moves through
// Qt's own event loop. The games' own timelines (15 to 50 s) are far longer than a test may wait
// on the real clock, so whenever the loop comes round (the test's, or the nested loop of a
// message box) with no tick due, the players take a turn; then the clock jumps to the next due
// tick and the host's platform timer delivers it. Every tick, box and re-entry so takes the path
// it takes in the real program, at exact virtual times, however slowly the build runs.
class ScriptedRun : public QtCollectionTest {
 public:
  // Takes its turn; true if it made a move, so that it may make another at the same moment.
  using Player = std::function<bool()>;

  ScriptedRun() {
    pump_.setInterval(0);
    QObject::connect(&pump_, &QTimer::timeout, &pump_, [this] { step(); });
  }
  void TearDown() override {
    EXPECT_EQ(QtWarnings::seen(), "");
    QtCollectionTest::TearDown();
  }

  // Every draw of Rnd from now on returns `value`, whichever window draws it.
  void drawAlways(float value) {
    for (int draw = 0; draw < 5000; ++draw) program.random().queue(value);
  }

  // Plays until nothing is left to happen (no timer, no box, no move) or `limit` virtual ms
  // have passed; true if the collection came to rest. Gives up after 10 s of wall time.
  bool play(std::int64_t limit) {
    limit_ = clock + limit;
    rested_ = finished_ = false;
    wall_.start();
    QEventLoop loop;
    loop_ = &loop;
    pump_.start();
    loop.exec();
    pump_.stop();
    watch();
    return rested_;
  }

  // What became of a game window, one opening after the other ("; "): the verdicts it showed,
  // then "back after N ms" when it handed back to the menu by itself N ms after its last
  // verdict (" while a box waits" if one did), "closed" when it was closed, "stays" while it is
  // still open. For the menu, its comings and goings: "closed", "back with Form1".
  std::string story(const std::string& window) {
    watch();
    std::string told = stories_[window].told;
    if (window != "Form4" && program.window(window).loaded()) {
      return told + said(stories_[window].verdicts) + "stays";
    }
    return told.empty() ? told : told.substr(0, told.size() - 2);
  }

  // Closes a window as its close box does.
  void closeWindow(const std::string& window) {
    closedByPlayer_.insert(window);
    view(window).windowHandle()->close();
  }

  // --- scripted players, each opening its game from the menu ---
  // The fastest pace and Start, then, if it strokes, a perfect stroke at each end of the bar.
  Player racer(bool strokes) {
    return [this, strokes, opened = false]() mutable {
      if (!opened) return opened = openFromMenu("Command1");
      const Window& race = program.window("Form1");
      if (!race.visible()) return false;
      if (race.widget("Command3").enabled()) {
        clickOn(native("Form1", "Option1", 0));
        clickOn(native("Form1", "Command3"));
        return true;
      }
      if (!strokes || race.variables().read("armed", std::nullopt) != "1") return false;
      const float marker = race.widget("Image5").left();
      if (marker != 4680 && marker != 1800) return false;
      key(view("Form1"), marker == 4680 ? Qt::Key_Right : Qt::Key_Left);
      return true;
    };
  }
  // Passes the feed with "１", "２", "３" whenever the buttons light up, if it passes at all.
  Player traveller(bool passes) {
    return [this, passes, opened = false]() mutable {
      if (!opened) return opened = openFromMenu("Command3");
      const Widget& first = program.window("Form2").widget("Command1");
      if (!passes || !program.window("Form2").visible() || !first.visible() || !first.enabled()) {
        return false;
      }
      for (const char* button : {"Command1", "Command2", "Command3"}) {
        clickOn(native("Form2", button));
      }
      return true;
    };
  }
  // Space on "グー", which holds the focus, and "チョキ" when the rematch offers it.
  Player dueller() {
    return [this, opened = false]() mutable {
      if (!opened) return opened = openFromMenu("Command2");
      const Window& duel = program.window("Form3");
      if (!duel.visible()) return false;
      if (duel.widget("Command1", 0).visible()) {
        key(view("Form3"), Qt::Key_Space);
        return true;
      }
      if (!duel.widget("Command2").visible()) return false;
      clickOn(native("Form3", "Command2"));
      return true;
    };
  }
  // Opens the board once per letter of `plan`: 't' throws the dice until the game is over, 'r'
  // tries the rescue at once.
  Player rescuer(std::string plan) {
    return [this, plan = std::move(plan), openings = std::size_t{0}]() mutable {
      const Window& board = program.window("Form5");
      if (!board.loaded()) {
        if (openings == plan.size() || !openFromMenu("Command4")) return false;
        ++openings;
        return true;
      }
      const char* button = plan[openings - 1] == 't' ? "Command1" : "Command2";
      const Widget& pressed = board.widget(button);
      if (!board.visible() || !pressed.visible() || !pressed.enabled()) return false;
      clickOn(native("Form5", button));
      return true;
    };
  }
  // Closes the menu on its second turn, once the games its fellow players open are open.
  Player menuCloser() {
    return [this, turns = 0]() mutable {
      if (++turns != 2) return false;
      closeWindow("Form4");
      return true;
    };
  }

  std::vector<Player> players;              // each takes its turn in this order
  std::int64_t boxHold = 0;                 // how long each box stays open before OK, in virtual ms
  std::function<void(QMessageBox&)> onBox;  // a look at each box as it opens
  QStringList boxTexts;

 private:
  struct Story {
    std::string told;
    std::vector<std::string> verdicts;
    std::int64_t verdictAt = 0;
    bool loaded = false;
  };

  bool openFromMenu(const char* button) {
    if (!program.window("Form4").visible()) return false;
    clickOn(native("Form4", button));
    return true;
  }

  static std::string said(const std::vector<std::string>& verdicts) {
    std::string text;
    for (const std::string& verdict : verdicts) text += verdict + ", ";
    return text;
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
      const std::string name(owned->name());
      if (name == "Form4") continue;
      Story& story = stories_[name];
      if (owned->loaded()) {
        const std::string verdict = verdictOf(*owned);
        if (!verdict.empty() && (story.verdicts.empty() || story.verdicts.back() != verdict)) {
          story.verdicts.push_back(verdict);
          story.verdictAt = clock;
        }
      } else if (story.loaded) {
        const bool closed = closedByPlayer_.erase(name) > 0;
        const bool back = !story.verdicts.empty() && menuShown && !closed;
        std::string fate = "closed";
        if (back) fate = "back after " + std::to_string(clock - story.verdictAt) + " ms";
        if (back && boxUp()) fate += " while a box waits";
        story.told += said(story.verdicts) + fate + "; ";
        if (back) handedBack = name;
        story.verdicts.clear();
      }
      story.loaded = owned->loaded();
    }
    if (menuShown != menuShown_) {
      stories_["Form4"].told += menuShown ? "back with " + handedBack + "; " : "closed; ";
      menuShown_ = menuShown;
    }
  }

  // A box is on screen, or answered and not yet deleted by the host.
  bool boxUp() const { return QApplication::activeModalWidget() != nullptr || !box_.isNull(); }

  void finish() {
    finished_ = true;
    loop_->quit();
  }

  // One look round the event loop: ticks first, then the open box, the players, and the clock.
  void step() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (finished_) {
      if (box != nullptr) box->done(0);
      return;
    }
    if (wall_.elapsed() > 10000) {
      ADD_FAILURE() << "still playing at " << clock << " ms after 10 s of wall time";
      finish();
      return;
    }
    // A turn waiting to begin or under way, or a box answered but not yet deleted: its own time
    // comes.
    if (turnPosted_ || (box == nullptr && (turns_ > 0 || !box_.isNull()))) return;
    const auto due = program.nextDue();
    if (due && *due <= clock) return;  // the platform timer delivers it
    watch();
    if (box != nullptr && box != box_) {
      box_ = box;
      boxOpenedAt_ = clock;
      boxTexts << box->text();
      if (onBox) onBox(*box);
      return;
    }
    if (box != nullptr && clock >= boxOpenedAt_ + boxHold) {
      clickOn(*box->button(QMessageBox::Ok));
      return;
    }
    if (box == nullptr && (playedAt_ != clock || moved_)) {
      playedAt_ = clock;
      turnPosted_ = true;
      // A player's click may open a box whose nested loop must see this pump run on.
      QMetaObject::invokeMethod(
          &pump_, [this] { turn(); }, Qt::QueuedConnection);
      return;
    }
    std::optional<std::int64_t> next = due;
    if (box != nullptr && (!next || boxOpenedAt_ + boxHold < *next)) next = boxOpenedAt_ + boxHold;
    if (!next || *next > limit_) {
      rested_ = !next;
      finish();
      return;
    }
    clock = *next;
    // The time the platform timer was waiting for has come; a timer the host never armed stays
    // silent, as it would in the program.
    if (host.tickTimerArmed()) host.timersChanged();
  }

  void turn() {
    turnPosted_ = false;
    ++turns_;
    moved_ = false;
    // Each move returns once any box it opened is gone.
    for (const Player& player : players) {
      if (program.ended()) break;
      moved_ = player() || moved_;
    }
    --turns_;
  }

  QTimer pump_;
  QEventLoop* loop_ = nullptr;
  QElapsedTimer wall_;
  std::int64_t limit_ = 0;
  bool rested_ = false;
  bool finished_ = false;
  bool turnPosted_ = false;
  int turns_ = 0;  // under way, perhaps waiting in a box one of its moves opened
  std::optional<std::int64_t> playedAt_;
  bool moved_ = false;  // in the last turn
  QPointer<QMessageBox> box_;
  std::int64_t boxOpenedAt_ = 0;
  std::map<std::string, Story> stories_;
  std::set<std::string> closedByPlayer_;
  bool menuShown_ = true;
  QtWarnings warnings_;
};

}  // namespace fm::testing
