#pragma once

#include "app/model/picture.h"

// The race's artwork, at its natural size in pixels.
namespace fm::swim {

inline constexpr PictureAsset kPool{"swim/pool", 400, 100};
inline constexpr PictureAsset kSorune{"swim/sorune", 36, 57};  // the player's swimmer
inline constexpr PictureAsset kTenuri{"swim/tenuri", 36, 57};  // the computer's swimmer
inline constexpr PictureAsset kBar{"swim/bar", 200, 40};
inline constexpr PictureAsset kMarker{"swim/marker", 10, 20};
inline constexpr PictureAsset kCross{"swim/cross", 50, 50};
inline constexpr PictureAsset kWin{"swim/win", 80, 50};
inline constexpr PictureAsset kLose{"swim/lose", 80, 50};

}  // namespace fm::swim
