#pragma once

#include <string_view>

#include "app/model/picture.h"

// The rescue board's artwork, at its natural size in pixels, and what each shows. The die faces
// share one drawing, as do the square markers: they differ only in their text and colours, and
// each says its text.
namespace fm::rescue {

constexpr PictureAsset dieFace(std::string_view name, std::string_view text,
                               std::string_view description) {
  return {.name = name,
          .widthPx = 80,
          .heightPx = 80,
          .description = description,
          .drawing = "rescue/die_face",
          .text = text};
}

constexpr PictureAsset marker(std::string_view name, std::string_view text,
                              std::string_view description) {
  return {.name = name,
          .widthPx = 80,
          .heightPx = 80,
          .description = description,
          .drawing = "rescue/marker",
          .text = text,
          .fill = "#9fdcf5",
          .ink = "#1e1a1a"};
}

inline constexpr PictureAsset kBlankFace = dieFace("rescue/face_blank", "", "さいころ（無地）");
// By face: what each walks is 1, 2, 3, 4, 5, 6, 9 and 66 steps.
inline constexpr PictureAsset kFaces[] = {
    dieFace("rescue/face0", "1", "さいころ 1"),   dieFace("rescue/face1", "2", "さいころ 2"),
    dieFace("rescue/face2", "参", "さいころ 参"), dieFace("rescue/face3", "死", "さいころ 死"),
    dieFace("rescue/face4", "5", "さいころ 5"),   dieFace("rescue/face5", "6", "さいころ 6"),
    dieFace("rescue/face6", "苦", "さいころ 苦"), dieFace("rescue/face7", "66", "さいころ 66"),
};

// By level: the captor's own square, then the values of the squares as she comes near.
inline constexpr PictureAsset kMarkers[] = {
    {.name = "rescue/marker0",
     .widthPx = 80,
     .heightPx = 80,
     .description = "マス 死",
     .drawing = "rescue/marker",
     .text = "死",
     .fill = "#e8474f",
     .ink = "#ffffff"},
    marker("rescue/marker1", "1", "マス 1"),
    marker("rescue/marker2", "2", "マス 2"),
    marker("rescue/marker3", "5", "マス 5"),
    marker("rescue/marker4", "11", "マス 11"),
    marker("rescue/marker5", "22", "マス 22"),
    marker("rescue/marker6", "33", "マス 33"),
    marker("rescue/marker7", "44", "マス 44"),
    marker("rescue/marker8", "55", "マス 55"),
    marker("rescue/marker9", "66", "マス 66"),
    marker("rescue/marker10", "77", "マス 77"),
    marker("rescue/marker11", "88", "マス 88"),
    marker("rescue/marker12", "99", "マス 99"),
};

inline constexpr PictureAsset kSorune{.name = "rescue/sorune",
                                      .widthPx = 36,
                                      .heightPx = 57,
                                      .description = "ソルネ",
                                      .drawing = "common/sorune"};
inline constexpr PictureAsset kWin{.name = "rescue/win",
                                   .widthPx = 150,
                                   .heightPx = 75,
                                   .description = "WIN",
                                   .drawing = "common/win",
                                   .fill = "#ff3f6c"};
// The defeat screen, and the true ending.
inline constexpr PictureAsset kNemonemo{"rescue/nemonemo", 598, 372, "赤い画面いっぱいのネモネモ"};
inline constexpr PictureAsset kHearts{"rescue/hearts", 610, 372, "青空に大きなピンクのハート"};

}  // namespace fm::rescue
