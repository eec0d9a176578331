#pragma once

#include <string_view>

namespace fm {

// One piece of artwork: its name ("swim/pool") and its natural size in pixels, and how it is
// drawn. By default from the SVG of the same name (assets/swim/pool.svg); a picture may instead
// come from another drawing, with the drawing's slots {{text}}, {{fill}} and {{ink}} filled in,
// and turned by 180°. Pictures that differ only in their text or colours, or only in which way
// up they lie, so share one drawing and can never drift apart. Assets are static data that
// lives for the whole program.
//
// Every picture also says in a few words what it shows a player ("ハト", "グーのカード",
// "さいころ 5"): the name a screen reader gives an Image while it shows the picture.
struct PictureAsset {
  std::string_view name;
  int widthPx = 0;
  int heightPx = 0;
  std::string_view description{};
  std::string_view drawing{};  // the SVG it is drawn from; empty means `name`
  std::string_view text{};
  std::string_view fill{};
  std::string_view ink{};
  bool turned = false;  // drawn upside down, as seen from across a table

  [[nodiscard]] constexpr std::string_view drawingName() const {
    return drawing.empty() ? name : drawing;
  }
};

// The same drawing the other way up, under a name of its own; it still shows the same thing.
constexpr PictureAsset turnedOver(const PictureAsset& picture, std::string_view name) {
  PictureAsset turned = picture;
  turned.name = name;
  turned.drawing = picture.drawingName();
  turned.turned = !picture.turned;
  return turned;
}

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
  // What the picture shows; empty for no picture.
  [[nodiscard]] constexpr std::string_view description() const {
    return asset_ != nullptr ? asset_->description : std::string_view{};
  }
  friend constexpr bool operator==(Picture, Picture) = default;

 private:
  const PictureAsset* asset_ = nullptr;
};

// One pixel is 15 twips at the 96-dpi reference of every layout.
inline constexpr int kTwipsPerPixel = 15;

}  // namespace fm
