#include "assets/art/panel_art.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>

#include "assets/art/device.h"
#include "assets/art/fonts.h"
#include "assets/art/sprite.h"
#include "platform/i18n.h"

namespace assets::art {
namespace {

struct Ink {
    QColor fill, outline;
};

// Letters for each background [game][choice]: light on the dark felt, gold
// on the lacquer, pale on the printed washi.
const Ink PanelInk[2][3] = {
    {{QColor(0xF6, 0xE8, 0xB8), QColor(0x0C, 0x1E, 0x10)},
     {QColor(0xF2, 0xC8, 0x5C), QColor(0x24, 0x08, 0x04)},
     {QColor(0xEE, 0xF0, 0xFF), QColor(0x08, 0x0E, 0x22)}},
    {{QColor(0xF0, 0xEC, 0xC8), QColor(0x06, 0x1C, 0x20)},
     {QColor(0xF4, 0xD0, 0x78), QColor(0x1C, 0x0E, 0x04)},
     {QColor(0xFC, 0xE4, 0xF4), QColor(0x1A, 0x08, 0x1A)}},
};

// The glyph, outlined, made small enough to keep a clear column at each side
// of its cell, so neighbouring glyphs never touch.
Sprite Glyph(QSize cell, double ratio, const QString& text, QFont font, const Ink& ink,
             bool alignRight = false) {
    qreal outline = std::max(1.0, cell.height() / 14.0);
    for (;;) {
        QPainterPath probe;
        probe.addText(0, 0, font, text);
        if (probe.boundingRect().width() + 2 * outline + 3 <= cell.width() || font.pixelSize() <= 6)
            break;
        font.setPixelSize(font.pixelSize() - 1);
    }
    return MakeSprite(cell, ratio, [&](QPainter& p) {
        OutlinedText(p, QRectF(0, 0, cell.width(), cell.height()), text, font, ink.fill,
                     ink.outline, outline, alignRight);
    });
}

// "Dealer" on one line, "Non-dealer" on two (broken after its hyphen), as
// large as the disc allows.
void EnglishSeal(QPainter& p, const QRectF& disc, const QString& text, const QColor& ink) {
    const qsizetype hyphen = text.indexOf('-');
    const QStringList lines =
        hyphen < 0 ? QStringList{text} : QStringList{text.left(hyphen + 1), text.mid(hyphen + 1)};
    const qreal room = disc.width() * 0.84;
    QFont font = DisplayFont(static_cast<int>(disc.height() * 0.3));
    for (const QString& line : lines) {
        QPainterPath probe;
        probe.addText(0, 0, font, line);
        if (probe.boundingRect().width() > room)
            font.setPixelSize(std::max(
                6, static_cast<int>(font.pixelSize() * room / probe.boundingRect().width())));
    }
    const qreal lineHeight = QFontMetricsF(font).capHeight() * 1.5;
    const qreal top = disc.center().y() - lineHeight * lines.size() / 2;
    for (int i = 0; i < lines.size(); ++i)
        OutlinedText(p, QRectF(disc.left(), top + i * lineHeight, disc.width(), lineHeight),
                     lines[i], font, ink, Qt::transparent, 0);
}

}  // namespace

QImage DigitSheet(QSize size, int game, int digitWidth, double ratio) {
    QImage sheet = BlankImage(DeviceSize(size, ratio), Qt::black);
    int h = size.height() / 6;
    QStringList glyphs;
    for (int d = 0; d < 10; ++d) glyphs << QString::number(d);
    if (game == 1) glyphs << QStringLiteral("−") << QStringLiteral("+");
    int unitX = glyphs.size() * digitWidth;
    // The unit's cell is one kanji wide: English takes the short forms.
    QString unit = game == 0 ? Lettering(TrNoop("Table", "文")) : Lettering(TrNoop("Table", "点"));
    for (int b = 0; b < 3; ++b) {
        const Ink& ink = PanelInk[game][b];
        QFont digits = GothicFont(h * 19 / 20);
        for (int i = 0; i < glyphs.size(); ++i)
            PlaceSprite(sheet, Glyph({digitWidth, h}, ratio, glyphs[i], digits, ink),
                        {i * digitWidth, 2 * b * h}, {i * digitWidth, (2 * b + 1) * h},
                        {digitWidth, h}, ratio);
        QSize unitCell(size.width() - unitX, h);
        PlaceSprite(sheet, Glyph(unitCell, ratio, unit, GothicFont(h * 17 / 20), ink),
                    {unitX, 2 * b * h}, {unitX, (2 * b + 1) * h}, unitCell, ratio);
    }
    sheet.setDevicePixelRatio(ratio);
    return sheet;
}

// A round seal: 親 in white on vermilion, 子 in cream on ink, each with a rim
// in the background's panel colour.
QImage PlateSheet(QSize size, int game, double ratio) {
    QImage sheet = BlankImage(DeviceSize(size, ratio), Qt::black);
    int w = size.width() / 6, h = size.height() / 2;
    for (int column = 0; column < 6; ++column) {
        bool dealer = column % 2 == 0;
        const Ink& ink = PanelInk[game][column / 2];
        Sprite plate = MakeSprite({w, h}, ratio, [&](QPainter& p) {
            qreal d = std::min(w, h) * 0.92;
            QRectF disc((w - d) / 2, (h - d) / 2, d, d);
            p.setPen(QPen(ink.outline, d / 28));
            p.setBrush(ink.fill);
            p.drawEllipse(disc);
            QRectF inner = disc.adjusted(d * 0.08, d * 0.08, -d * 0.08, -d * 0.08);
            p.setBrush(dealer ? QColor(0xC8, 0x24, 0x18) : QColor(0x1A, 0x1C, 0x2A));
            p.drawEllipse(inner);
            const QColor letters = dealer ? QColor(0xFF, 0xF8, 0xE8) : QColor(0xF2, 0xE6, 0xC4);
            if (LetteredInEnglish()) {
                EnglishSeal(
                    p, inner,
                    dealer ? Lettering(TrNoop("Table", "親")) : Lettering(TrNoop("Table", "子")),
                    letters);
                return;
            }
            OutlinedText(p, inner.adjusted(0, -d * 0.02, 0, 0),
                         dealer ? QStringLiteral("親") : QStringLiteral("子"),
                         BrushFont(static_cast<int>(d * 0.62)), letters, Qt::transparent, 0);
        });
        PlaceSprite(sheet, plate, {column * w, 0}, {column * w, h}, {w, h}, ratio);
    }
    sheet.setDevicePixelRatio(ratio);
    return sheet;
}

QImage NameSheet(QSize size, int game, double ratio) {
    QImage sheet = BlankImage(DeviceSize(size, ratio), Qt::black);
    int w = size.width() / 3, h = size.height() / 4;
    const QString names[2] = {Lettering(TrNoop("Table", "あなた")), QStringLiteral("COM")};
    for (int b = 0; b < 3; ++b)
        for (int who = 0; who < 2; ++who) {
            QFont font = GothicFont(h * 17 / 20);
            // Hana-awase writes the player's digit right after COM.
            bool right = game == 1 && who == 1;
            PlaceSprite(sheet, Glyph({w, h}, ratio, names[who], font, PanelInk[game][b], right),
                        {b * w, 2 * who * h}, {b * w, (2 * who + 1) * h}, {w, h}, ratio);
        }
    sheet.setDevicePixelRatio(ratio);
    return sheet;
}

}  // namespace assets::art
