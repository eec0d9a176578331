#include "games/duel/form3.h"
#include "games/duel/form3_pictures.h"

namespace fm {

std::span<const LayoutRow> Form3::layout() {
  using enum WidgetKind;
  constexpr std::int32_t kLightYellow = 8454143;
  // One row per widget, front to back, kept one to a line so that it reads like a table. Every
  // widget from Left 5520 on lies right of the client area: banks of pictures and a colour.
  // clang-format off
  static const LayoutRow rows[] = {
      {"Command2", CommandButton, -1, {600, 5520, 4095, 615},
         {.caption = "チョキ", .visible = false, .tabIndex = 5}, on(&Form3::Command2_Click)},
      {"Command1", CommandButton, 2, {3480, 5520, 1215, 615},
         {.caption = "パー", .tabIndex = 2}, on(&Form3::Command1_Click)},
      {"Command1", CommandButton, 1, {2040, 5520, 1215, 615},
         {.caption = "チョキ", .tabIndex = 1}, on(&Form3::Command1_Click)},
      {"Command1", CommandButton, 0, {600, 5520, 1215, 615},
         {.caption = "グー", .tabIndex = 0}, on(&Form3::Command1_Click)},
      {"Label3", Label, -1, {5760, 120, 975, 255},
         {.caption = "Label3", .tabIndex = 6, .backColor = kLightYellow}},
      {"Image7", Image, -1, {6480, 600, 1500, 1500}, {.picture = &duel::kYomina}},
      {"syoubuyo", Image, 2, {5760, 3000, 2250, 1125}, {.picture = &duel::kLose}},
      {"syoubuyo", Image, 1, {5760, 2280, 2250, 1125}, {.picture = &duel::kLose}},
      {"syoubuyo", Image, 0, {5520, 1560, 2250, 1125}, {.picture = &duel::kWin}},
      {"nulll", Image, -1, {5760, 480, 255, 615}, {}},
      {"openmark", Image, 2, {6360, 5880, 2250, 1125}, {.picture = &duel::kOpenOrange}},
      {"openmark", Image, 1, {6000, 5880, 2250, 1125}, {.picture = &duel::kOpenRed}},
      {"openmark", Image, 0, {5760, 5760, 2250, 1125}, {.picture = &duel::kOpenBlue}},
      {"Image6", Image, -1, {240, 2280, 2250, 1125}, {}},
      {"tenurimoti", Image, 2, {7200, 4080, 1500, 2250}, {.picture = &duel::kPaTurned}},
      {"tenurimoti", Image, 1, {6360, 4080, 1500, 2250}, {.picture = &duel::kChokiTurned}},
      {"tenurimoti", Image, 0, {5640, 4080, 1500, 2250}, {.picture = &duel::kGuTurned}},
      {"sorunemoti", Image, 2, {7200, 2880, 1500, 2250}, {.picture = &duel::kPa}},
      {"sorunemoti", Image, 1, {6360, 2880, 1500, 2250}, {.picture = &duel::kChoki}},
      {"sorunemoti", Image, 0, {5640, 2880, 1500, 2250}, {.picture = &duel::kGu}},
      {"Image5", Image, 1, {6720, 480, 1500, 2250}, {.picture = &duel::kBackTurned}},
      {"Image5", Image, 0, {5880, 480, 1500, 2250}, {.picture = &duel::kBack}},
      {"Label1", Label, -1, {600, 120, 5295, 255}, {.tabIndex = 4, .backStyle = 0}},
      {"Label2", Label, -1, {480, 5520, 4935, 255}, {.tabIndex = 3, .backStyle = 0}},
      {"Image4", Image, -1, {3360, 3120, 1500, 2250}, {}},
      {"Image3", Image, -1, {480, 3600, 1500, 1500}, {.picture = &duel::kSorune}},
      {"Image2", Image, -1, {480, 600, 1500, 1500}, {.picture = &duel::kTenuri}},
      {"Image1", Image, -1, {3360, 360, 1500, 2250}, {}},
      {"Timer1", Timer, -1, {}, {.enabled = false, .interval = 2000}, on(&Form3::Timer1_Timer)},
      {"Timer2", Timer, -1, {}, {.enabled = false, .interval = 1000}, on(&Form3::Timer2_Timer)},
      {"Timer3", Timer, -1, {}, {.enabled = false, .interval = 1000}, on(&Form3::Timer3_Timer)},
      {"Timer4", Timer, -1, {}, {.enabled = false, .interval = 2000}, on(&Form3::Timer4_Timer)},
      {"Timer5", Timer, -1, {}, {.enabled = false, .interval = 500}, on(&Form3::Timer5_Timer)},
      {"Timer6", Timer, -1, {}, {.enabled = false, .interval = 500}, on(&Form3::Timer6_Timer)},
      {"Timer7", Timer, -1, {}, {.enabled = false, .interval = 1500}, on(&Form3::Timer7_Timer)},
      {"Timer8", Timer, -1, {}, {.enabled = false, .interval = 500}, on(&Form3::Timer8_Timer)},
      {"Timer9", Timer, -1, {}, {.enabled = false, .interval = 1000}, on(&Form3::Timer9_Timer)},
      {"Timer10", Timer, -1, {}, {.enabled = false, .interval = 1000}, on(&Form3::Timer10_Timer)},
      {"Timer11", Timer, -1, {}, {.enabled = false, .interval = 1000}, on(&Form3::Timer11_Timer)},
      {"Timer12", Timer, -1, {}, {.enabled = false, .interval = 1000}, on(&Form3::Timer12_Timer)},
      {"Timer13", Timer, -1, {}, {.enabled = false, .interval = 2000}, on(&Form3::Timer13_Timer)},
      {"Timer14", Timer, -1, {}, {.enabled = false, .interval = 500}, on(&Form3::Timer14_Timer)},
      {"Timer15", Timer, -1, {}, {.enabled = false, .interval = 2000}, on(&Form3::Timer15_Timer)},
      {"Timer16", Timer, -1, {}, {.enabled = false, .interval = 500}, on(&Form3::Timer16_Timer)},
      {"Timer17", Timer, -1, {}, {.enabled = false, .interval = 1000}, on(&Form3::Timer17_Timer)},
      {"Timer18", Timer, -1, {}, {.enabled = false, .interval = 500}, on(&Form3::Timer18_Timer)},
      {"Timer19", Timer, -1, {}, {.enabled = false, .interval = 500}, on(&Form3::Timer19_Timer)},
      {"owaritimer", Timer, -1, {},
         {.enabled = false, .interval = 5000}, on(&Form3::owaritimer_Timer)},
  };
  // clang-format on
  return rows;
}

}  // namespace fm
