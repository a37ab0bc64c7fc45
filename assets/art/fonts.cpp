#include "assets/art/fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>

#include "platform/i18n.h"

namespace assets::art {
namespace {

// The first installed family of the list; Qt's own choice when none is.
QFont FirstInstalled(const QStringList& families, int pixels, QFont::Weight weight) {
    static const QStringList installed = QFontDatabase::families();
    QFont font;
    for (const QString& family : families)
        if (installed.contains(family)) {
            font.setFamily(family);
            break;
        }
    font.setPixelSize(std::max(pixels, 6));
    font.setWeight(weight);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

const QStringList JapaneseFallbacks = {QStringLiteral("Noto Sans CJK JP"),
                                       QStringLiteral("VL Gothic"), QStringLiteral("TakaoGothic")};

}  // namespace

QFont BrushFont(int pixels) {
    return FirstInstalled(
        QStringList{QStringLiteral("AoyagiKouzanFontT"), QStringLiteral("KouzanMouhitsu"),
                    QStringLiteral("IPAMincho")} +
            JapaneseFallbacks,
        pixels, QFont::Normal);
}

QFont GothicFont(int pixels) {
    return FirstInstalled(
        QStringList{QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic")} + JapaneseFallbacks,
        pixels, QFont::Bold);
}

QFont MinchoFont(int pixels) {
    return FirstInstalled(
        QStringList{QStringLiteral("IPAMincho"), QStringLiteral("IPAPMincho")} + JapaneseFallbacks,
        pixels, QFont::Normal);
}

QFont DisplayFont(int pixels) {
    QFont font =
        FirstInstalled(QStringList{QStringLiteral("DejaVu Serif"), QStringLiteral("DejaVu Sans")},
                       pixels, QFont::Bold);
    font.setStyleHint(QFont::Serif);
    return font;
}

bool LetteredInEnglish() {
    return platform::CurrentLanguage() == platform::Language::English;
}

QString Lettering(const char* text) {
    return QString::fromStdString(platform::Tr("Table", text));
}

}  // namespace assets::art
