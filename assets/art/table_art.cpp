#include "assets/art/table_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "assets/art/device.h"
#include "assets/art/fonts.h"
#include "assets/art/sprite.h"
#include "platform/i18n.h"

namespace assets::art {
namespace {

constexpr QRgb WhitePixel = 0xFFFFFFFF;
constexpr QRgb BlackPixel = 0xFF000000;

// Frame brightness in the order the frames are shown: up, peak, and back down,
// so that going on from the last frame to the first is smooth.
constexpr double GlowPulse[5] = {0.55, 0.78, 1.0, 0.78, 0.55};

// How far a pixel of a cell lies inside the ring round the card (0 on the
// outer edge), or -1 when it lies on the card or beyond the rounded corners.
int RingDepth(int x, int y, int w, int h, int ring) {
    int cx = std::clamp(x, ring, w - 1 - ring), cy = std::clamp(y, ring, h - 1 - ring);
    if (cx == x && cy == y) return -1;
    double d = std::hypot(x - cx, y - cy);
    if (d > ring + 0.3) return -1;
    return ring - static_cast<int>(std::ceil(d - 0.3));
}

}  // namespace

// Cells 0-4 are a warm ring round the card, brightest at the card's edge; the
// outermost pixels are a 50% dither so the ring fades into the table. Cell 5
// is the mask: black exactly where some frame puts colour. Each cell is drawn
// in device pixels, the same in all six.
QImage GlowStrip(QSize size, double ratio) {
    QImage image = BlankImage(DeviceSize(size, ratio), Qt::black);
    const int cellW = size.width() / 6;
    const QSize cell = CellSize({cellW, size.height()}, ratio);
    const int w = cell.width(), h = cell.height();
    const int ring = Device((cellW - cellW * 49 / 55) / 2, ratio);  // the card fills the rest
    for (int c = 0; c < 6; ++c) {
        const int left = Device(c * cellW, ratio);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int depth = RingDepth(x, y, w, h, ring);  // 0 outermost .. ring-1 next to the card
                bool lit = depth >= 0 && (depth > 0 || (x + y) % 2 == 0);
                if (c == 5) {
                    image.setPixel(left + x, y, lit ? BlackPixel : WhitePixel);
                    continue;
                }
                if (!lit) continue;
                double inner = ring > 1 ? double(depth) / (ring - 1) : 1.0;
                double a = GlowPulse[c];
                int r = static_cast<int>(255 * (0.75 + 0.25 * a));
                int g = static_cast<int>((110 + 120 * inner) * a + 20);
                int b = static_cast<int>((20 + 90 * inner * inner) * a);
                image.setPixel(left + x, y, qRgb(std::min(r, 255), std::min(g, 255), b));
            }
        ExtendToCell(image, QRect(left, 0, w, h),
                     {Device((c + 1) * cellW, ratio) - left, image.height()});
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

QImage HomePageLabel(QSize size, double ratio) {
    QImage image = BlankImage(DeviceSize(size, ratio), QColor(0x1C, 0x16, 0x12));
    QPainter p(&image);
    UseLogicalUnits(p, ratio);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QColor(0x8A, 0x6A, 0x3A));
    p.drawRect(0, 0, size.width() - 1, size.height() - 1);
    QFont font = GothicFont(size.height() * 7 / 10);
    font.setUnderline(true);
    font.setWeight(QFont::Normal);
    p.setFont(font);
    p.setPen(QColor(0x9C, 0xC8, 0xFF));
    p.drawText(QRect(0, 0, size.width(), size.height()), Qt::AlignCenter,
               Lettering(TrNoop("Table", "Kirabo ホームページ")));
    p.end();
    image.setDevicePixelRatio(ratio);
    return image;
}

// Every other device pixel: at any ratio the table shows through evenly.
QImage Checkerboard(QSize size, double ratio) {
    QImage image = BlankImage(DeviceSize(size, ratio), Qt::black);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = (y & 1); x < image.width(); x += 2) line[x] = WhitePixel;
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

namespace {

struct BannerLook {
    const char* text;
    QColor top, bottom;   // lacquer gradient
    QColor frame;         // the double border
    QColor ink, outline;  // the letters
    QColor halo;          // a soft light behind the letters, if any
};

BannerLook LookOf(BannerKind kind) {
    switch (kind) {
        case BannerKind::Win:
            return {TrNoop("Table", "あなたの勝ち"),
                    QColor(0xB0, 0x1E, 0x16),
                    QColor(0x5E, 0x08, 0x06),
                    QColor(0xE8, 0xC0, 0x5A),
                    QColor(0xFF, 0xE6, 0x8A),
                    QColor(0x2A, 0x06, 0x02),
                    QColor()};
        case BannerKind::Lose:
            return {TrNoop("Table", "あなたの負け"),
                    QColor(0x24, 0x30, 0x5C),
                    QColor(0x0C, 0x10, 0x24),
                    QColor(0x9A, 0xA6, 0xC0),
                    QColor(0xDC, 0xE2, 0xF0),
                    QColor(0x04, 0x06, 0x10),
                    QColor()};
        case BannerKind::Draw:
            return {TrNoop("Table", "引き分け"),
                    QColor(0x2C, 0x4A, 0x34),
                    QColor(0x10, 0x1E, 0x14),
                    QColor(0xB8, 0xA8, 0x70),
                    QColor(0xD8, 0xCC, 0xA4),
                    QColor(0x06, 0x0C, 0x08),
                    QColor()};
        case BannerKind::DrawLit:
            return {TrNoop("Table", "引き分け"),  QColor(0x2C, 0x4A, 0x34),
                    QColor(0x10, 0x1E, 0x14),     QColor(0xF0, 0xD8, 0x80),
                    QColor(0xFF, 0xF6, 0xC0),     QColor(0x4A, 0x2A, 0x00),
                    QColor(0xFF, 0xC8, 0x40, 110)};
    }
    return {};
}

}  // namespace

QImage ResultBanner(QSize size, BannerKind kind, double ratio) {
    BannerLook look = LookOf(kind);
    QImage image = BlankImage(DeviceSize(size, ratio), Qt::black);
    QPainter p(&image);
    UseLogicalUnits(p, ratio);
    p.setRenderHint(QPainter::Antialiasing);
    // The lacquer reaches every device pixel, whatever the rounding.
    QRectF all(0, 0, image.width() / ratio, image.height() / ratio);
    QLinearGradient lacquer(all.topLeft(), all.bottomLeft());
    lacquer.setColorAt(0, look.top);
    lacquer.setColorAt(0.55, look.top.darker(125));
    lacquer.setColorAt(1, look.bottom);
    p.fillRect(all, lacquer);
    qreal unit = size.height() / 98.0;
    p.setPen(QPen(look.frame, 3 * unit));
    p.drawRect(all.adjusted(4 * unit, 4 * unit, -4 * unit, -4 * unit));
    p.setPen(QPen(look.frame, 1 * unit));
    p.drawRect(all.adjusted(9 * unit, 9 * unit, -9 * unit, -9 * unit));
    // Corner diamonds on the frame, as on a lacquer box.
    p.setPen(Qt::NoPen);
    p.setBrush(look.frame);
    for (QPointF c :
         {all.topLeft() + QPointF(4, 4) * unit, all.topRight() + QPointF(-4, 4) * unit,
          all.bottomLeft() + QPointF(4, -4) * unit, all.bottomRight() + QPointF(-4, -4) * unit}) {
        QPolygonF diamond({c + QPointF(0, -6 * unit), c + QPointF(6 * unit, 0),
                           c + QPointF(0, 6 * unit), c + QPointF(-6 * unit, 0)});
        p.drawPolygon(diamond);
    }
    QString text = Lettering(look.text);
    // The brush hand has no Latin letters: English is in bold capitals.
    QFont font = LetteredInEnglish() ? DisplayFont(static_cast<int>(size.height() * 0.5))
                                     : BrushFont(static_cast<int>(size.height() * 0.66));
    QPainterPath probe;
    probe.addText(0, 0, font, text);
    qreal room = size.width() * 0.86;
    if (probe.boundingRect().width() > room)
        font.setPixelSize(static_cast<int>(font.pixelSize() * room / probe.boundingRect().width()));
    QRectF box = all.adjusted(0, 0, 0, -2 * unit);
    if (look.halo.isValid())
        for (int r = 5; r >= 2; --r)
            OutlinedText(p, box, text, font, look.halo, look.halo, r * unit);
    OutlinedText(p, box, text, font, look.ink, look.outline, 2.2 * unit);
    p.end();
    image.setDevicePixelRatio(ratio);
    return image;
}

// One white band at 45 degrees on a black strip 2 x (banner width + height)
// wide. The band lies wholly between the first window (which starts a banner
// width plus two heights in) and the last one (which starts within 14 pixels
// of the left end), so the shine enters, crosses and leaves the banner.
QImage SweepStrip(QSize size, double ratio) {
    QImage image = BlankImage(DeviceSize(size, ratio), Qt::black);
    const int h = size.height(), deviceH = image.height();
    const int bannerWidth = size.width() / 2 - h;
    const int band = Device(std::max(4, h / 5), ratio);
    const int start = Device(bannerWidth + 14, ratio);
    for (int y = 0; y < deviceH; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        int from = start + (deviceH - 1 - y);
        for (int x = from; x < from + band && x < image.width(); ++x) line[x] = WhitePixel;
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

// Ordered (Bayer) dither, so each level is an even scatter of single pixels.
QImage DitherMask(QSize size, int level, double ratio) {
    static const int Bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    static const int WhiteBelow[4] = {2, 8, 14, 16};  // of every 16 pixels
    QImage image = BlankImage(DeviceSize(size, ratio), Qt::black);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (Bayer[y & 3][x & 3] < WhiteBelow[level]) line[x] = WhitePixel;
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

}  // namespace assets::art
