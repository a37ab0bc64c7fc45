// The dialog templates, by number.
#pragma once
#include "platform/dialog.h"

namespace dlg {
constexpr int GameSettings = 168;  // 対局設定
constexpr int About = 199;
constexpr int Records = 206;  // 成績表
// Koi-Koi's score table for 12 hands or unlimited, and for 6 hands.
constexpr int KoiKoiScoreTable = 208;
constexpr int KoiKoiScoreTableSixHands = 1204;
// Hana-awase's results table for 6 hands, and for 12 hands or unlimited.
constexpr int HanaResultsSixHands = 209;
constexpr int HanaResultsTwelveHands = 210;
constexpr int KoiKoiYakuMade = 211;  // 勝負 or こいこい
constexpr int HanaYakuMade = 212;
constexpr int OyakenNotice = 213;
constexpr int YakuCards = 214;  // the cards of one yaku, from either yaku list
constexpr int KoiKoiYakuList = 215;
constexpr int HanaYakuList = 216;
constexpr int HanaScoreSheet = 218;  // 点数計算
}  // namespace dlg

namespace assets {
// The template with this number; an empty one for an unknown number.
const platform::DialogTemplate& DialogTemplateFor(int number);
}  // namespace assets
