// The arrow-key strokes and their grading, the timing marker and the computer swimmer.

#include "app/model/conversions.h"
#include "games/swim/form1.h"

namespace fm {
namespace {

// The marker's stops along the bar, 80 twips apart.
constexpr float kBarLeftEnd = 1800;
constexpr float kBarCentre = 3240;
constexpr float kBarRightEnd = 4680;
constexpr float kMarkerStep = 80;

constexpr std::int16_t kPoor = 6;

}  // namespace

void Form1::Form_KeyDown(std::int16_t KeyCode, std::int16_t /*Shift*/) {
  // Locked after each stroke until the marker is back at the centre; this also swallows the
  // repeats of a held key. Other keys leave the lock as it is.
  if (armed != 1) return;
  if (KeyCode == kLeftArrow) {
    StrokeLeft();
  } else if (KeyCode == kRightArrow) {
    StrokeRight();
  }
}

// Each key measures the distance, in marker steps, from its own end of the bar.
void Form1::StrokeLeft() {
  armed = 0;
  grade = toInteger((static_cast<double>(Image5.left()) - kBarLeftEnd) / kMarkerStep);
  JudgeStroke();
}

void Form1::StrokeRight() {
  armed = 0;
  grade = toInteger((kBarRightEnd - static_cast<double>(Image5.left())) / kMarkerStep);
  JudgeStroke();
}

void Form1::JudgeStroke() {
  if (grade < 0) grade = 0;
  if (grade > 4 && grade < 8) grade = 5;
  if (grade >= 8) grade = kPoor;
  if (grade < kPoor) {
    const auto advance = static_cast<std::int16_t>((6 - grade) * 20);
    sorunehosi.setLeft(sorunehosi.left() + static_cast<float>(advance));
  }
  seimes.setCaption(kotoba(grade).caption());
  if (grade == kPoor) StartPenalty();
  // After every stroke the marker heads left: one still approaching the right end turns back
  // at once, one at the left end dips a step past it before coming back.
  direction = 2;
}

void Form1::StartPenalty() {
  Timer2.setEnabled(false);  // the marker stands still for a second
  Image6.setVisible(true);
  Timer3.setEnabled(true);
}

void Form1::Timer3_Timer() {
  Timer2.setEnabled(true);
  Image6.setVisible(false);
  Timer3.setEnabled(false);
}

void Form1::Timer2_Timer() {
  // Every tick that begins at the centre arms the keys for the next stroke.
  if (Image5.left() == kBarCentre) armed = 1;
  if (direction == 1) {
    Image5.setLeft(Image5.left() + kMarkerStep);
  } else {
    Image5.setLeft(Image5.left() - kMarkerStep);
  }
  // The marker turns only once it has reached an end, so it rests there for one tick.
  if (Image5.left() >= kBarRightEnd) {
    direction = 2;
  } else if (Image5.left() <= kBarLeftEnd) {
    direction = 1;
  }
}

void Form1::tenuriswim_Timer() {
  static_cast<void>(Rnd());  // the first draw of each stroke is thrown away
  const float r = Rnd();
  tenurihosi.setLeft(tenurihosi.left() + r * 5 + 30);
}

}  // namespace fm
