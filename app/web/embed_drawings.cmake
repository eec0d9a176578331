# Writes OUTPUT, a C++ source that holds the text of every drawing in DRAWINGS (a list of SVG
# files below ASSETS), for fm::web::drawingText.
set(entries "")
foreach(file IN LISTS DRAWINGS)
  file(RELATIVE_PATH name ${ASSETS} ${file})
  string(REGEX REPLACE "\\.svg$" "" name ${name})
  file(READ ${file} text)
  string(APPEND entries "    {\"${name}\", R\"svg(${text})svg\"},\n")
endforeach()
file(WRITE ${OUTPUT} "// Made by app/web/embed_drawings.cmake from the drawings of assets/.
#include <string_view>

#include \"app/web/dom_view.h\"

namespace fm::web {
namespace {

struct Drawing {
  std::string_view name;
  std::string_view text;
};

constexpr Drawing kDrawings[] = {
${entries}};

}  // namespace

std::string_view drawingText(std::string_view name) {
  for (const Drawing& drawing : kDrawings) {
    if (drawing.name == name) return drawing.text;
  }
  return {};
}

}  // namespace fm::web
")
