#pragma once

#include <array>
#include <string_view>

namespace fm::web {

// The page's own colours around the program's windows, by their names in the style sheet
// (--frame-dark): the page behind the windows, the windows' frames, and the bar of a phone.
struct PageColour {
  std::string_view name;
  std::string_view css;
};
inline constexpr std::array<PageColour, 4> kPageColours{{
    {"background", "#f4e8f6"},
    {"frame", "#c7a4d9"},
    {"frame-dark", "#8e5fa8"},
    {"frame-light", "#f3e6fa"},
}};
// The colour of the browser's bar for the page and of its home-screen app.
inline constexpr std::string_view kThemeColour = "frame-dark";

}  // namespace fm::web
