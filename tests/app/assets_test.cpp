#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "tests/support/session.h"

namespace fm {
namespace {

namespace fs = std::filesystem;

const fs::path kAssets = fs::path(MINIGAMES_SOURCE_DIR) / "assets";

struct SvgSize {
  int width = -1;
  int height = -1;
};

// The width and height attributes of the root <svg> element, in plain pixels.
SvgSize readSvgSize(const fs::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  const std::string svg = text.str();
  std::smatch root;
  if (!std::regex_search(svg, root, std::regex("<svg[^>]*>"))) return {};
  const std::string tag = root.str();
  SvgSize size;
  std::smatch attribute;
  if (std::regex_search(tag, attribute, std::regex(R"re(\swidth="(\d+)")re"))) {
    size.width = std::stoi(attribute[1]);
  }
  if (std::regex_search(tag, attribute, std::regex(R"re(\sheight="(\d+)")re"))) {
    size.height = std::stoi(attribute[1]);
  }
  return size;
}

TEST(Artwork, EveryPictureOfEveryWindowExistsAtItsPixelSize) {
  testing::Session session;
  std::set<std::string> used;
  for (const auto& window : session.program.windows()) {
    for (const auto& widget : window->widgets()) {
      const Picture picture = widget->picture();
      if (picture.empty()) continue;
      // Several pictures may share one drawing (turned over, or with other text or colours).
      const std::string name(picture.asset()->drawingName());
      used.insert(name);
      const fs::path file = kAssets / (name + ".svg");
      ASSERT_TRUE(fs::exists(file)) << file;
      const SvgSize size = readSvgSize(file);
      EXPECT_EQ(size.width, picture.asset()->widthPx) << name;
      EXPECT_EQ(size.height, picture.asset()->heightPx) << name;
      EXPECT_EQ(widget->width(), static_cast<float>(size.width * kTwipsPerPixel)) << name;
      EXPECT_EQ(widget->height(), static_cast<float>(size.height * kTwipsPerPixel)) << name;
    }
  }
  // Every drawing is in use, apart from the window icon.
  for (const auto& entry : fs::recursive_directory_iterator(kAssets)) {
    if (entry.path().extension() != ".svg") continue;
    std::string name = fs::relative(entry.path(), kAssets).replace_extension().generic_string();
    if (name == "app/icon") continue;
    EXPECT_TRUE(used.contains(name)) << name << " is drawn but no window shows it";
  }
}

// What a screen reader says for a picture: something for each one, with the text the picture
// carries among its words (a die face, a square's number), the same words for pictures of one
// drawing that differ only in colour or in which way up they lie, and other words for other
// text on the same drawing.
TEST(Artwork, EveryPictureSaysWhatItShows) {
  testing::Session session;
  using Shown = std::pair<std::string_view, std::string_view>;  // drawing, and text or words
  std::map<Shown, std::string_view> wordsFor;                   // by drawing and text
  std::map<Shown, std::string_view> textFor;                    // by drawing and words
  int pictures = 0;
  for (const auto& window : session.program.windows()) {
    for (const auto& widget : window->widgets()) {
      const PictureAsset* asset = widget->picture().asset();
      if (asset == nullptr) continue;
      ++pictures;
      const std::string_view words = asset->description;
      EXPECT_FALSE(words.empty()) << asset->name;
      EXPECT_NE(words.find(asset->text), std::string_view::npos) << asset->name << ": " << words;
      const auto [byText, newText] =
          wordsFor.emplace(Shown{asset->drawingName(), asset->text}, words);
      EXPECT_EQ(byText->second, words) << asset->name << " shows what another picture shows";
      const auto [byWords, newWords] =
          textFor.emplace(Shown{asset->drawingName(), words}, asset->text);
      EXPECT_EQ(byWords->second, asset->text) << asset->name << " says what another picture says";
    }
  }
  EXPECT_GT(pictures, 0);
}

TEST(Artwork, TheWindowIconIs32By32) {
  const SvgSize size = readSvgSize(kAssets / "app" / "icon.svg");
  EXPECT_EQ(size.width, 32);
  EXPECT_EQ(size.height, 32);
}

}  // namespace
}  // namespace fm
