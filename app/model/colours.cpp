#include "app/model/colours.h"

namespace fm {

Rgb toRgb(std::int32_t colour) {
  if ((colour & kSystemColourFlag) != 0) {
    switch (colour & 0xFF) {
      case 5:  // window background
        return {255, 255, 255};
      case 15:  // button face, the default grey of windows and labels
      case 4:   // menu background
        return {240, 240, 240};
      case 16:  // button shadow
        return {160, 160, 160};
      default:  // menu text, window text, button text and the other text colours
        return {0, 0, 0};
    }
  }
  const auto value = static_cast<std::uint32_t>(colour);
  return {static_cast<int>(value & 0xFFU), static_cast<int>((value >> 8U) & 0xFFU),
          static_cast<int>((value >> 16U) & 0xFFU)};
}

}  // namespace fm
