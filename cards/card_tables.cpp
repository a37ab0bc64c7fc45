#include "cards/cards.h"

// One row a month: the four cards from 4m to 4m + 3.
const int CardValue[CardCount] = {
    20, 5,  1, 1,  // 松: 鶴, 赤タン, カス, カス
    10, 5,  1, 1,  // 梅: 鶯, 赤タン
    20, 5,  1, 1,  // 桜: 幕, 赤タン
    10, 5,  1, 1,  // 藤: ほととぎす, タン
    10, 5,  1, 1,  // 菖蒲: 八橋, タン
    10, 5,  1, 1,  // 牡丹: 蝶, 青タン
    10, 5,  1, 1,  // 萩: 猪, タン
    20, 10, 1, 1,  // 芒: 月, 雁
    10, 5,  1, 1,  // 菊: 盃, 青タン
    10, 5,  1, 1,  // 紅葉: 鹿, 青タン
    20, 10, 5, 1,  // 柳: 道風, 燕, タン, カス
    20, 1,  1, 1,  // 桐: 鳳凰, カス x3
};

int CategoryOf(int card) {
    switch (CardValue[card]) {
        case 20:
            return 0;
        case 10:
            return 1;
        case 5:
            return 2;
        default:
            return 3;
    }
}
