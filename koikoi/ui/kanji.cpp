#include <algorithm>

#include "koikoi/ui/dialogs.h"
#include "platform/i18n.h"

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

namespace {
bool InJapanese() {
    return platform::CurrentLanguage() == platform::Language::Japanese;
}
// Arabic numerals stop where the kanji ones do.
std::string Arabic(int n) {
    return std::to_string(std::clamp(n, 0, 9999));
}
}  // namespace

std::string MonText(int n) {
    return InJapanese() ? NumberToKanji(n) + "文"
                        : platform::WithArg(platform::Tr("KoiKoi", "%1文"), Arabic(n));
}

std::string HandLabel(int hand) {
    return InJapanese() ? NumberToKanji(hand) + "月"
                        : platform::WithArg(platform::Tr("KoiKoi", "%1月"), Arabic(hand));
}

}  // namespace koiui
