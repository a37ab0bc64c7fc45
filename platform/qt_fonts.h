// Inside the platform layer: the Qt font behind each of our fonts.
#pragma once
#include <QFont>

#include "platform/surface.h"

namespace platform {
const QFont& FontFor(Font font);
}
