#include "menu/form4.h"

namespace fm {

std::span<const LayoutRow> Form4::layout() {
  using enum WidgetKind;
  // One row per widget, front to back, kept one to a line so that it reads like a table.
  // clang-format off
  static const LayoutRow rows[] = {
      {"Text1", TextBox, 1, {240, 3360, 4815, 270},
         {.caption = "https://example.org/sorune/square-icon", .tabIndex = 7}},
      {"Text1", TextBox, 0, {240, 2760, 4815, 270},
         {.caption = "https://example.org/sorune/mascot-icon", .tabIndex = 4}},
      {"Command4", CommandButton, -1, {2640, 1200, 2415, 975},
         {.caption = "ラビト救助", .tabIndex = 3}, on(&Form4::Command4_Click)},
      {"Command3", CommandButton, -1, {120, 1200, 2415, 975},
         {.caption = "ハト襲来", .tabIndex = 2}, on(&Form4::Command3_Click)},
      {"Command2", CommandButton, -1, {2640, 120, 2415, 975},
         {.caption = "じゃんけん", .tabIndex = 1}, on(&Form4::Command2_Click)},
      {"Command1", CommandButton, -1, {120, 120, 2415, 975},
         {.caption = "水泳", .tabIndex = 0}, on(&Form4::Command1_Click)},
      {"Label1", Label, 1, {360, 3120, 4575, 255},
         {.caption = "四角いアイコン", .alignment = 2, .backStyle = 0}},
      {"Label1", Label, 0, {360, 2400, 4575, 255},
         {.caption = "マスコットアイコン", .alignment = 2, .backStyle = 0}},
  };
  // clang-format on
  return rows;
}

}  // namespace fm
