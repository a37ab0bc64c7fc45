// The Koi-Koi dialogs: the yaku made, the 親権 notice, the score table and
// the yaku reference with its cards, and the kanji numbers they write.
#pragma once
#include <string>

#include "platform/surface.h"

namespace koiui {

// n (0 or more) in kanji: 「〇」, 「十五」, 「二千」; 10000 and above read
// 「九千九百九十九」.
std::string NumberToKanji(int n);
// An amount of mon as the dialogs write it: 「十五文」 in Japanese, "15 mon"
// in English, where the numbers are Arabic.
std::string MonText(int n);
// The label of hand `hand` (1 for the first) in the score table: 「一月」,
// "Month 1".
std::string HandLabel(int hand);

// The yaku made by `player`, handScore and yakuMade already formed: 1 for
// 勝負, 0 for こいこい. comAnswer is the computer's decision, the only button
// enabled; -1 for the human.
int YakuMadeDialog(int player, int comAnswer);
// The dialog's lines: 「カス  三文」 for one yaku of player p, 「合計  十五文」.
std::string YakuEntryText(int p, int yaku);
std::string YakuTotalText();
// Whose yaku the dialog shows, on its first line.
std::string YakuOwnerText(int p);
// Who takes the three 文 of the dealer's right.
std::string OyakenTakerText();
int ShowOyakenNotice();
int ShowScoreTable();
// The rows of the score table and the hand shown in its first row (0 for
// 「一月」).
struct ScoreTableRows {
    int rows, first;
};
ScoreTableRows ScoreTableShown();
int ShowYakuReference();
int ShowYakuCards(int entry);

// The cards of yaku `yaku` of player p, full size, within three card widths
// from (x, y).
int DrawYakuCards(platform::Surface& face, int x, int y, int p, int yaku);

}  // namespace koiui
