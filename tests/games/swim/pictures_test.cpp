// The race's artwork: every picture file has the size the window is laid out for.

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "games/swim/form1_pictures.h"

namespace fm::testing {
namespace {

std::string readAsset(const PictureAsset& asset) {
  std::ifstream file(std::string(MINIGAMES_SOURCE_DIR) + "/assets/" + std::string(asset.name) +
                     ".svg");
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST(SwimPictures, EachFileHasItsCataloguedPixelSize) {
  for (const PictureAsset* asset : {&swim::kPool, &swim::kSorune, &swim::kTenuri, &swim::kBar,
                                    &swim::kMarker, &swim::kCross, &swim::kWin, &swim::kLose}) {
    const std::string svg = readAsset(*asset);
    ASSERT_FALSE(svg.empty()) << asset->name << " is missing";
    std::smatch width;
    std::smatch height;
    ASSERT_TRUE(std::regex_search(svg, width, std::regex(R"re(<svg[^>]*\swidth="(\d+)")re")))
        << asset->name;
    ASSERT_TRUE(std::regex_search(svg, height, std::regex(R"re(<svg[^>]*\sheight="(\d+)")re")))
        << asset->name;
    EXPECT_EQ(std::stoi(width[1]), asset->widthPx) << asset->name;
    EXPECT_EQ(std::stoi(height[1]), asset->heightPx) << asset->name;
  }
}

}  // namespace
}  // namespace fm::testing
