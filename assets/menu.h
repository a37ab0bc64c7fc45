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
// The radio groups are consecutive ids, in the order of their choices.
constexpr int Music1 = 40012;
constexpr int Music2 = 40013;
constexpr int Music3 = 40014;
constexpr int MusicNone = 40015;
constexpr int Resolution640 = 40016;
constexpr int Resolution800 = 40017;
constexpr int Resolution1024 = 40018;
constexpr int Background1 = 40019;
constexpr int Background2 = 40020;
constexpr int Background3 = 40021;
constexpr int HelpTopics = 40022;
constexpr int HomePage = 40024;
constexpr int About = 40025;
constexpr int KoiKoiYaku = 40026;
constexpr int HanaAwaseYaku = 40027;
// The computer's strength: やさしい, ふつう, つよい (comLevel 0..2).
constexpr int ComLevelGentle = 40030;
constexpr int ComLevelNormal = 40031;
constexpr int ComLevelStrong = 40032;
// The value of languageChoice: automatic, Japanese, English.
constexpr int LanguageAutomatic = 40040;
constexpr int LanguageJapanese = 40041;
constexpr int LanguageEnglish = 40042;
// Full screen on and off (F11; Esc leaves it).
constexpr int FullScreen = 40050;
}  // namespace cmd

namespace assets {
const std::vector<platform::MenuItem>& MainMenu();
}
