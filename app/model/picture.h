#pragma once

#include <string_view>

namespace fm {

// One piece of artwork: its name ("swim/pool" is assets/swim/pool.svg) and its natural size
// in pixels. Assets are static data that lives for the whole program.
struct PictureAsset {
  std::string_view name;
  int widthPx = 0;
  int heightPx = 0;
};

// A picture value: a handle to an immutable asset, or empty. Copying a Picture from one
// Image to another makes both show the same asset.
class Picture {
 public:
  constexpr Picture() = default;
  constexpr explicit Picture(const PictureAsset* asset) : asset_(asset) {}

  [[nodiscard]] constexpr bool empty() const { return asset_ == nullptr; }
  [[nodiscard]] constexpr const PictureAsset* asset() const { return asset_; }
  [[nodiscard]] constexpr std::string_view name() const {
    return asset_ != nullptr ? asset_->name : std::string_view{};
  }
  friend constexpr bool operator==(Picture, Picture) = default;

 private:
  const PictureAsset* asset_ = nullptr;
};

// One pixel is 15 twips at the 96-dpi reference of every layout.
inline constexpr int kTwipsPerPixel = 15;

}  // namespace fm
