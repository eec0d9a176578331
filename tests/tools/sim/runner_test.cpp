#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/support/test_windows.h"
#include "tests/tools/sim/scenario.h"

namespace fm::testing {
namespace {

using Lines = std::vector<std::string>;

Scenario shapes() {
  return Scenario(addShapesAndBoxes, "Shapes");
}
// Boxes is shown at start, so its two timers run from time 0.
Scenario boxes() {
  return Scenario(addShapesAndBoxes, "Boxes");
}

TEST(SimValues, WholeNumbersBooleansAndJapaneseText) {
  Scenario menu;
  EXPECT_EQ(menu.run("get Form4.Command1.Left\n"
                     "get Form4.BackColor\n"
                     "get Form4.Caption\n"
                     "get Form4.Label1(0).Caption\n"
                     "get Form4.Text1(1).TabIndex\n"
                     "get Form4.ClientWidth\n"
                     "get Form4.Visible\n"
                     "get Form1.Loaded\n"
                     "get Form4.ActiveControl\n"),
            (Lines{"120", "-2147483633", "ソルネ聖誕祭用ミニゲーム集", "マスコットアイコン", "7",
                   "5235", "true", "false", "Command1"}));
  EXPECT_EQ(menu.status, 0);
}

TEST(SimValues, FractionalPositionsPicturesAndVariables) {
  Scenario scenario(shapes());
  EXPECT_EQ(scenario.run("get Shapes.Image2.Picture\n"
                         "get Shapes.Image1(0).Picture\n"
                         "get Shapes.Image1(0).Width\n"
                         "get Shapes.Line1.BorderColor\n"
                         "get Shapes.Line1.X2\n"
                         "get Shapes.Option1(0).Value\n"),
            (Lines{"", "test/face", "150", "255", "300", "true"}));

  // Two Images showing the same picture print the same name.
  EXPECT_EQ(scenario.run("click Shapes.Command1\n"
                         "get Shapes.Image2.Left\n"
                         "get Shapes.Image2.Picture\n"
                         "get Shapes.Image1(1).Picture\n"
                         "get Shapes.Image2.Height\n"
                         "get Shapes.count\n"
                         "get Shapes.total\n"
                         "get Shapes.words\n"
                         "get Shapes.cells(3)\n"
                         "get Shapes.cells(1)\n"),
            (Lines{"1000.5", "test/face", "test/face", "300", "1", "70000", "ソルネ", "-7", "0"}));
}

TEST(SimValues, ActiveControlNamesArrayMembersWithTheirIndex) {
  Scenario scenario(shapes());
  EXPECT_EQ(scenario.run("get Shapes.ActiveControl\n"
                         "click Shapes.Option1(1)\n"
                         "get Shapes.ActiveControl\n"
                         "get Shapes.Option1(0).Value\n"
                         "get Shapes.total\n"),
            (Lines{"Command1", "Option1(1)", "false", "101"}));
}

TEST(SimResolution, WidgetsComeBeforeWindowPropertiesAndThoseBeforeVariables) {
  Scenario scenario(shapes());
  const Lines lines = scenario.run(
      "get Shapes.Caption\n"
      "get Shapes.Visible\n"
      "get Shapes.Picture.Caption\n"
      "get Shapes.Picture\n");
  ASSERT_EQ(lines.size(), 4U);
  EXPECT_EQ(lines[0], "図形");
  EXPECT_EQ(lines[1], "true");  // the window's Visible, not the variable of that name (0)
  EXPECT_EQ(lines[2], "名前が窓の属性と同じ");
  EXPECT_EQ(lines[3].rfind("error: Shapes.Picture is a widget", 0), 0U) << lines[3];
}

TEST(SimErrors, EachFailureIsOneLineSayingWhatWasWrong) {
  struct Case {
    const char* command;
    const char* start;
  };
  const Case cases[] = {
      {"get Form9.Caption", "error: unknown window Form9"},
      {"dump Nowhere", "error: unknown window Nowhere"},
      {"key Form9 37", "error: unknown window Form9"},
      {"get Shapes.Command9.Caption", "error: unknown widget Shapes.Command9"},
      {"get Shapes.Image1.Picture", "error: unknown widget Shapes.Image1 (a widget array"},
      {"get Shapes.Image1(5).Picture", "error: unknown widget Shapes.Image1(5)"},
      {"get Shapes.Image1(-1).Picture", "error: unknown widget Shapes.Image1(-1)"},
      {"click Shapes.Command1(0)", "error: unknown widget"},
      {"get Shapes.Label1.Value", "error: unknown property Shapes.Label1.Value"},
      {"get Shapes.TimerA.Left", "error: unknown property"},
      {"get Shapes.nothing", "error: unknown widget, property or variable Shapes.nothing"},
      {"get Shapes.cells", "error: unknown variable Shapes.cells"},
      {"get Shapes.cells(0)", "error: unknown variable Shapes.cells(0)"},
      {"get Shapes.cells(4)", "error: unknown variable Shapes.cells(4)"},
      {"get Shapes.count(1)", "error: unknown variable Shapes.count(1)"},
      {"get Boxes.Caption", "error: window not loaded: Boxes"},
      {"get Boxes.ticks", "error: window not loaded: Boxes"},
      {"get Boxes.Image1.Left", "error: window not loaded: Boxes"},
      {"key Boxes 37", "error: window not loaded: Boxes"},
      {"close Boxes", "error: window not loaded: Boxes"},
      {"wait 12x", "error: bad number \"12x\""},
      {"wait -5", "error: bad number \"-5\""},
      {"wait 99999999999999999999", "error: bad number"},
      {"wait 3600001", "error: bad number \"3600001\" (expected a whole number from 0 to 3600000)"},
      {"msgbox-delay -1", "error: bad number"},
      {"msgbox-delay 3600001", "error: bad number"},
      {"key Shapes x", "error: bad number"},
      {"key Shapes 32 99999", "error: bad number"},
      {"rnd 1", "error: bad number \"1\""},
      {"get Shapes.Label1(x).Caption", "error: bad number"},
      {"get Shapes..Caption", "error: bad address"},
      {"jump Form4", "error: unknown command jump"},
      {"GET Shapes.Caption", "error: unknown command GET"},
      {"wait", "error: wrong number of arguments (usage: wait MS)"},
      {"rnd", "error: wrong number of arguments"},
      {"close Shapes now", "error: wrong number of arguments"},
      {"click Shapes.Label1", "error: cannot click Shapes.Label1"},
      {"click Shapes.Text1", "error: cannot click"},
      {"click Shapes.Line1", "error: cannot click"},
      {"click Shapes.TimerA", "error: cannot click"},
      {"click Shapes.count", "error: cannot click"},
      {"click Shapes", "error: cannot click"},
      {"get Shapes", "error: Shapes is a window"},
  };
  for (const Case& failure : cases) {
    Scenario scenario(shapes());
    const Lines lines = scenario.run(std::string(failure.command) + "\necho still running\n");
    ASSERT_EQ(lines.size(), 2U) << failure.command;
    EXPECT_EQ(lines[0].rfind(failure.start, 0), 0U) << failure.command << " -> " << lines[0];
    EXPECT_EQ(lines[1], "still running") << failure.command;
    EXPECT_EQ(scenario.status, 1) << failure.command;
  }
}

TEST(SimErrors, RefusedCommandsChangeNothing) {
  Scenario scenario(boxes());
  // None of a line's draws is queued when one of them is out of range.
  EXPECT_EQ(scenario.run("rnd 0.25 0.5\n"
                         "click Boxes.Image1\n"
                         "click Boxes.Image1\n"
                         "rnd 0.1 2\n"
                         "rnd 0.75\n"
                         "click Boxes.Image1\n"
                         "wait 1x\n"
                         "get Boxes.ticks\n"),
            (Lines{"msgbox クリック 250", "msgbox クリック 500",
                   "error: bad number \"2\" (expected a value from 0 up to but not including 1)",
                   "msgbox クリック 750",
                   "error: bad number \"1x\" (expected a whole number from 0 to 3600000)", "0"}));
}

TEST(SimErrors, AHiddenWindowHasNoCloseBoxToClose) {
  Scenario scenario(
      [](Program& program) {
        addShapesAndBoxes(program);
        program.window("Boxes").Load();
      },
      "Shapes");
  EXPECT_EQ(scenario.run("close Boxes\n"
                         "get Boxes.Loaded\n"),
            (Lines{"error: window not visible: Boxes", "true"}));
}

TEST(SimClicks, HiddenDisabledOrClosedTargetsIgnoreTheClickWithoutError) {
  Scenario scenario(shapes());
  EXPECT_EQ(scenario.run("click Shapes.Command3\n"
                         "click Boxes.Image1\n"
                         "get Shapes.count\n"
                         "get Boxes.Loaded\n"),
            (Lines{"0", "false"}));
  EXPECT_EQ(scenario.status, 0);
}

TEST(SimKeys, AFocusedButtonTakesEnterAndSpaceOtherwiseTheWindowGetsTheKey) {
  Scenario scenario(shapes());
  EXPECT_EQ(scenario.run("key Shapes 13\n"
                         "key Shapes 32 1\n"
                         "key Shapes 37\n"
                         "get Shapes.count\n"),
            (Lines{"2"}));

  Scenario plain(boxes());
  EXPECT_EQ(plain.run("key Boxes 39 1\n"
                      "get Boxes.lastKey\n"
                      "get Boxes.lastShift\n"
                      "key Boxes 37\n"
                      "get Boxes.lastShift\n"),
            (Lines{"39", "1", "0"}));
}

TEST(SimTime, WaitDeliversTicksUpToAndIncludingItsEndWithBoxesInOrder) {
  Scenario scenario(boxes());
  EXPECT_EQ(
      scenario.run("wait 99\n"
                   "echo at 99\n"
                   "wait 1\n"
                   "echo at 100\n"
                   "wait 200\n"
                   "echo at 300\n"
                   "get Boxes.ticks\n"),
      (Lines{"at 99", "msgbox tick 1", "at 100", "msgbox two", "msgbox tick 2", "at 300", "2"}));
}

TEST(SimTime, TimersFallDueWhileADelayedBoxIsOpen) {
  Scenario scenario(boxes());
  // The click's box stays open 120 ms: Timer1 ticks at 100 and opens its own box, during
  // which Timer2 ticks at 150. Each box adds 120 ms, so the click's box closes at 270.
  EXPECT_EQ(scenario.run("rnd 0.5 0.125\n"
                         "msgbox-delay 120\n"
                         "click Boxes.Image1\n"
                         "get Boxes.closedAt\n"
                         "msgbox-delay 0\n"
                         "click Boxes.Image1\n"
                         "get Boxes.closedAt\n"),
            (Lines{"msgbox クリック 500", "msgbox tick 1", "msgbox two", "270",
                   "msgbox クリック 125", "270"}));
}

TEST(SimInput, LineEndsBlanksCommentsAndEcho) {
  Scenario scenario(shapes());
  EXPECT_EQ(scenario.run("echo hello, ソルネ\r\n"
                         "get Shapes.Caption\r\n"
                         "   get\tShapes.Caption   \n"
                         "# get Shapes.nothing\n"
                         "\n"
                         "  \t\r\n"
                         "echo\n"
                         "echo # not a comment\n"
                         "echo  indented"),
            (Lines{"hello, ソルネ", "図形", "図形", "", "# not a comment", " indented"}));
  EXPECT_EQ(scenario.status, 0);
}

// Keeps what had been written each time the stream was flushed.
class FlushRecorder : public std::stringbuf {
 public:
  std::vector<std::string> flushed;

