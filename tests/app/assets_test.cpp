#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

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

TEST(Artwork, TheWindowIconIs32By32) {
  const SvgSize size = readSvgSize(kAssets / "app" / "icon.svg");
  EXPECT_EQ(size.width, 32);
  EXPECT_EQ(size.height, 32);
}

}  // namespace
}  // namespace fm
