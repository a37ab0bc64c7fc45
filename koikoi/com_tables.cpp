#include "cards/cards.h"
#include "koikoi/com.h"

// カス タン タネ 花見酒 月見酒 猪鹿蝶 赤タン 青タン 三光 雨四光 四光 五光
const int ChanceDivisor[12] = {5, 5, 5, 5, 5, 3, 3, 3, 3, 2, 1, 1};

// One row a month, as the deck runs.
const int CapturePriority[CardCount] = {
    44, 32, 25, 26,  // 松
    23, 33, 15, 16,  // 梅
    46, 34, 27, 28,  // 桜
    4,  8,  0,  1,   // 藤
    5,  9,  2,  3,   // 菖蒲
    38, 35, 17, 18,  // 牡丹
    39, 24, 13, 14,  // 萩
    47, 41, 11, 12,  // 芒
    42, 36, 19, 20,  // 菊
    40, 37, 21, 22,  // 紅葉
    43, 10, 7,  6,   // 柳
    45, 29, 30, 31,  // 桐
};

const int YakuCardList[YakuCardListSize] = {
    8,  32, 28,          // 花見酒 and 月見酒
    20, 24, 36,          // 猪鹿蝶
    1,  5,  9,           // 赤タン
    21, 33, 37,          // 青タン
    0,  8,  28, 44, 40,  // the lights
};
