// Stand-in art: plain, clearly provisional pictures at the exact catalogued
// sizes and cell layouts, so that every table and dialog can be built and
// tested before the real deck is drawn. Each card says its month and points.
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTransform>

#include "assets/art.h"
#include "cards/cards.h"

namespace assets {
namespace {

using platform::Size;
using platform::Surface;

const char* const MonthNames[12] = {"松", "梅", "桜", "藤",   "菖蒲", "牡丹",
                                    "萩", "芒", "菊", "紅葉", "柳",   "桐"};

QFont Gothic(int pixels) {
    QFont f(QStringLiteral("IPAGothic"));
    f.setPixelSize(std::max(pixels, 6));
    return f;
}

QImage Blank(Size s, QColor c) {
    QImage img(s.width, s.height, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

void CentredText(QPainter& p, QRect r, const QString& text, QColor color, int pixels) {
    p.setFont(Gothic(pixels));
    p.setPen(color);
    p.drawText(r, Qt::AlignCenter, text);
}

QImage CardFace(int card, Size s) {
    QImage img = Blank(s, QColor(0xF4, 0xEC, 0xD6));
    QPainter p(&img);
    p.setPen(QColor(0x30, 0x20, 0x18));
    p.drawRect(0, 0, s.width - 1, s.height - 1);
    if (card == CardBack) {
        p.fillRect(2, 2, s.width - 4, s.height - 4, QColor(0x3A, 0x18, 0x10));
        return img;
    }
    static const QColor KindColour[4] = {QColor(200, 30, 30), QColor(40, 60, 150),
                                         QColor(190, 60, 90), QColor(120, 120, 110)};
    int kind = CategoryOf(card);
    p.fillRect(3, s.height * 2 / 3, s.width - 6, s.height / 3 - 3, KindColour[kind]);
    CentredText(p, QRect(0, 2, s.width, s.height / 3), QString::fromUtf8(MonthNames[card / 4]),
                Qt::black, s.height / 5);
    CentredText(p, QRect(0, s.height / 3, s.width, s.height / 3), QString::number(CardValue[card]),
                Qt::black, s.height / 5);
    CentredText(p, QRect(0, s.height * 2 / 3, s.width, s.height / 3 - 3), QString::number(card),
                Qt::white, s.height / 7);
    return img;
}

QImage Turned(int card, Size s, bool anticlockwise) {
    QImage upright = CardFace(card, {s.height, s.width});
    return upright.transformed(QTransform().rotate(anticlockwise ? -90 : 90));
}

// A ring round a card: the frames glow brighter from 0 to 4; the mask is black
// on the ring and white elsewhere, so that AND clears the ring and OR fills it.
QImage GlowStrip(Size s) {
    QImage img = Blank(s, Qt::black);
    QPainter p(&img);
    int cw = s.width / 6, ch = s.height;
    int ring = std::max(2, cw / 12);
    for (int cell = 0; cell < 6; ++cell) {
        QRect outer(cell * cw, 0, cw, ch);
        QRect inner = outer.adjusted(ring, ring, -ring, -ring);
        if (cell == 5) {
            p.fillRect(outer, Qt::black);
            p.fillRect(inner, Qt::white);
        } else {
            p.fillRect(outer, QColor(255, 120 + cell * 30, 40 + cell * 20));
            p.fillRect(inner, Qt::black);
        }
    }
    return img;
}

// Text as a picture on black (for OR) and its mask, black text on white (for AND).
void GlyphCell(QPainter& pic, QPainter& mask, QRect r, const QString& text, QColor colour) {
    pic.setFont(Gothic(r.height() * 9 / 10));
    mask.setFont(pic.font());
    pic.setPen(colour);
    mask.setPen(Qt::black);
    pic.drawText(r, Qt::AlignCenter, text);
    mask.drawText(r, Qt::AlignCenter, text);
}

const QColor PanelColour[3] = {QColor(255, 240, 180), QColor(255, 255, 255), QColor(255, 200, 120)};

// Rows 2b and 2b + 1: picture and mask for background b.
QImage GlyphSheet(Size s, int rows, const std::vector<std::pair<QRect, QString>>& cells,
                  int rowHeight, bool rowPerBackground) {
    QImage img = Blank(s, Qt::black);
    QPainter p(&img);
    for (int b = 0; b < rows; ++b) {
        int picY = rowPerBackground ? 2 * b * rowHeight : 0;
        int maskY = picY + rowHeight;
        QImage pic = Blank({s.width, rowHeight}, Qt::black);
        QImage mask = Blank({s.width, rowHeight}, Qt::white);
        QPainter pp(&pic), mp(&mask);
        for (const auto& [r, text] : cells) GlyphCell(pp, mp, r, text, PanelColour[b]);
        p.drawImage(0, picY, pic);
        p.drawImage(0, maskY, mask);
    }
    return img;
}

QImage DigitSheet(Size s, int digitWidth, int unitWidth, bool signs, const char* unit) {
    int h = s.height / 6;
    std::vector<std::pair<QRect, QString>> cells;
    for (int d = 0; d < 10; ++d)
        cells.push_back({QRect(d * digitWidth, 0, digitWidth, h), QString::number(d)});
    int x = 10 * digitWidth;
    if (signs) {
        cells.push_back({QRect(x, 0, digitWidth, h), QStringLiteral("-")});
        cells.push_back({QRect(x + digitWidth, 0, digitWidth, h), QStringLiteral("+")});
        x += 2 * digitWidth;
    }
    cells.push_back({QRect(x, 0, unitWidth, h), QString::fromUtf8(unit)});
    return GlyphSheet(s, 3, cells, h, true);
}

// Six columns: 親 and 子 for each background; row 0 pictures, row 1 masks.
QImage PlateSheet(Size s) {
    int w = s.width / 6, h = s.height / 2;
    QImage img = Blank(s, Qt::black);
    QPainter p(&img);
    for (int col = 0; col < 6; ++col) {
        QRect pic(col * w, 0, w, h), mask(col * w, h, w, h);
        p.fillRect(mask, Qt::white);
        p.setBrush(PanelColour[col / 2]);
        p.setPen(Qt::NoPen);
        p.drawEllipse(pic.adjusted(2, 2, -2, -2));
        p.setBrush(Qt::black);
        p.drawEllipse(mask.adjusted(2, 2, -2, -2));
        CentredText(p, pic, QString::fromUtf8(col % 2 ? "子" : "親"), Qt::black, h / 2);
    }
    return img;
}

// One column per background: rows あなた, its mask, COM, its mask.
QImage NameSheet(Size s) {
    int w = s.width / 3, h = s.height / 4;
    QImage img = Blank(s, Qt::black);
    QPainter p(&img);
    for (int b = 0; b < 3; ++b) {
        for (int who = 0; who < 2; ++who) {
            QImage pic = Blank({w, h}, Qt::black), mask = Blank({w, h}, Qt::white);
            QPainter pp(&pic), mp(&mask);
            GlyphCell(pp, mp, QRect(0, 0, w, h), QString::fromUtf8(who ? "COM" : "あなた"),
                      PanelColour[b]);
            p.drawImage(b * w, 2 * who * h, pic);
            p.drawImage(b * w, (2 * who + 1) * h, mask);
        }
    }
    return img;
}

QImage Banner(Size s, const char* text, QColor back, QColor fore) {
    QImage img = Blank(s, back);
    QPainter p(&img);
    p.setPen(fore);
    p.drawRect(2, 2, s.width - 5, s.height - 5);
    CentredText(p, QRect(0, 0, s.width, s.height), QString::fromUtf8(text), fore, s.height / 2);
    return img;
}

// Black with one diagonal white band in the middle.
QImage SweepStrip(Size s) {
    QImage img = Blank(s, Qt::black);
    int band = s.height / 2;
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x) {
            int d = x + y - s.width / 2;
            if (d >= -band / 2 && d < band / 2) img.setPixel(x, y, qRgb(255, 255, 255));
        }
    return img;
}

// White on 1/8, 1/2, 7/8 or all of the pixels.
QImage Dither(Size s, int level) {
    QImage img = Blank(s, Qt::black);
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x) {
            bool eighth = x % 4 == 0 && y % 2 == 0;
            bool half = (x + y) % 2 == 0;
            bool white = level == 0 ? eighth : level == 1 ? half : level == 2 ? !eighth : true;
            if (white) img.setPixel(x, y, qRgb(255, 255, 255));
        }
    return img;
}

QImage Checkerboard(Size s) {
    return Dither(s, 1);
}

QImage Background(Size s, int game, int choice) {
    static const QColor Colours[2][3] = {
        {QColor(22, 92, 52), QColor(96, 34, 28), QColor(30, 46, 92)},
        {QColor(28, 84, 70), QColor(110, 70, 30), QColor(54, 40, 90)},
    };
    QImage img = Blank(s, Colours[game][choice]);
    QPainter p(&img);
    p.setPen(Colours[game][choice].lighter(130));
    p.setFont(Gothic(12));
    p.drawText(8, s.height - 24, QStringLiteral("stand-in background"));
    return img;
}

QImage Label(Size s) {
    QImage img = Blank(s, QColor(20, 20, 60));
    QPainter p(&img);
    CentredText(p, QRect(0, 0, s.width, s.height), QStringLiteral("Kirabo ホーム"),
                QColor(160, 200, 255), s.height * 3 / 4);
    return img;
}

}  // namespace

Surface RenderTableImage(int base, int r, Size s) {
    static const int KoiDigitW[3] = {14, 17, 20}, KoiMonW[3] = {20, 24, 29};
    static const int HanaDigitW[3] = {12, 15, 19}, HanaUnitW[3] = {18, 24, 31};
    if (base <= 48) return Surface(CardFace(base, s));
    if (base >= 100 && base <= 148) return Surface(Turned(base - 100, s, true));
    if (base >= 200 && base <= 248) return Surface(Turned(base - 200, s, false));
    switch (base) {
        case 300:
            return Surface(GlowStrip(s));
        case 301:
            return Surface(Label(s));
        case 302:
            return Surface(Checkerboard(s));
        case 400:
            return Surface(Banner(s, "あなたの勝ち", QColor(150, 20, 20), QColor(255, 220, 80)));
        case 410:
            return Surface(SweepStrip(s));
        case 500:
            return Surface(Banner(s, "あなたの負け", QColor(30, 30, 70), QColor(200, 200, 220)));
        case 600:
            return Surface(Banner(s, "引き分け", QColor(40, 70, 40), QColor(200, 220, 200)));
        case 601:
            return Surface(Banner(s, "引き分け", QColor(40, 70, 40), QColor(255, 255, 160)));
        case 703:
            return Surface(DigitSheet(s, KoiDigitW[r], KoiMonW[r], false, "文"));
        case 704:
        case 714:
            return Surface(PlateSheet(s));
        case 705:
        case 715:
            return Surface(NameSheet(s));
        case 713:
            return Surface(DigitSheet(s, HanaDigitW[r], HanaUnitW[r], true, "点"));
    }
    if (base >= 510 && base <= 513) return Surface(Dither(s, base - 510));
    if (base >= 700 && base <= 702) return Surface(Background(s, 0, base - 700));
    if (base >= 710 && base <= 712) return Surface(Background(s, 1, base - 710));
    return Surface(s.width, s.height);
}

Surface RenderTitle(Size s) {
    QImage img = Blank(s, QColor(24, 16, 12));
    QPainter p(&img);
    QFont brush(QStringLiteral("AoyagiKouzanFontT"));
    brush.setPixelSize(64);
    p.setFont(brush);
    p.setPen(QColor(240, 200, 90));
    p.drawText(QRect(0, 30, s.width, 110), Qt::AlignCenter, QStringLiteral("Kirabo"));
    for (int i = 0; i < 4; ++i) p.drawImage(70 + i * 48, 150, CardFace(i * 12, {40, 66}));
    return Surface(img);
}

Surface RenderIcon(int pixels) {
    QImage img = Blank({pixels, pixels}, QColor(40, 20, 16));
    QPainter p(&img);
    QImage card = CardFace(28, {pixels * 3 / 5, pixels - 2});
    p.drawImage((pixels - card.width()) / 2, 1, card);
    return Surface(img);
}

}  // namespace assets
