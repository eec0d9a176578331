#pragma once

#include <string>

#include "app/model/picture.h"

namespace fm {

// The SVG text of a picture as every host shows it: its drawing with the {{text}}, {{fill}} and
// {{ink}} slots filled in from the asset (escaped for XML), and for a turned picture the whole
// drawing turned by 180° about its centre. Drawings are sized in pixels: their viewBox is
// "0 0 width height".
std::string pictureSvg(std::string drawing, const PictureAsset& asset);

}  // namespace fm
