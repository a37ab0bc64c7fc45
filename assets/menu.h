// Menu 169, the main window's menu bar, and the command ids.
#pragma once
#include <vector>

#include "platform/window.h"

namespace cmd {
constexpr int NewGame = 40004;
constexpr int ScoreTable = 40005;
constexpr int Records = 40006;
constexpr int Exit = 40007;
constexpr int SoundEffects = 40008;
constexpr int ShowCapturable = 40009;
constexpr int Animation = 40010;
constexpr int Music1 = 40012;  // .. 40014, then 40015 none
constexpr int MusicNone = 40015;
constexpr int Resolution640 = 40016;  // .. 40018
constexpr int Background1 = 40019;    // .. 40021
constexpr int HelpTopics = 40022;
constexpr int HomePage = 40024;
constexpr int About = 40025;
constexpr int KoiKoiYaku = 40026;
constexpr int HanaAwaseYaku = 40027;
// The computer's strength: やさしい, ふつう, つよい (comLevel 0..2).
constexpr int ComLevelGentle = 40030;  // .. 40032
// .. 40042: automatic, Japanese, English (the value of languageChoice).
constexpr int LanguageAutomatic = 40040;
// Full screen on and off (F11; Esc leaves it).
constexpr int FullScreen = 40050;
}  // namespace cmd

namespace assets {
const std::vector<platform::MenuItem>& MainMenu();
}
