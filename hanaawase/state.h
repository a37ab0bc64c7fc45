// Everything a Hana-awase game keeps: the cards of the hand in play, what each
// player has taken, the yaku-watch tables, the settlement and the game's
// scores. One record in static storage, read by the table and its dialogs.
#pragma once
#include <cstdint>
#include <vector>

constexpr int HanaPlayers = 3;
constexpr int HanaHandSlots = 8;  // slots 0..6 hold the dealt cards, 7 the card just drawn
constexpr int HanaDrawnSlot = 7;
constexpr int HanaFieldSlots = 16;
constexpr int HanaStockSize = 21;
constexpr int HanaKinds = 4;  // 0 brights, 1 animals, 2 ribbons, 3 chaff
constexpr int HanaYakuCount = 16;
constexpr int HanaWantedRoom = 2;
constexpr int HanaTurnRoom = 6;
// Marks a yaku that can no longer be made, or that the computer players'
// target scoring skips; it stands in the first wanted entry.
constexpr int HanaNoLongerWanted = -2;

// Room of each captured list: 5 brights, 9 animals, 10 ribbons, 24 chaff.
constexpr int HanaKindRoom[HanaKinds] = {5, 9, 10, 24};

// Marks a hand without a score yet: below any score a hand can make.
inline constexpr int HanaHandNotPlayed = -1000000;

struct HanaAwaseState {
    // The hand in play.
    int hands[HanaPlayers][HanaHandSlots];
    int handCount[HanaPlayers];
    int field[HanaFieldSlots];
    int stock[HanaStockSize];
    int stockCount;
    int matchCount[HanaPlayers][HanaHandSlots];
    int matchSlots[HanaPlayers][HanaHandSlots][3];
    int capturePairs[HanaFieldSlots][2];
    int firstCaptureSlot;
    int captured[HanaPlayers][HanaKinds][24];
    int capturedCount[HanaPlayers][HanaKinds];
    int turnCaptured[HanaKinds][HanaTurnRoom];
    int turnCapturedCount[HanaKinds];
    int madeYaku[HanaPlayers][HanaYakuCount];
    int reach[HanaPlayers][HanaYakuCount];
    int wanted[HanaPlayers][HanaYakuCount][HanaWantedRoom];
    int wantedCount[HanaPlayers][HanaYakuCount];
    int targetScore[HanaPlayers][HanaYakuCount];
    int missing[HanaPlayers][HanaYakuCount][48];
    int missingCount[HanaPlayers][HanaYakuCount];
    // For each player, the months that lay on the field whenever it laid a
    // hand card down without taking anything: months it showed it lacked.
    int lackingMonths[HanaPlayers];
    // For each player, the cards (bit c for card c) that the specified
    // computer players' rules show it cannot hold, had it played by them.
    uint64_t ruledOut[HanaPlayers];
    int cardPoints[HanaPlayers];
    int yakuPoints[HanaPlayers];
    int handScore[HanaPlayers];
    // The shuffled deck this hand was dealt from, kept for traces and tests.
    int deck[48];

    // The game.
    int dealer;
    int handsCompleted;
    int totalScore[HanaPlayers];
    // Each hand's score; HanaHandNotPlayed while a hand runs.
    std::vector<int> scoreHistory[HanaPlayers];

    // The user's turn between two calls of the step function.
    int chosenHandSlot;
    int chosenFieldSlot;
    int tickCounter;
    unsigned tickBase;
};

extern HanaAwaseState hana;

// Clears every hand-level array: cards, matches, captures, yaku-watch tables.
void HanaClearHand();
// Frees the per-player score lists of a game.
int HanaReleaseGame();
