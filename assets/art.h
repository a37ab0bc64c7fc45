// The pictures behind the catalogue. The catalogue asks for each image once,
// at its catalogued size; whoever draws the art implements these.
#pragma once
#include "platform/surface.h"

namespace assets {

// Table image `base` of set `resolution` (0..2) at `size`.
platform::Surface RenderTableImage(int base, int resolution, platform::Size size);
platform::Surface RenderTitle(platform::Size size);
platform::Surface RenderIcon(int pixels);

}  // namespace assets
