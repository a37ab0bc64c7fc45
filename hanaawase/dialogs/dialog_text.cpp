#include "hanaawase/dialogs/dialog_text.h"

#include <algorithm>
#include <cstdlib>

#include "core/program.h"
#include "display/display.h"
#include "hanaawase/ui/layout_tables.h"
#include "platform/i18n.h"
#include "table/dialog_text.h"

namespace {
constexpr int LargestShown = 9999;
const char* const FullWidthDigits[10] = {"０", "１", "２", "３", "４",
                                         "５", "６", "７", "８", "９"};
}  // namespace

const char* const HanaPlayerNames[3] = {TrNoop("HanaAwase", "あなた"),
                                        TrNoop("HanaAwase", "ＣＯＭ１"),
                                        TrNoop("HanaAwase", "ＣＯＭ２")};

std::string HanaFullWidthNumber(int n) {
    long magnitude = std::labs(static_cast<long>(n));
    if (magnitude > LargestShown) magnitude = LargestShown;
    std::string digits = std::to_string(magnitude);
    std::string text;
    for (char d : digits) text += FullWidthDigits[d - '0'];
    return text;
}

const char* HanaSignText(int n) {
    return n > 0 ? "＋" : n == 0 ? "±" : "－";
}

bool HanaInJapanese() {
    return platform::CurrentLanguage() == platform::Language::Japanese;
}

std::string HanaNumber(int n) {
    if (HanaInJapanese()) return HanaFullWidthNumber(n);
    return std::to_string(
        std::min(std::labs(static_cast<long>(n)), static_cast<long>(LargestShown)));
}

std::string HanaPoints(int n) {
    return HanaInJapanese() ? HanaFullWidthNumber(n) + "点"
                            : platform::WithArg(platform::Tr("HanaAwase", "%1点"), HanaNumber(n));
}

std::string HanaSignedPoints(int n) {
    std::string text = n > 0 ? "+" : n == 0 ? "±" : "-";
    text += HanaPoints(n);
    return text;
}

std::string HanaPlayerName(int p) {
    return platform::Tr("HanaAwase", HanaPlayerNames[p]);
}

void HanaDialogFace::Text(int column, int line, const std::string& text) const {
    TextAt(column * charWidth, line * charHeight, text);
}

void HanaDialogFace::TextAt(int x, int y, const std::string& text,
                            platform::Color background) const {
    table::WriteText(face, x, y, text, table::TextColor(), background);
}

void HanaDialogFace::TextAt(int x, int y, const std::string& text) const {
    table::WriteText(face, x, y, text);
}

void HanaBlitCard(platform::Surface& face, int x, int y, int card) {
    if (card < 0 || card > 48 || !faceImages[card]) return;
    platform::BitBlt(face, x, y, HanaDialogCardWidth(), HanaDialogCardHeight(), *faceImages[card],
                     0, 0);
}

int HanaDialogCardWidth() {
    return CardWidth[resolution];
}
int HanaDialogCardHeight() {
    return CardHeight[resolution];
}
