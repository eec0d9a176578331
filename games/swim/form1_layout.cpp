#include "games/swim/form1.h"
#include "games/swim/form1_pictures.h"

namespace fm {

std::span<const LayoutRow> Form1::layout() {
  using enum WidgetKind;
  // One row per widget, front to back, kept one to a line so that it reads like a table.
  // clang-format off
  static const LayoutRow rows[] = {
      {"Option1", OptionButton, 2, {6720, 2760, 1935, 255},
         {.caption = "Low spec", .tabIndex = 14}, on(&Form1::Option1_Click)},
      {"Option1", OptionButton, 1, {6720, 2400, 1935, 255},
         {.caption = "Middle spec", .tabIndex = 13, .value = true}, on(&Form1::Option1_Click)},
      {"Option1", OptionButton, 0, {6720, 2040, 1935, 255},
         {.caption = "High spec", .tabIndex = 12}, on(&Form1::Option1_Click)},
      {"Command3", CommandButton, -1, {5400, 2400, 975, 495},
         {.caption = "Start", .tabIndex = 0}, on(&Form1::Command3_Click)},
      {"Image8", Image, -1, {7080, 840, 1200, 750}, {.visible = false, .picture = &swim::kLose}},
      {"Image7", Image, -1, {7080, 840, 1200, 750}, {.visible = false, .picture = &swim::kWin}},
      {"Image6", Image, -1, {6720, 2160, 750, 750}, {.visible = false, .picture = &swim::kCross}},
      {"seimes", Label, -1, {2760, 1920, 1215, 375},
         {.caption = "Perfect", .backStyle = 0, .fontSize = 18}},
      // The grade words, indexed by the grade of a stroke; below the client area, never seen.
      {"kotoba", Label, 6, {2160, 4920, 1575, 255}, {.caption = "Poor"}},
      {"kotoba", Label, 5, {2160, 4680, 1575, 255}, {.caption = "Bad"}},
      {"kotoba", Label, 4, {2160, 4440, 1575, 255}, {.caption = "Good1"}},
      {"kotoba", Label, 3, {2160, 4200, 1575, 255}, {.caption = "Good2"}},
      {"kotoba", Label, 2, {2160, 3960, 1575, 255}, {.caption = "Good3"}},
      {"kotoba", Label, 1, {2160, 3720, 1575, 255}, {.caption = "Great"}},
      {"kotoba", Label, 0, {2160, 3480, 1575, 255}, {.caption = "Perfect"}},
      {"Image5", Image, -1, {3240, 2640, 150, 300}, {.picture = &swim::kMarker}},
      {"Image4", Image, -1, {1800, 2280, 3000, 600}, {.picture = &swim::kBar}},
      {"tenurihosi", Label, -1, {1560, 1320, 495, 375},
         {.caption = "☆", .backStyle = 0, .fontSize = 18}},
      {"sorunehosi", Label, -1, {1560, 720, 495, 375},
         {.caption = "☆", .backStyle = 0, .fontSize = 18}},
      {"Label1", Label, -1, {960, 2400, 495, 495},
         {.caption = "0", .visible = false, .fontSize = 21.75F}},
      {"Image3", Image, -1, {480, 960, 540, 855}, {.picture = &swim::kTenuri}},
      {"Image2", Image, -1, {480, 240, 540, 855}, {.picture = &swim::kSorune}},
      {"Image1", Image, -1, {1080, 480, 6000, 1500}, {.picture = &swim::kPool}},
      {"owaritimer", Timer, -1, {},
         {.enabled = false, .interval = 5000}, on(&Form1::owaritimer_Timer)},
      {"tenuriswim", Timer, -1, {},
         {.enabled = false, .interval = 325}, on(&Form1::tenuriswim_Timer)},
      {"hantei", Timer, -1, {}, {.enabled = true, .interval = 1}, on(&Form1::hantei_Timer)},
      {"Timer3", Timer, -1, {}, {.enabled = false, .interval = 1000}, on(&Form1::Timer3_Timer)},
      {"Timer2", Timer, -1, {}, {.enabled = false, .interval = 30}, on(&Form1::Timer2_Timer)},
      {"Timer1", Timer, -1, {}, {.enabled = false, .interval = 1000}, on(&Form1::Timer1_Timer)},
  };
  // clang-format on
  return rows;
}

}  // namespace fm
