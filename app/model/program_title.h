#pragma once

#include <string_view>

namespace fm {

// The program's title: the menu's caption, every message box's title, the desktop's name for
// the program and the page's title. tools/web/make_page.py reads it from here for the page.
inline constexpr std::string_view kProgramTitle = "ソルネ聖誕祭用ミニゲーム集";

}  // namespace fm