 protected:
  int sync() override {
    flushed.push_back(str());
    return 0;
  }
};

TEST(SimInput, OutputIsFlushedAfterEveryCommandForADriverWaitingOnIt) {
  Program program;
  addShapesAndBoxes(program);
  HeadlessHost host(program);
  FlushRecorder buffer;
  std::ostream out(&buffer);
  sim::Runner runner(program, host, out);
  program.start(program.window("Shapes"));

  EXPECT_TRUE(runner.execute("echo one"));
  ASSERT_FALSE(buffer.flushed.empty());
  EXPECT_EQ(buffer.flushed.back(), "one\n");
  EXPECT_FALSE(runner.execute("get Shapes.nothing"));
  EXPECT_EQ(buffer.flushed.back().rfind("one\nerror: ", 0), 0U);
}

TEST(SimEnd, EndedAfterTheLastWindowClosesThenEveryCommandFails) {
  Scenario scenario;
  EXPECT_EQ(scenario.run("close Form4\n"), (Lines{"ended"}));
  EXPECT_EQ(scenario.status, 0);
  EXPECT_EQ(scenario.run("get Form4.Loaded\n"
                         "# comments stay quiet\n"
                         "\n"
                         "echo hello\n"
                         "jump\n"),
            (Lines{"error: the program has ended", "error: the program has ended",
                   "error: the program has ended"}));
  EXPECT_EQ(scenario.status, 1);
}

}  // namespace
}  // namespace fm::testing
