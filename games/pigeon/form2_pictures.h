#pragma once

#include "app/model/picture.h"

// The journey's artwork, at its natural size in pixels, and what each shows.
namespace fm::pigeon {

inline constexpr PictureAsset kPigeon{"pigeon/pigeon", 100, 100, "ハト"};  // standing, facing left
inline constexpr PictureAsset kFeed{"pigeon/feed", 50, 50, "ハトのえさ"};  // the tag bearing 餌
inline constexpr PictureAsset kRockOn{"pigeon/rock_on", 150, 100, "Rock ON!!"};
inline constexpr PictureAsset kWarning{"pigeon/warning", 150, 100, "Warning!!"};
inline constexpr PictureAsset kWin{.name = "pigeon/win",
                                   .widthPx = 150,
                                   .heightPx = 75,
                                   .description = "WIN",
                                   .drawing = "common/win",
                                   .fill = "#ff6f91"};
inline constexpr PictureAsset kLose{.name = "pigeon/lose",
                                    .widthPx = 150,
                                    .heightPx = 75,
                                    .description = "Lose...",
                                    .drawing = "common/lose"};
inline constexpr PictureAsset kSorune{.name = "pigeon/sorune",
                                      .widthPx = 36,
                                      .heightPx = 57,
                                      .description = "ソルネ",
                                      .drawing = "common/sorune"};
inline constexpr PictureAsset kYomina{"pigeon/yomina", 36, 57, "ヨミナ"};  // the partner

}  // namespace fm::pigeon
