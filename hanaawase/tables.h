// The constant tables of Hana-awase: yaku numbers and values, the cards of
// each yaku, and the computer players' ranks of cards.
#pragma once
#include "cards/cards.h"

// Yaku numbers, the index of every per-yaku table.
enum HanaYaku {
    FujiShima = 0,      // 藤シマ
    AmeShima = 1,       // 雨シマ
    KiriShima = 2,      // 桐シマ
    Kusa = 3,           // くさ
    Tsukimi = 4,        // 月見
    Hanami = 5,         // 花見
    Inoshikacho = 6,    // 猪鹿蝶
    Matsukiribozu = 7,  // 松桐坊主
    Nomi = 8,           // のみ
    Omotesugawara = 9,  // 表菅原
    RokuTan = 10,       // 六タン
    Akatan = 11,        // 赤タン
    Aotan = 12,         // 青タン
    NanaTan = 13,       // 七タン
    Shiko = 14,         // 四光
    Goko = 15,          // 五光
};

extern const int HanaYakuValue[16];

// The full card set of each yaku, as the target scoring walks it.
struct HanaYakuCards {
    int count;
    int cards[9];
};
extern const HanaYakuCards YakuTargets[16];
// How many of a yaku's cards a player holds when one capture is missing.
extern const int HanaReachCount[16];

// The field card a computer player most wants to take: higher is better.
extern const int CaptureRank[CardCount];
// Which card a computer player throws away first: the lowest goes.
extern const int KeepRank[CardCount];

// Kind of a card by its points: 0 bright, 1 animal, 2 ribbon, 3 chaff.
inline int HanaKindOf(int card) {
    return CategoryOf(card);
}

constexpr int WillowRibbon = 42;  // 柳's ribbon, not counted for 六タン / 七タン
constexpr int WillowBright = 40;  // 柳に道風, not counted for 四光
