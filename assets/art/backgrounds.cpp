#include "assets/art/backgrounds.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

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
    float At(int x, int y) const {
        int cx = x / cell_, cy = y / cell_;
        float fx = float(x % cell_) / cell_, fy = float(y % cell_) / cell_;
        fx = fx * fx * (3 - 2 * fx);
        fy = fy * fy * (3 - 2 * fy);
        const float* row = &values_[cy * columns_ + cx];
        float top = row[0] + (row[1] - row[0]) * fx;
        float bottom = row[columns_] + (row[columns_ + 1] - row[columns_]) * fx;
        return top + (bottom - top) * fy;
    }

  private:
    int cell_, columns_;
    std::vector<float> values_;
};

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
// edges. Wood adds long grain lines running across the table.
void Ground(QImage& image, const Palette& palette, int choice, uint32_t seed) {
    int w = image.width(), h = image.height();
    ValueNoise broad(w, h, std::max(8, w / 10), seed);
    ValueNoise grain(w, 3 * h, std::max(4, w / 60), seed + 7);  // read stretched, too
    float r0 = palette.base.red(), g0 = palette.base.green(), b0 = palette.base.blue();
    float cx = w / 2.0f, cy = h / 2.0f;
    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        float dy = (y - cy) / cy;
        for (int x = 0; x < w; ++x) {
            float dx = (x - cx) / cx;
            float shade = 1.0f - 0.16f * (dx * dx + dy * dy) + 0.05f * broad.At(x, y);
            float fine = int(Hash(x, y, seed) & 15) - 7.5f;
            if (choice == 0) {
                fine *= 0.9f;  // felt: close, even fuzz
            } else if (choice == 1) {
                // lacquered wood: bands bent by the noise, with a gloss across the top
                float bend = grain.At(x / 3, y) * 6.0f + broad.At(x, y) * 3.0f;
                float ring = std::sin(y * 0.16f + bend);
                shade += 0.07f * ring * ring * ring + 0.10f * std::exp(-dy * dy * 12.0f) * 0.6f;
                fine *= 0.35f;
            } else {
                fine *= 0.6f;  // washi: soft fibres
                float fibre = grain.At(x, y * 3);
                shade += 0.04f * fibre;
            }
            line[x] = qRgb(Clamp255(r0 * shade + fine), Clamp255(g0 * shade + fine),
                           Clamp255(b0 * shade + fine));
        }
    }
}

// Seigaiha: rows of overlapping wave arcs.
void Waves(QPainter& p, QSize size, qreal scale) {
    qreal r = 22 * scale;
    for (int row = 0; row * r / 2 < size.height() + r; ++row) {
        qreal y = row * r / 2;
        qreal shift = (row % 2) ? r : 0;
        for (qreal x = -r + shift; x < size.width() + r; x += 2 * r)
            for (int k = 3; k >= 1; --k) {
                qreal rk = r * k / 3.0;
                p.drawEllipse(QPointF(x, y), rk, rk);
            }
    }
}

// Asanoha (hemp leaf): six-pointed stars on a triangular grid.
void HempLeaves(QPainter& p, QSize size, qreal scale) {
    qreal s = 30 * scale, hgt = s * std::sqrt(3.0) / 2;
    for (int row = -1; row * hgt < size.height() + hgt; ++row)
        for (int col = -1; col * s < size.width() + s; ++col) {
            QPointF c(col * s + (row % 2 ? s / 2 : 0), row * hgt);
            for (int k = 0; k < 6; ++k) {
                qreal a = k * M_PI / 3;
                p.drawLine(c, c + QPointF(std::cos(a), std::sin(a)) * s);
                qreal b = a + M_PI / 6;
                p.drawLine(c, c + QPointF(std::cos(b), std::sin(b)) * (s / std::sqrt(3.0)));
            }
        }
}

// Woven felt and wood are left plain; washi carries a printed pattern.
void Pattern(QPainter& p, QSize size, int game, int choice, const Palette& palette, qreal scale) {
    if (choice == 0) {
        // a faint weave of diagonal lines
        p.setPen(QPen(palette.pattern, 1));
        p.setOpacity(0.25);
        qreal step = 6 * scale;
        for (qreal x = -size.height(); x < size.width(); x += step)
            p.drawLine(QPointF(x, 0), QPointF(x + size.height(), size.height()));
        return;
    }
    if (choice == 1) return;
    p.setPen(QPen(palette.pattern, std::max(1.0, 1.2 * scale)));
    p.setBrush(Qt::NoBrush);
    p.setOpacity(0.55);
    if (game == 0)
        Waves(p, size, scale);
    else
        HempLeaves(p, size, scale);
}

}  // namespace

QImage TableBackground(QSize size, int game, int choice) {
    const Palette& palette = Palettes[game][choice];
    QImage image(size, QImage::Format_RGB32);
    Ground(image, palette, choice, 17u + 5u * game + choice);
    qreal sx = size.width() / 632.0, sy = size.height() / 434.0;
    QPainterPath quiet;
    for (const Area& a : QuietAreas[game])
        quiet.addRoundedRect(
            QRectF(a.left * sx, a.top * sy, (a.right - a.left) * sx, (a.bottom - a.top) * sy),
            6 * sx, 6 * sx);
    quiet.setFillRule(Qt::WindingFill);
    quiet = quiet.simplified();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    {
        QPainterPath open;
        open.addRect(QRectF(QPointF(0, 0), size));
        p.save();
        p.setClipPath(open.subtracted(quiet));
        Pattern(p, size, game, choice, palette, sx);
        p.restore();
    }
    // The trays: a calmer, darker tone that lets the ground show through, with
    // a fine edge line.
    QColor tray = palette.tray;
    tray.setAlpha(150);
    p.setPen(QPen(palette.trayLine, std::max(1.0, sx)));
    p.setBrush(tray);
    p.setOpacity(0.9);
    p.drawPath(quiet);
    return image;
}

}  // namespace assets::art
