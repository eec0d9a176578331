// Writes the facts the page, the site, the tests and the bench share, as JSON, from where the
// program defines them: the title and short name, the page's colours, the kinds of input the
// page records, every window's client size in CSS pixels, the keys it is played with and the
// controls a touch screen offers again, and the files of the site that the page names.
//
//     node page-facts.js FACTS_JSON

#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "app/collection.h"
#include "app/model/pixels.h"
#include "app/model/program.h"
#include "app/model/program_title.h"
#include "app/web/input_kinds.h"
#include "app/web/page_colours.h"
#include "tools/sim/json.h"

namespace {

using fm::sim::appendJsonKey;
using fm::sim::appendJsonString;

// The site's files that the page itself names: its manifest and service worker (linked and
// registered when served) and the icon iOS puts on the home screen.
constexpr std::string_view kSiteFiles[][2] = {
    {"manifest", "manifest.webmanifest"},
    {"worker", "sw.js"},
    {"touchIcon", "apple-touch-icon.png"},
};

// A size in CSS pixels: whole, or with the fraction it has.
std::string number(double pixels) {
  const auto whole = static_cast<long>(pixels);
  return static_cast<double>(whole) == pixels ? std::to_string(whole) : std::to_string(pixels);
}

std::string facts() {
  std::string out = "{";
  appendJsonKey(out, "title");
  appendJsonString(out, fm::kProgramTitle);
  out += ',';
  appendJsonKey(out, "shortName");
  appendJsonString(out, fm::kProgramShortName);
  out += ",\"colours\":{";
  for (const auto& colour : fm::web::kPageColours) {
    if (out.back() != '{') out += ',';
    appendJsonKey(out, colour.name);
    appendJsonString(out, colour.css);
  }
  out += "},";
  appendJsonKey(out, "themeColour");
  appendJsonString(out, fm::web::kThemeColour);
  out += ",\"inputKinds\":{";
  for (const auto& [name, kind] : fm::web::kInputKindNames) {
    if (out.back() != '{') out += ',';
    appendJsonKey(out, name);
    out += std::to_string(static_cast<int>(kind));
  }
  out += "},\"windows\":{";
  fm::Program program;
  fm::addCollection(program);
  for (const auto& window : program.windows()) {
    if (out.back() != '{') out += ',';
    appendJsonKey(out, window->name());
    out += "{\"width\":" + number(fm::toPixels(window->clientWidth())) +
           ",\"height\":" + number(fm::toPixels(window->clientHeight())) + ",\"keys\":[";
    for (const fm::PlayKey& key : window->keys()) {
      if (out.back() != '[') out += ',';
      out += "{\"code\":" + std::to_string(key.code) + ",\"symbol\":";
      appendJsonString(out, key.symbol);
      out += ",\"name\":";
      appendJsonString(out, key.name);
      out += '}';
    }
    out += "],\"twins\":[";
    for (const fm::WidgetAddress& twin : window->touchTwins()) {
      if (out.back() != '[') out += ',';
      out += "{\"widget\":";
      appendJsonString(out, twin.name);
      out += ",\"index\":" + std::to_string(twin.index) + '}';
    }
    out += "]}";
  }
  out += "},\"site\":{";
  for (const auto& [what, file] : kSiteFiles) {
    if (out.back() != '{') out += ',';
    appendJsonKey(out, what);
    appendJsonString(out, file);
  }
  return out + "}}\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: page-facts FACTS_JSON\n";
    return 2;
  }
  std::ofstream file(argv[1]);
  file << facts();
  return file.flush() ? 0 : 1;
}
