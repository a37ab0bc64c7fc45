// Standard MIDI files (format 1) from a parsed song.
#pragma once
#include <string>

#include "tools/midi/score.h"

namespace midi {

std::string SmfBytes(const Song& song);

}  // namespace midi
