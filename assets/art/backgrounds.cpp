#include "assets/art/backgrounds.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

#include "assets/art/device.h"

namespace assets::art {
namespace {

// Where the captured piles and the status panel lie on the 632x434 table, as
// (left, top, right, bottom); other table sizes scale them. These stay plain
// so that the small pile cards and the panel's letters read clearly.
struct Area {
    int left, top, right, bottom;
};
const std::vector<Area> QuietAreas[2] = {
    // Koi-Koi: each player's piles and plate, and the name and score strip
    {{414, 302, 624, 430}, {7, -4, 216, 124}, {262, 303, 412, 329}, {217, 90, 374, 118}},
    // Hana-awase: the three players' piles and plates, and their name and score strips
    {{439, 310, 626, 430},
     {503, 0, 628, 170},
     {7, 138, 129, 308},
     {276, 400, 436, 428},
     {325, 8, 496, 38},
     {128, 8, 298, 38}},
};

uint32_t Hash(uint32_t x, uint32_t y, uint32_t seed) {
    uint32_t h = x * 0x8DA6B343u ^ y * 0xD8163841u ^ seed * 0xCB1AB31Fu;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    return h ^ (h >> 15);
}

// Smooth value noise in -1..1 with features about `cell` pixels across.
class ValueNoise {
  public:
    ValueNoise(int width, int height, int cell, uint32_t seed)
        : cell_(cell), columns_(width / cell + 2), values_(size_t(columns_) * (height / cell + 2)) {
        for (size_t i = 0; i < values_.size(); ++i)
            values_[i] =
                (Hash(uint32_t(i % columns_), uint32_t(i / columns_), seed) & 0xFFFF) / 32767.5f -
                1.0f;
    }
    // Where coordinate v lies among the noise's cells: the cell and the
    // eased fraction across it. Worked out once per row and column.
    struct Place {
        int cell;
        float t;
    };
    Place PlaceOf(int v) const {
        float f = float(v % cell_) / cell_;
        return {v / cell_, f * f * (3 - 2 * f)};
    }
    float At(Place x, Place y) const {
        const float* row = &values_[y.cell * columns_ + x.cell];
        float top = row[0] + (row[1] - row[0]) * x.t;
        float bottom = row[columns_] + (row[columns_ + 1] - row[columns_]) * x.t;
        return top + (bottom - top) * y.t;
    }

