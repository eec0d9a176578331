// Each rule the monkey checks catches the state it forbids: a rule that could never fail would
// let the monkey pass over the very faults it is there to find.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <variant>

#include "tests/support/session.h"
#include "tools/sim/invariants.h"

namespace fm::testing {
namespace {

std::int16_t& variableOf(Window& window, std::string_view name) {
  for (const Variables::Entry& entry : window.variables().entries()) {
    if (entry.name == name) return *std::get<std::int16_t*>(entry.target);
  }
  throw std::logic_error("no variable " + std::string(name));
}

// Every game open, and the race and the journey under way.
void openEveryGame(Session& session) {
  for (const char* button : {"Command1", "Command2", "Command3", "Command4"}) {
    session.click("Form4", button);
  }
  session.click("Form1", "Command3");
  session.wait(5000);
}

TEST(MonkeyRules, EachRuleCatchesTheStateItForbids) {
  const struct {
    const char* broken;
    std::function<void(Session&)> breakIt;
  } cases[] = {
      {"Form5.distance is 101, outside 0 to 100",
       [](Session& s) { variableOf(s.form("Form5"), "distance") = 101; }},
      {"Form2.nokori is -1, outside 0 to 556",
       [](Session& s) { variableOf(s.form("Form2"), "nokori") = -1; }},
      {"Form2.Label2 shows \"12.5\", not a count from 0 to 556",
       [](Session& s) { s.widget("Form2", "Label2").setCaption("12.5"); }},
      {"Form1.Label1 shows \"4\", not a count from 0 to 3",
       [](Session& s) { s.widget("Form1", "Label1").setCaption("4"); }},
      {"the race marker stands at 1730, off its grid",
       [](Session& s) { s.widget("Form1", "Image5").setLeft(1730); }},
      {"the race marker stands at 4760, off its grid",
       [](Session& s) { s.widget("Form1", "Image5").setLeft(4760); }},
      {"the race shows both WIN! and Lose..",
       [](Session& s) {
         for (const char* sign : {"Image7", "Image8"}) s.widget("Form1", sign).setVisible(true);
       }},
      {"the journey's feed is shown at neither",
       [](Session& s) {
         for (const char* feed : {"Image6", "Image7"}) s.widget("Form2", feed).setVisible(false);
       }},
      {"the duel has 2 step timers enabled",
       [](Session& s) {
         for (const char* timer : {"Timer1", "Timer19"}) s.widget("Form3", timer).setEnabled(true);
       }},
      {"track square 3 shows rescue/marker2 at distance 100",
       [](Session& s) {
         s.widget("Form5", "Image2", 3).setPicture(s.widget("Form5", "Image1", 2).picture());
       }},
      {"a button of the board is enabled during the defeat",
       [](Session& s) {
         Window& board = s.form("Form5");
         board.setBackColor(board.widget("Label4").backColor());
       }},
      {"no window is open but the program goes on",
       [](Session& s) {
         for (const auto& window : s.program.windows()) window->setVisible(false);
       }},
  };
  for (const auto& [broken, breakIt] : cases) {
    Session session;
    openEveryGame(session);
    const sim::Invariants rules(session.program);
    ASSERT_EQ(rules.check(true), std::nullopt) << "before: " << broken;
    breakIt(session);
    EXPECT_EQ(rules.check(true).value_or("nothing"), broken);
  }
}

TEST(MonkeyRules, TicksAndFreshWindows) {
  Session session;
  openEveryGame(session);
  const sim::Invariants rules(session.program);
  Window& race = session.form("Form1");
  Widget& hantei = race.widget("hantei");
  EXPECT_EQ(rules.checkFreshLoad(session.form("Form3")), std::nullopt);
  EXPECT_NE(rules.checkFreshLoad(race), std::nullopt) << "the race is under way";
  EXPECT_EQ(rules.checkTick(hantei), std::nullopt);

  hantei.timerState().running = true;
  EXPECT_EQ(rules.checkTick(hantei), "a tick of Form1.hantei while its last one runs");
  hantei.timerState().running = false;
  session.close("Form1");
  EXPECT_EQ(rules.checkTick(hantei), "a tick of Form1.hantei in an unloaded window");

  session.click("Form4", "Command1");
  EXPECT_EQ(rules.checkFreshLoad(race), std::nullopt) << "opened again, as laid out";
  variableOf(race, "armed") = 1;
  EXPECT_EQ(rules.checkFreshLoad(race), "Form1.armed starts at 1, not 0");
}

}  // namespace
}  // namespace fm::testing
