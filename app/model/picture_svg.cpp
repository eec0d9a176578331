#include "app/model/picture_svg.h"

#include <string_view>

namespace fm {
namespace {

std::string escapedForXml(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

void replaceAll(std::string& text, std::string_view slot, const std::string& value) {
  for (auto at = text.find(slot); at != std::string::npos; at = text.find(slot, at)) {
    text.replace(at, slot.size(), value);
    at += value.size();
  }
}

}  // namespace

std::string pictureSvg(std::string drawing, const PictureAsset& asset) {
  replaceAll(drawing, "{{text}}", escapedForXml(asset.text));
  replaceAll(drawing, "{{fill}}", escapedForXml(asset.fill));
  replaceAll(drawing, "{{ink}}", escapedForXml(asset.ink));
  if (!asset.turned) return drawing;
  const auto root = drawing.find("<svg");
  const auto contentStart = drawing.find('>', root);
  const auto contentEnd = drawing.rfind("</svg>");
  if (root == std::string::npos || contentStart == std::string::npos ||
      contentEnd == std::string::npos || contentEnd < contentStart) {
    return drawing;
  }
  drawing.insert(contentEnd, "</g>");
  drawing.insert(contentStart + 1, "<g transform=\"translate(" + std::to_string(asset.widthPx) +
                                       " " + std::to_string(asset.heightPx) + ") rotate(180)\">");
  return drawing;
}

}  // namespace fm
