#pragma once

#include <string_view>

#include "app/model/picture.h"

// The rescue board's artwork, at its natural size in pixels. The die faces share one drawing,
// as do the square markers: they differ only in their text and colours.
namespace fm::rescue {

constexpr PictureAsset dieFace(std::string_view name, std::string_view text) {
  return {.name = name, .widthPx = 80, .heightPx = 80, .drawing = "rescue/die_face", .text = text};
}

constexpr PictureAsset marker(std::string_view name, std::string_view text) {
  return {.name = name,
          .widthPx = 80,
          .heightPx = 80,
          .drawing = "rescue/marker",
          .text = text,
          .fill = "#9fdcf5",
          .ink = "#1e1a1a"};
}

inline constexpr PictureAsset kBlankFace = dieFace("rescue/face_blank", "");
// By face: what each walks is 1, 2, 3, 4, 5, 6, 9 and 66 steps.
inline constexpr PictureAsset kFaces[] = {
    dieFace("rescue/face0", "1"),  dieFace("rescue/face1", "2"),  dieFace("rescue/face2", "参"),
    dieFace("rescue/face3", "死"), dieFace("rescue/face4", "5"),  dieFace("rescue/face5", "6"),
    dieFace("rescue/face6", "苦"), dieFace("rescue/face7", "66"),
};

// By level: the captor's own square, then the values of the squares as she comes near.
inline constexpr PictureAsset kMarkers[] = {
    {.name = "rescue/marker0",
     .widthPx = 80,
     .heightPx = 80,
     .drawing = "rescue/marker",
     .text = "死",
     .fill = "#e8474f",
     .ink = "#ffffff"},
    marker("rescue/marker1", "1"),
    marker("rescue/marker2", "2"),
    marker("rescue/marker3", "5"),
    marker("rescue/marker4", "11"),
    marker("rescue/marker5", "22"),
    marker("rescue/marker6", "33"),
    marker("rescue/marker7", "44"),
    marker("rescue/marker8", "55"),
    marker("rescue/marker9", "66"),
    marker("rescue/marker10", "77"),
    marker("rescue/marker11", "88"),
    marker("rescue/marker12", "99"),
};

inline constexpr PictureAsset kSorune{
    .name = "rescue/sorune", .widthPx = 36, .heightPx = 57, .drawing = "common/sorune"};
inline constexpr PictureAsset kWin{.name = "rescue/win",
                                   .widthPx = 150,
                                   .heightPx = 75,
                                   .drawing = "common/win",
                                   .fill = "#ff3f6c"};
inline constexpr PictureAsset kNemonemo{"rescue/nemonemo", 598, 372};  // the defeat screen
inline constexpr PictureAsset kHearts{"rescue/hearts", 610, 372};      // the true ending

}  // namespace fm::rescue
