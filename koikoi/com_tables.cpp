#include "koikoi/com.h"

// カス タン タネ 花見酒 月見酒 猪鹿蝶 赤タン 青タン 三光 雨四光 四光 五光
const int ChanceDivisor[12] = {5, 5, 5, 5, 5, 3, 3, 3, 3, 2, 1, 1};

const int YakuCardList[YakuCardListSize] = {
    8,  32, 28,          // 花見酒 and 月見酒
    20, 24, 36,          // 猪鹿蝶
    1,  5,  9,           // 赤タン
    21, 33, 37,          // 青タン
    0,  8,  28, 44, 40,  // the lights
};
