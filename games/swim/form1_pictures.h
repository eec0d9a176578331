#pragma once

#include "app/model/picture.h"

// The race's artwork, at its natural size in pixels, and what each shows.
namespace fm::swim {

inline constexpr PictureAsset kPool{"swim/pool", 400, 100, "プール"};
inline constexpr PictureAsset kSorune{"swim/sorune", 36, 57, "ソルネ"};  // the player's swimmer
inline constexpr PictureAsset kTenuri{"swim/tenuri", 36, 57, "テヌリ"};  // the computer's swimmer
inline constexpr PictureAsset kBar{"swim/bar", 200, 40, "LとRのタイミングバー"};
inline constexpr PictureAsset kMarker{"swim/marker", 10, 20, "赤い矢印"};
inline constexpr PictureAsset kCross{"swim/cross", 50, 50, "赤いバツ印"};
inline constexpr PictureAsset kWin{"swim/win", 80, 50, "WIN!"};
inline constexpr PictureAsset kLose{"swim/lose", 80, 50, "Lose.."};

}  // namespace fm::swim
