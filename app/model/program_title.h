#pragma once

#include <string_view>

namespace fm {

// The program's title: the menu's caption, every message box's title, the desktop's name for
// the program and the page's title.
inline constexpr std::string_view kProgramTitle = "ソルネ聖誕祭用ミニゲーム集";
// The name under the page's icon on a phone's home screen, where the title is too long.
inline constexpr std::string_view kProgramShortName = "ミニゲーム集";

}  // namespace fm
