#include "games/pigeon/form2.h"
#include "games/pigeon/form2_pictures.h"

namespace fm {

std::span<const LayoutRow> Form2::layout() {
  using enum WidgetKind;
  // One row per widget, front to back, kept one to a line so that it reads like a table.
  // clang-format off
  static const LayoutRow rows[] = {
      {"Command3", CommandButton, -1, {3000, 2760, 1215, 855},
         {.caption = "３", .visible = false, .tabIndex = 7}, on(&Form2::Command3_Click)},
      {"Command2", CommandButton, -1, {1680, 2760, 1215, 855},
         {.caption = "２", .visible = false, .tabIndex = 6}, on(&Form2::Command2_Click)},
      {"Command1", CommandButton, -1, {360, 2760, 1215, 855},
         {.caption = "１", .visible = false, .tabIndex = 5}, on(&Form2::Command1_Click)},
      {"Image9", Image, -1, {6240, 1920, 2250, 1125}, {.visible = false, .picture = &pigeon::kLose}},
      {"Image8", Image, -1, {5400, 1920, 2250, 1125}, {.visible = false, .picture = &pigeon::kWin}},
      {"Image1", Image, -1, {5880, 3120, 1500, 1500},
         {.picture = &pigeon::kPigeon}, on(&Form2::Image1_Click)},
      {"Label6", Label, -1, {7080, 4200, 1575, 255}, {.caption = "三三三三三三三三", .visible = false}},
      // The feed tag beside the left character, and beside the partner.
      {"Image7", Image, -1, {840, 4200, 750, 750}, {.visible = false, .picture = &pigeon::kFeed}},
      {"Image6", Image, -1, {3240, 4200, 750, 750}, {.visible = false, .picture = &pigeon::kFeed}},
      {"Label5", Label, -1, {3600, 5040, 2055, 375},
         {.caption = "これ・・・なんだろ・・・", .visible = false, .backStyle = 0}},
      {"Label4", Label, -1, {480, 1560, 4455, 375},
         {.caption = "ヨミナはハトのえさをゲットした。", .visible = false, .fontSize = 12}},
      {"Image5", Image, -1, {6000, 1680, 2250, 1500}, {.visible = false, .picture = &pigeon::kRockOn}},
      {"Image2", Image, -1, {4320, 0, 2250, 1500}, {.visible = false, .picture = &pigeon::kWarning}},
      {"Line2", Line, -1, {}, {.x1 = 5160, .y1 = 1320, .x2 = 5160, .y2 = 5400}},
      {"Line1", Line, -1, {}, {.x1 = 0, .y1 = 1320, .x2 = 8880, .y2 = 1320}},
      {"Label3", Label, -1, {120, 360, 3255, 855}, {.caption = "大阪→東京間", .fontSize = 24}},
      {"Label2", Label, -1, {6600, 480, 2175, 735},
         {.caption = "556", .alignment = 2, .fontSize = 36}},
      {"Label1", Label, -1, {6720, 120, 1935, 255}, {.caption = "残り距離", .alignment = 2}},
      {"Image4", Image, -1, {4080, 4080, 540, 855}, {.picture = &pigeon::kYomina}},
      {"Image3", Image, -1, {240, 4080, 540, 855}, {.picture = &pigeon::kSorune}},
      {"Timer1", Timer, -1, {}, {.enabled = false, .interval = 1000}, on(&Form2::Timer1_Timer)},
      {"Timer2", Timer, -1, {}, {.enabled = false, .interval = 500}, on(&Form2::Timer2_Timer)},
      {"Timer3", Timer, -1, {}, {.enabled = false, .interval = 1000}, on(&Form2::Timer3_Timer)},
      {"Timer4", Timer, -1, {}, {.enabled = false, .interval = 1000}, on(&Form2::Timer4_Timer)},
      {"nokoritimer", Timer, -1, {},
         {.enabled = false, .interval = 72}, on(&Form2::nokoritimer_Timer)},
      {"yominartn", Timer, -1, {},
         {.enabled = false, .interval = 100}, on(&Form2::yominartn_Timer)},
      {"Timer5", Timer, -1, {}, {.enabled = false, .interval = 13000}, on(&Form2::Timer5_Timer)},
      {"mkatitimer", Timer, -1, {},
         {.enabled = false, .interval = 2000}, on(&Form2::mkatitimer_Timer)},
      {"mmaketimer", Timer, -1, {},
         {.enabled = false, .interval = 2000}, on(&Form2::mmaketimer_Timer)},
      {"owaritimer", Timer, -1, {},
         {.enabled = false, .interval = 7000}, on(&Form2::owaritimer_Timer)},
  };
  // clang-format on
  return rows;
}

}  // namespace fm
