// Everything a Koi-Koi game keeps: fixed arrays in one program-wide record.
//
// Player 0 is the human, player 1 the computer. -1 marks an empty slot in
// every card array and an unset slot index.
#pragma once
#include <cstdint>
#include <vector>

constexpr int HandSlots = 9;  // 0..7 the dealt cards, 8 the card just drawn
constexpr int DrawnSlot = 8;
// Slots 0..15 are the table's places; 16..19 take the rare seventeenth card
// and beyond, so that no card is ever laid over another.
constexpr int FieldSlots = 20;
constexpr int StockSize = 24;
constexpr int PileCapacity = 24;
constexpr int TurnCaptureCapacity = 8;  // a turn takes at most eight cards
constexpr int YakuCount = 12;
constexpr int ReachCardCapacity = 15;
constexpr int LiveReachCardCapacity = 48;

// Yaku indices, in the order of every yaku array.
enum Yaku {
    YakuKasu = 0,     // カス
    YakuTan = 1,      // タン
    YakuTane = 2,     // タネ
    YakuHanamizake,   // 花見酒
    YakuTsukimizake,  // 月見酒
    YakuInoshikacho,  // 猪鹿蝶
    YakuAkatan,       // 赤タン
    YakuAotan,        // 青タン
    YakuSanko,        // 三光
    YakuAmeshiko,     // 雨四光
    YakuShiko,        // 四光
    YakuGoko,         // 五光
};

// Pile categories.
constexpr int PileLight = 0;  // 光
constexpr int PileTane = 1;   // タネ
constexpr int PileTan = 2;    // タン
constexpr int PileKasu = 3;   // カス

struct KoiKoiState {
    int hands[2][HandSlots];
    int handCount[2];
    int field[FieldSlots];
    int stock[StockSize];
    int stockLeft;
    int matchSlots[2][HandSlots][3];
    int matchCount[2][HandSlots];
    int piles[2][4][PileCapacity];
    int pileCount[2][4];
    int turnCaptures[4][TurnCaptureCapacity];
    int turnCaptureCount[4];
    int capturePairs[FieldSlots][2];
    int firstCaptureSlot;
    int selectedHandSlot;
    int chosenFieldSlot;
    int dealer;
    int playerToMove;
    int handIndex;
    int yakuAnnounced[2];
    int yakuMade[2][YakuCount];
    int yakuReach[2][YakuCount];
    int reachCards[2][YakuCount][ReachCardCapacity];
    int reachCardCount[2][YakuCount];
    int yakuChance[2][YakuCount];
    int liveReachCards[2][YakuCount][LiveReachCardCapacity];
    int liveReachCardCount[2][YakuCount];
    int handScore;
    // For each player, the months that lay on the field whenever it laid a
    // hand card down without taking anything: months it showed it lacked.
    int lackingMonths[2];
    int gameTotal[2];
    std::vector<int> handScores[2];  // 文 per hand; -1 while the hand runs
    uint32_t tickBase;
    int tickCounter;
};

extern KoiKoiState koi;

// Clears every array that belongs to one hand (hands, field, stock, piles,
// matches, reach state, estimates, announcements) and puts the dealer to move.
void ResetHandState();
// A turn starts with no captures and no pairs on the table.
void ResetTurnState();
// The pairs shown on the field have flown to the piles.
void ClearCapturePairs();
// Frees the per-hand score lists; the game is over or abandoned.
void ReleaseKoiKoiGame();

// Whether `card` lies in the first `count` entries of `cards`.
inline bool ListHolds(const int* cards, int count, int card) {
    for (int i = 0; i < count; ++i)
        if (cards[i] == card) return true;
    return false;
}
