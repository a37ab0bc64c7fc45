// A small INI file of integer values, for the program's own preferences.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace platform {

using IniValues = std::vector<std::pair<std::string, int>>;

// Reads the integer values of `path` ("group/key" names). A key that is
// missing or not a whole number is left out; a file that is missing, is not a
// regular file or is larger than a few KiB gives nothing.
IniValues ReadIniIntegers(const std::string& path);

// Writes `values` to `path`, replacing the file in one rename. False when it
// could not be written.
bool WriteIniIntegers(const std::string& path, const IniValues& values);

}  // namespace platform
