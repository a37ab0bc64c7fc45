// settei.dat: the ten settings of program.h as ten digits and a NUL.
//
//   currentGame resolution backgroundChoice musicChoice showCapturableOn
//   animationOn soundEffectsOn handsOption sakeOption oyakenOption
#pragma once
#include <string>

constexpr int SettingsFieldCount = 10;
constexpr int SettingsFileSize = 11;

// Reads the file once at start-up; a missing, short or damaged file gives 0
// for every field it cannot supply, and a file not in this format is set
// aside whole (see SetAsideForeignFile). Fixes where later saves go.
int LoadSettings();
// Writes the file as exactly the eleven bytes. Does nothing before LoadSettings has chosen the
// file.
int SaveSettings();

// The format itself, for the loader, the saver and the tests. ParseSettings
// reads every field it can and returns false when the text is not the
// program's own (anything but digits before the NUL or line end).
bool ParseSettings(const std::string& bytes);
std::string FormatSettings();

std::string SettingsPath();
