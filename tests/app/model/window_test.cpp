#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/model/pixels.h"
#include "tests/app/model/fixture.h"

namespace fm::testing {
namespace {

class Windows : public ModelTest {};

TEST_F(Windows, LoadingResetsWidgetsAndVariablesThenRaisesFormLoad) {
  int loads = 0;
  std::string captionSeenByLoad;
  other.onLoad = [&] {
    ++loads;
    captionSeenByLoad = other.Label1.caption();
    other.count = 7;
  };
  other.Load();
  other.Label1.setCaption("changed");
  other.Image2.setLeft(1234.5F);
  other.total = 99;
  other.words = "abc";
  other.cells[2] = 4;
  other.Load();  // already loaded: nothing happens
  EXPECT_EQ(loads, 1);
  EXPECT_EQ(other.Label1.caption(), "changed");

  other.Unload();
  other.Load();
  EXPECT_EQ(loads, 2);
  EXPECT_EQ(captionSeenByLoad, "0");
  EXPECT_EQ(other.Label1.caption(), "0");
  EXPECT_EQ(other.Image2.left(), 1000.0F);
  EXPECT_EQ(other.count, 7);
  EXPECT_EQ(other.total, 0);
  EXPECT_EQ(other.words, "");
  EXPECT_EQ(other.cells[2], 0);
}

TEST_F(Windows, MakingVisibleLoadsFirstAndUnloadHides) {
  EXPECT_FALSE(other.loaded());
  other.setVisible(true);
  EXPECT_TRUE(other.loaded());
  EXPECT_TRUE(other.visible());
  other.Unload();
  EXPECT_FALSE(other.loaded());
  EXPECT_FALSE(other.visible());
  other.Unload();  // not loaded: nothing happens
  EXPECT_FALSE(other.loaded());
}

TEST_F(Windows, ShowingAVisibleWindowAgainAsksForItToComeToTheFront) {
  window.clearChanges();
  EXPECT_FALSE(window.raiseRequested());
  window.setVisible(true);
  EXPECT_TRUE(window.raiseRequested());
  EXPECT_TRUE(window.frameChanged());
  window.clearChanges();
  EXPECT_FALSE(window.raiseRequested());
  other.setVisible(true);  // a window that opens comes up in front anyway
  EXPECT_FALSE(other.raiseRequested());
}

TEST_F(Windows, AnUnloadedOrHiddenWindowRefusesInput) {
  int clicks = 0;
  int keys = 0;
  other.onCommand1 = [&] { ++clicks; };
  other.onKey = [&](std::int16_t, std::int16_t) { ++keys; };
  program.click(other.Command1);
  program.keyDown(other, 37, 0);
  other.Load();  // loaded but not visible
  program.click(other.Command1);
  program.keyDown(other, 37, 0);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(keys, 0);
}

TEST_F(Windows, HiddenOrDisabledWidgetsCannotBeClicked) {
  int clicks = 0;
  window.onCommand1 = [&] { ++clicks; };
  window.onImage = [&] { ++clicks; };
  window.Command1.setVisible(false);
  program.click(window.Command1);
  window.Command1.setVisible(true);
  window.Command1.setEnabled(false);
  program.click(window.Command1);
  window.Image2.setVisible(false);
  program.click(window.Image2);
  EXPECT_EQ(clicks, 0);
  window.Image2.setVisible(true);
  program.click(window.Image2);
  EXPECT_EQ(clicks, 1);
}

TEST_F(Windows, OptionButtonsSelectExclusivelyAndAlwaysRaiseClick) {
  std::vector<int> clicked;
  window.onOption = [&](std::int16_t index) { clicked.push_back(index); };
  EXPECT_TRUE(window.Option1(0).value());
  program.click(window.Option1(0));  // already selected: the click is raised all the same
  program.click(window.Option1(1));
  EXPECT_FALSE(window.Option1(0).value());
  EXPECT_TRUE(window.Option1(1).value());
  EXPECT_EQ(clicked, (std::vector<int>{0, 1}));
}

TEST_F(Windows, BankPicturesAreCreatedAndCopiedPicturesResizeTheImage) {
  EXPECT_EQ(window.Image1(0).picture().name(), "test/face");
  EXPECT_EQ(window.Image1(0).width(), 150.0F);
  EXPECT_EQ(window.Image1(0).height(), 300.0F);
  EXPECT_TRUE(window.Image2.picture().empty());
  window.Image2.setPicture(window.Image1(0).picture());
  EXPECT_EQ(window.Image2.picture(), window.Image1(0).picture());
  EXPECT_EQ(window.Image2.width(), 150.0F);
  EXPECT_EQ(window.Image2.height(), 300.0F);
  EXPECT_EQ(window.Image2.left(), 1000.0F);
  // An empty picture blanks the image and keeps its size.
  window.Image2.setPicture({});
  EXPECT_TRUE(window.Image2.picture().empty());
  EXPECT_EQ(window.Image2.width(), 150.0F);
}

// What shows on a window, in every host: a painted widget counts while any of it overlaps the
// client area (6000 x 4000 twips); touching an edge is not enough. A picture counts at its
// natural size however small its Image was made.
TEST_F(Windows, APaintedWidgetLiesOnItsWindowWhileItOverlapsTheClientArea) {
  struct Place {
    float left, top;
    bool on;
  };
  for (const Place place :
       {Place{-1200, 120, false}, Place{-1199, 120, true}, Place{6000, 120, false},
        Place{5999, 120, true}, Place{120, -255, false}, Place{120, -254, true},
        Place{120, 4000, false}, Place{120, 3999, true}}) {
    window.Label1.setLeft(place.left);
    window.Label1.setTop(place.top);
    EXPECT_EQ(liesOnWindow(window.Label1), place.on) << place.left << ", " << place.top;
  }
  window.Image2.setPicture(window.Image1(0).picture());
  window.Image2.setLeft(-100);
  window.Image2.setWidth(0);
  EXPECT_TRUE(liesOnWindow(window.Image2));
  EXPECT_FALSE(liesOnWindow(window.Image1(0)));  // the bank beyond the right edge
  EXPECT_TRUE(liesOnWindow(window.widget("Line1")));
}

TEST_F(Windows, PositionsReadBackExactlyAsWritten) {
  window.Label1.setLeft(1592.5F);
  window.Label1.setLeft(window.Label1.left() + 0.1F);
  EXPECT_EQ(window.Label1.left(), 1592.5F + 0.1F);
}

TEST_F(Windows, ChangesAreRecordedOnceUntilTheScreenHasTakenThem) {
  window.clearChanges();
  window.Label1.setCaption("1");
  window.Label1.setLeft(10);
  window.Image2.setTop(5);
  EXPECT_EQ(window.changedWidgets().size(), 2U);
  window.clearChanges();
  EXPECT_TRUE(window.changedWidgets().empty());
  EXPECT_FALSE(window.hasChanges());
  // Moving the focus is a change too, even though no property changed.
  window.focus(window.Command2);
  EXPECT_TRUE(window.focusChanged());
  EXPECT_TRUE(window.hasChanges());
  window.clearChanges();
  window.focus(window.Command2);  // already there
  EXPECT_FALSE(window.hasChanges());
}

TEST_F(Windows, VariablesReadByName) {
  window.count = -3;
  window.total = 2000000;
  window.words = "ソルネ";
  window.cells[0] = 5;
  const Variables& variables = window.variables();
  EXPECT_EQ(variables.read("count", std::nullopt), "-3");
  EXPECT_EQ(variables.read("total", std::nullopt), "2000000");
  EXPECT_EQ(variables.read("words", std::nullopt), "ソルネ");
  EXPECT_EQ(variables.read("cells", 1), "5");  // the array starts at index 1
  EXPECT_EQ(variables.read("cells", 0), std::nullopt);
  EXPECT_EQ(variables.read("cells", 4), std::nullopt);
  EXPECT_EQ(variables.read("cells", std::nullopt), std::nullopt);
  EXPECT_EQ(variables.read("count", 1), std::nullopt);
  EXPECT_EQ(variables.read("nothing", std::nullopt), std::nullopt);
}

}  // namespace
}  // namespace fm::testing
