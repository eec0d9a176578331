#pragma once

#include <cstdint>

namespace fm {

// Colours are blue-green-red longs (255 is red). Values with the top bit set name a system
// colour by its index in the low byte.
inline constexpr std::int32_t kSystemColourFlag = static_cast<std::int32_t>(0x80000000U);
inline constexpr std::int32_t kMenuText = kSystemColourFlag | 7;     // -2147483641
inline constexpr std::int32_t kButtonFace = kSystemColourFlag | 15;  // the default grey
inline constexpr std::int32_t kButtonText = kSystemColourFlag | 18;  // default label text
inline constexpr std::int32_t kBlack = 0;
inline constexpr std::int32_t kWhite = 16777215;
inline constexpr std::int32_t kRed = 255;

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

// The colour to paint for a colour value, system colours resolved to a standard desktop.
Rgb toRgb(std::int32_t colour);

}  // namespace fm
