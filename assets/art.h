// The pictures behind the catalogue. The catalogue asks for each image once,
// at its catalogued size; whoever draws the art implements these.
#pragma once
#include "platform/surface.h"

namespace assets {

// Table image `base` of set `resolution` (0..2) at logical `size`, drawn at
// `ratio` device pixels to a logical one.
platform::Surface RenderTableImage(int base, int resolution, platform::Size size, double ratio);
platform::Surface RenderTitle(platform::Size size, double ratio);
platform::Surface RenderIcon(int pixels);

}  // namespace assets
