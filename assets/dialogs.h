// The dialog templates, by number.
#pragma once
#include "platform/dialog.h"

namespace assets {
// The template with this number; an empty one for an unknown number.
const platform::DialogTemplate& DialogTemplateFor(int number);
}  // namespace assets
