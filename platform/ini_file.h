// A small INI file of integer values, for the program's own preferences.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace platform {

using IniValues = std::vector<std::pair<std::string, int>>;

// The integer values of an INI text, named "group/key" ("key" for the
// [General] group). A key whose value is not a whole number is left out.
// False when the text is not an INI file at all (a line that is neither a
// group, a key=value pair, a comment nor blank).
bool ParseIniIntegers(const std::string& text, IniValues& values);

// The INI text of `values`, one [group] a prefix, keys in the given order.
std::string FormatIniIntegers(const IniValues& values);

}  // namespace platform