  private:
    int cell_, columns_;
    std::vector<float> values_;
};

// Runs rows(first, last) over [0, height) in a few threads: the rows of a
// picture are independent.
void InRowBands(int height, const std::function<void(int, int)>& rows) {
    const int threads = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 4);
    if (threads == 1 || height < 64) {
        rows(0, height);
        return;
    }
    std::vector<std::thread> workers;
    const int band = (height + threads - 1) / threads;
    for (int t = 1; t < threads; ++t)
        workers.emplace_back(rows, std::min(height, t * band), std::min(height, (t + 1) * band));
    rows(0, std::min(height, band));
    for (std::thread& worker : workers) worker.join();
}

struct Palette {
    QColor base;
    QColor pattern;  // lines of the woven or printed pattern
    QColor tray;     // the plain areas under piles and panel
    QColor trayLine;
};

// Index [game][choice].
const Palette Palettes[2][3] = {
    {{QColor(0x1F, 0x5A, 0x38), QColor(0x2C, 0x70, 0x48), QColor(0x17, 0x46, 0x2B),
      QColor(0x6E, 0x9A, 0x62)},
     {QColor(0x4A, 0x16, 0x10), QColor(0x6E, 0x26, 0x18), QColor(0x32, 0x0E, 0x0A),
      QColor(0xA8, 0x7C, 0x3E)},
     {QColor(0x1E, 0x2C, 0x50), QColor(0x3A, 0x4E, 0x7E), QColor(0x16, 0x20, 0x3C),
      QColor(0x8A, 0x9A, 0xC0)}},
    {{QColor(0x17, 0x4C, 0x52), QColor(0x22, 0x62, 0x68), QColor(0x10, 0x3A, 0x40),
      QColor(0x6A, 0x9C, 0x98)},
     {QColor(0x3A, 0x24, 0x14), QColor(0x5A, 0x3A, 0x20), QColor(0x28, 0x18, 0x0C),
      QColor(0xB0, 0x8A, 0x50)},
     {QColor(0x3E, 0x1E, 0x3E), QColor(0x5E, 0x36, 0x5C), QColor(0x2C, 0x14, 0x2C),
      QColor(0xA8, 0x88, 0xA8)}},
};

int Clamp255(float v) {
    return std::clamp(static_cast<int>(v), 0, 255);
}

// The ground: the base colour with fine grain, broad mottling and darker
// edges. Wood adds long grain lines running across the table. `logicalWidth`
// sets the size of the features, so a larger ratio only adds detail.
void Ground(QImage& image, int logicalWidth, double ratio, const Palette& palette, int choice,
            uint32_t seed) {
    int w = image.width(), h = image.height();
    auto device = [ratio](int cell) {
        return ratio == 1.0 ? cell : std::max(1, static_cast<int>(std::lround(cell * ratio)));
    };
    ValueNoise broad(w, h, device(std::max(8, logicalWidth / 10)), seed);
    // read stretched, too
    ValueNoise grain(w, 3 * h, device(std::max(4, logicalWidth / 60)), seed + 7);
    const float toLogical = static_cast<float>(1.0 / ratio);
    float r0 = palette.base.red(), g0 = palette.base.green(), b0 = palette.base.blue();
    float cx = w / 2.0f, cy = h / 2.0f;
    // What depends on the column alone.
    std::vector<float> dxSquared(w);
    std::vector<ValueNoise::Place> broadX(w), grainX(w), grainThirdX(w);
    for (int x = 0; x < w; ++x) {
        float dx = (x - cx) / cx;
        dxSquared[x] = dx * dx;
        broadX[x] = broad.PlaceOf(x);
        grainX[x] = grain.PlaceOf(x);
        grainThirdX[x] = grain.PlaceOf(x / 3);
    }
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    InRowBands(h, [&](int first, int last) {
        for (int y = first; y < last; ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(bits + y * stride);
            float dy = (y - cy) / cy;
            const ValueNoise::Place broadY = broad.PlaceOf(y), grainY = grain.PlaceOf(y),
                                    grainThirdY = grain.PlaceOf(y * 3);
            const float gloss = 0.10f * std::exp(-dy * dy * 12.0f) * 0.6f;
            const float rings = (ratio == 1.0 ? y : y * toLogical) * 0.16f;
            for (int x = 0; x < w; ++x) {
                const float mottle = broad.At(broadX[x], broadY);
                float shade = 1.0f - 0.16f * (dxSquared[x] + dy * dy) + 0.05f * mottle;
                float fine = int(Hash(x, y, seed) & 15) - 7.5f;
                if (choice == 0) {
                    fine *= 0.9f;  // felt: close, even fuzz
                } else if (choice == 1) {
                    // lacquered wood: bands bent by the noise, with a gloss across the top
                    float bend = grain.At(grainThirdX[x], grainY) * 6.0f + mottle * 3.0f;
                    float ring = std::sin(rings + bend);
                    shade += 0.07f * ring * ring * ring + gloss;
                    fine *= 0.35f;
                } else {
                    fine *= 0.6f;  // washi: soft fibres
                    float fibre = grain.At(grainX[x], grainThirdY);
                    shade += 0.04f * fibre;
                }
                line[x] = qRgb(Clamp255(r0 * shade + fine), Clamp255(g0 * shade + fine),
                               Clamp255(b0 * shade + fine));
            }
        }
    });
}

// The printed patterns are drawn once on a small tile that repeats without a
// seam, then laid over the table as a brush: far quicker than drawing every
// arc at table size.
QImage Tile(QSize size) {
    QImage tile(size, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    return tile;
}

// Seigaiha: rows of overlapping wave arcs, a tile two radii wide and one high.
QImage WaveTile(int r, const QPen& pen) {
    QImage tile = Tile({2 * r, r});
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    // Rows every half radius, alternate rows shifted by a radius; each fan
    // clears what lies under it, so lower rows cover the rows above, as the
    // pattern is printed.
    for (int row = -2; row <= 4; ++row) {
        qreal y = row * r / 2.0;
        qreal shift = (row & 1) ? r : 0;
        for (int col = -1; col <= 1; ++col) {
            QPointF c(col * 2 * r + shift, y);
            p.setCompositionMode(QPainter::CompositionMode_Clear);
            p.setBrush(Qt::black);
            p.setPen(Qt::NoPen);
            p.drawEllipse(c, r + pen.widthF() / 2, r + pen.widthF() / 2);
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
            p.setBrush(Qt::NoBrush);
            p.setPen(pen);
            for (int k = 3; k >= 1; --k) p.drawEllipse(c, r * k / 3.0, r * k / 3.0);
        }
    }
    return tile;
}

// Asanoha (hemp leaf): a triangular lattice with lines from the middle of
// each triangle to its corners. The tile is one lattice step wide and two
// rows high.
QImage HempLeafTile(int step, const QPen& pen) {
    int rowHeight = static_cast<int>(std::lround(step * std::sqrt(3.0) / 2));
    QImage tile = Tile({step, 2 * rowHeight});
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(pen);
    auto point = [&](int col, int row) {
        return QPointF(col * step + ((row & 1) ? step / 2.0 : 0), row * rowHeight);
    };
    for (int row = -1; row <= 2; ++row)
        for (int col = -1; col <= 1; ++col) {
            QPointF a = point(col, row), b = point(col + 1, row);
            // the triangle below this edge, pointing down or up by the row
            QPointF c = (row & 1) ? point(col + 1, row + 1) : point(col, row + 1);
            QPointF centre = (a + b + c) / 3;
            p.drawLine(a, b);
            p.drawLine(a, c);
            p.drawLine(b, c);
            for (QPointF corner : {a, b, c}) p.drawLine(centre, corner);
            QPointF d = (row & 1) ? point(col, row + 1) : point(col - 1, row + 1);
            QPointF other = (a + c + d) / 3;
            for (QPointF corner : {a, c, d}) p.drawLine(other, corner);
        }
    return tile;
}

// A faint weave of diagonal lines.
QImage WeaveTile(int step, const QPen& pen) {
    QImage tile = Tile({step, step});
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(pen);
    for (int k = -1; k <= 1; ++k) p.drawLine(QPointF(k * step, 0), QPointF(k * step + step, step));
    return tile;
}

// Felt carries a faint weave, wood is left plain, washi a printed pattern.
// `scale` is device pixels to a pixel of the 632-wide table.
void Pattern(QPainter& p, QSize size, int game, int choice, const Palette& palette, qreal scale,
             double ratio) {
    QImage tile;
    if (choice == 0) {
        QColor weave = palette.pattern;
        weave.setAlphaF(0.25);
        tile = WeaveTile(std::max(4, static_cast<int>(std::lround(6 * scale))), QPen(weave, ratio));
    } else if (choice == 2) {
        QColor line = palette.pattern;
        line.setAlphaF(0.55);
        QPen pen(line, std::max(ratio, 1.2 * scale));
        tile = game == 0 ? WaveTile(static_cast<int>(std::lround(22 * scale)), pen)
                         : HempLeafTile(2 * static_cast<int>(std::lround(15 * scale)), pen);
    }
    if (!tile.isNull()) p.fillRect(QRect(QPoint(0, 0), size), QBrush(tile));
}

}  // namespace

QImage TableBackground(QSize size, int game, int choice, double ratio) {
    const Palette& palette = Palettes[game][choice];
    QImage image(DeviceSize(size, ratio), QImage::Format_RGB32);
    Ground(image, size.width(), ratio, palette, choice, 17u + 5u * game + choice);
    // Device pixels to a pixel of the 632 x 434 table the areas are given on.
    qreal sx = size.width() * ratio / 632.0, sy = size.height() * ratio / 434.0;
    QPainterPath quiet;
    for (const Area& a : QuietAreas[game])
        quiet.addRoundedRect(
            QRectF(a.left * sx, a.top * sy, (a.right - a.left) * sx, (a.bottom - a.top) * sy),
            6 * sx, 6 * sx);
    quiet.setFillRule(Qt::WindingFill);
    quiet = quiet.simplified();
    // The trays keep the plain ground: the pattern goes over the rest.
    QImage ground = image.copy();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Pattern(p, image.size(), game, choice, palette, sx, ratio);
    p.setClipPath(quiet);
    p.drawImage(0, 0, ground);
    p.setClipping(false);
    // The trays: a calmer, darker tone that lets the ground show through, with
    // a fine edge line.
    QColor tray = palette.tray;
    tray.setAlpha(150);
    p.setPen(QPen(palette.trayLine, std::max(ratio, sx)));
    p.setBrush(tray);
    p.setOpacity(0.9);
    p.drawPath(quiet);
    p.end();
    image.setDevicePixelRatio(ratio);
    return image;
}

}  // namespace assets::art
