#include "koikoi/ui/dialogs.h"

namespace koiui {

std::string NumberToKanji(int n) {
    static const char* const Digits[10] = {"〇", "一", "二", "三", "四",
                                           "五", "六", "七", "八", "九"};
    if (n >= 10000) return "九千九百九十九";
    if (n <= 0) return Digits[0];
    std::string text;
    // A place's digit is written only above one: 「十」, 「百十」, 「千」.
    if (n >= 2000) text += Digits[n / 1000];
    if (n >= 1000) text += "千";
    if (n % 1000 >= 200) text += Digits[n % 1000 / 100];
    if (n % 1000 >= 100) text += "百";
    if (n % 100 >= 20) text += Digits[n % 100 / 10];
    if (n % 100 >= 10) text += "十";
    if (n % 10 != 0) text += Digits[n % 10];
    return text;
}

}  // namespace koiui
