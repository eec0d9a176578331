#include "app/model/colours.h"
#include "games/rescue/form5.h"
#include "games/rescue/form5_pictures.h"

namespace fm {

std::span<const LayoutRow> Form5::layout() {
  using enum WidgetKind;
  using rescue::kFaces;
  using rescue::kMarkers;
  // One row per widget, front to back, kept one to a line so that it reads like a table. Every
  // widget from Top 5520 on lies below the client area: banks of pictures and colours.
  // clang-format off
  static const LayoutRow rows[] = {
      {"Timer10", Timer, -1, {}, {.enabled = false, .interval = 3000}, on(&Form5::Timer10_Timer)},
      {"Timer9", Timer, -1, {}, {.enabled = false, .interval = 2000}, on(&Form5::Timer9_Timer)},
      {"Timer8", Timer, -1, {}, {.enabled = false, .interval = 3000}, on(&Form5::Timer8_Timer)},
      {"Timer7", Timer, -1, {}, {.enabled = false, .interval = 3000}, on(&Form5::Timer7_Timer)},
      {"owaritimer", Timer, -1, {},
         {.enabled = false, .interval = 3000}, on(&Form5::owaritimer_Timer)},
      {"Timer6", Timer, -1, {}, {.enabled = false, .interval = 2000}, on(&Form5::Timer6_Timer)},
      {"nokoriherasi", Timer, -1, {},
         {.enabled = false, .interval = 100}, on(&Form5::nokoriherasi_Timer)},
      {"Timer5", Timer, -1, {}, {.enabled = false, .interval = 2000}, on(&Form5::Timer5_Timer)},
      {"Timer4", Timer, -1, {}, {.enabled = false, .interval = 500}, on(&Form5::Timer4_Timer)},
      {"Command2", CommandButton, -1, {2280, 3960, 1695, 1095},
         {.caption = "救助", .tabIndex = 3}, on(&Form5::Command2_Click)},
      {"Command1", CommandButton, -1, {480, 3960, 1695, 1095},
         {.caption = "さいころ", .tabIndex = 2}, on(&Form5::Command1_Click)},
      {"Timer3", Timer, -1, {}, {.enabled = false, .interval = 300}, on(&Form5::Timer3_Timer)},
      {"Timer2", Timer, -1, {}, {.enabled = false, .interval = 300}, on(&Form5::Timer2_Timer)},
      {"Timer1", Timer, -1, {}, {.enabled = false, .interval = 300}, on(&Form5::Timer1_Timer)},
      {"hearts", Image, -1, {6840, 5640, 9150, 5580}, {.picture = &rescue::kHearts}},
      {"Image9", Image, -1, {5040, 3960, 2250, 1125}, {.visible = false, .picture = &rescue::kWin}},
      {"Image3", Image, -1, {6960, 6120, 8970, 5580},
         {.visible = false, .picture = &rescue::kNemonemo}},
      {"Label5", Label, -1, {6840, 5760, 735, 375},
         {.caption = "Label5", .tabIndex = 6, .foreColor = kWhite}},
      {"Label4", Label, -1, {7800, 5640, 495, 375},
         {.caption = "Label4", .tabIndex = 5, .backColor = kRed}},
      {"Image4", Image, 7, {4680, 5520, 1200, 1200}, {.picture = &kFaces[7]}},
      {"hazime", Image, -1, {5400, 5520, 1200, 1200}, {.picture = &rescue::kBlankFace}},
      {"nulll", Image, -1, {5040, 5520, 255, 255}, {}},
      {"Label3", Label, -1, {6000, 1440, 975, 855},
         {.caption = "0", .visible = false, .tabIndex = 4, .alignment = 2, .backStyle = 0,
          .foreColor = kWhite, .fontSize = 36}},
      {"Image1", Image, 12, {7680, 6000, 1200, 1200}, {.picture = &kMarkers[12]}},
      // The dice slots, 3 and 2; the heroine; dice slot 1.
      {"Image8", Image, -1, {4560, 1200, 1200, 1200}, {}},
      {"Image7", Image, -1, {3240, 1200, 1200, 1200}, {}},
      {"Image6", Image, -1, {720, 2040, 540, 855}, {.picture = &rescue::kSorune}},
      {"Image5", Image, -1, {1920, 1200, 1200, 1200}, {}},
      {"Image4", Image, 6, {3960, 5520, 1200, 1200}, {.picture = &kFaces[6]}},
      {"Image4", Image, 5, {3360, 5520, 1200, 1200}, {.picture = &kFaces[5]}},
      {"Image4", Image, 4, {2760, 5520, 1200, 1200}, {.picture = &kFaces[4]}},
      {"Image4", Image, 3, {2160, 5520, 1200, 1200}, {.picture = &kFaces[3]}},
      {"Image4", Image, 2, {1560, 5520, 1200, 1200}, {.picture = &kFaces[2]}},
      {"Image4", Image, 1, {960, 5520, 1200, 1200}, {.picture = &kFaces[1]}},
      {"Image4", Image, 0, {360, 5520, 1200, 1200}, {.picture = &kFaces[0]}},
      // The links between the five track squares.
      {"Line4", Line, -1, {}, {.x1 = 6720, .y1 = 3120, .x2 = 7320, .y2 = 3120, .borderColor = kWhite}},
      {"Line3", Line, -1, {}, {.x1 = 4920, .y1 = 3120, .x2 = 5520, .y2 = 3120, .borderColor = kWhite}},
      {"Line2", Line, -1, {}, {.x1 = 3240, .y1 = 3120, .x2 = 3840, .y2 = 3120, .borderColor = kWhite}},
      {"Line1", Line, -1, {}, {.x1 = 1440, .y1 = 3120, .x2 = 2040, .y2 = 3120, .borderColor = kWhite}},
      {"Image2", Image, 4, {7320, 2640, 1200, 1200}, {.picture = &kMarkers[1]}},
      {"Image2", Image, 3, {5640, 2520, 1200, 1200}, {.picture = &kMarkers[1]}},
      {"Image2", Image, 2, {3840, 2520, 1200, 1200}, {.picture = &kMarkers[1]}},
      {"Image2", Image, 1, {2040, 2520, 1200, 1200}, {.picture = &kMarkers[1]}},
      {"Label2", Label, -1, {7080, 120, 1695, 1095},
         {.caption = "100", .tabIndex = 1, .alignment = 2, .backStyle = 0, .foreColor = kWhite,
          .fontSize = 48}},
      {"Label1", Label, -1, {3480, 360, 3375, 615},
         {.caption = "ネモネモまであと", .tabIndex = 0, .backStyle = 0, .foreColor = kWhite,
          .fontSize = 21.75F}},
      {"Image2", Image, 0, {360, 2520, 1200, 1200}, {.picture = &kMarkers[1]}},
      {"Image1", Image, 11, {7080, 6000, 1200, 1200}, {.picture = &kMarkers[11]}},
      {"Image1", Image, 10, {6480, 6000, 1200, 1200}, {.picture = &kMarkers[10]}},
      {"Image1", Image, 9, {5880, 6000, 1200, 1200}, {.picture = &kMarkers[9]}},
      {"Image1", Image, 8, {5280, 6000, 1200, 1200}, {.picture = &kMarkers[8]}},
      {"Image1", Image, 7, {4560, 6000, 1200, 1200}, {.picture = &kMarkers[7]}},
      {"Image1", Image, 6, {3960, 6000, 1200, 1200}, {.picture = &kMarkers[6]}},
      {"Image1", Image, 5, {3360, 6000, 1200, 1200}, {.picture = &kMarkers[5]}},
      {"Image1", Image, 4, {2640, 6000, 1200, 1200}, {.picture = &kMarkers[4]}},
      {"Image1", Image, 3, {2040, 6000, 1200, 1200}, {.picture = &kMarkers[3]}},
      {"Image1", Image, 2, {1440, 6000, 1200, 1200}, {.picture = &kMarkers[2]}},
      {"Image1", Image, 1, {720, 6000, 1200, 1200}, {.picture = &kMarkers[1]}},
      {"Image1", Image, 0, {120, 6000, 1200, 1200}, {.picture = &kMarkers[0]}},
  };
  // clang-format on
  return rows;
}

}  // namespace fm
