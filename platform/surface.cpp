#include "platform/surface.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cstring>

#include "platform/qt_fonts.h"

namespace platform {
namespace {

QRgb ToQRgb(Color c) {
    return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
Color FromQRgb(QRgb q) {
    return Rgb(qRed(q), qGreen(q), qBlue(q));
}

QImage NewImage(int w, int h, Color fill) {
    QImage img(std::max(w, 0), std::max(h, 0), QImage::Format_RGB32);
    img.fill(ToQRgb(fill));
    return img;
}

// Clips the copy of a w x h block from (sx, sy) of src to (x, y) of dst.
bool Clip(const QImage& dst, int& x, int& y, int& w, int& h, const QImage& src, int& sx, int& sy) {
    if (sx < 0) {
        x -= sx;
        w += sx;
        sx = 0;
    }
    if (sy < 0) {
        y -= sy;
        h += sy;
        sy = 0;
    }
    if (x < 0) {
        sx -= x;
        w += x;
        x = 0;
    }
    if (y < 0) {
        sy -= y;
        h += y;
        y = 0;
    }
    w = std::min({w, dst.width() - x, src.width() - sx});
    h = std::min({h, dst.height() - y, src.height() - sy});
    return w > 0 && h > 0;
}

QFont MakeFont(Font font) {
    QFont f;
    switch (font) {
        case Font::MainWindow:
            f = QFont(QStringLiteral("IPAGothic"));
            f.setPixelSize(16);
            break;
        case Font::Dialog:
            f = QFont(QStringLiteral("IPAPGothic"));
            f.setPixelSize(12);
            break;
        case Font::Brush:
            f = QFont(QStringLiteral("AoyagiKouzanFontT"));
            f.setPixelSize(32);
            break;
    }
    // Another Japanese font stands in when one is missing.
    f.setStyleHint(QFont::SansSerif);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

}  // namespace

const QFont& FontFor(Font font) {
    static const QFont fonts[] = {MakeFont(Font::MainWindow), MakeFont(Font::Dialog),
                                  MakeFont(Font::Brush)};
    return fonts[static_cast<int>(font)];
}

Surface::Surface() : image_(std::make_unique<QImage>()) {}
Surface::Surface(int width, int height, Color fill)
    : image_(std::make_unique<QImage>(NewImage(width, height, fill))) {}
Surface::Surface(const QImage& image)
    : image_(std::make_unique<QImage>(image.convertToFormat(QImage::Format_RGB32))) {}
Surface::Surface(const Surface& other) : image_(std::make_unique<QImage>(*other.image_)) {}
Surface& Surface::operator=(const Surface& other) {
    *image_ = *other.image_;
    return *this;
}
Surface::Surface(Surface&&) noexcept = default;
Surface& Surface::operator=(Surface&&) noexcept = default;
Surface::~Surface() = default;

int Surface::Width() const {
    return image_ ? image_->width() : 0;
}
int Surface::Height() const {
    return image_ ? image_->height() : 0;
}
bool Surface::IsEmpty() const {
    return !image_ || image_->isNull();
}
Color Surface::Pixel(int x, int y) const {
    return FromQRgb(image_->pixel(x, y));
}
void Surface::SetPixel(int x, int y, Color c) {
    image_->setPixel(x, y, ToQRgb(c));
}
QImage& Surface::Image() {
    return *image_;
}
const QImage& Surface::Image() const {
    return *image_;
}

void BitBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, Rop rop) {
    if (dst.IsEmpty() || src.IsEmpty()) return;
    QImage& d = dst.Image();
    const QImage& s = src.Image();
    if (!Clip(d, x, y, w, h, s, sx, sy)) return;
    // Copying a surface onto itself reads lines that may already be written.
    QImage copy;
    const QImage* from = &s;
    if (&d == &s) {
        copy = s.copy(sx, sy, w, h);
        from = &copy;
        sx = sy = 0;
    }
    for (int row = 0; row < h; ++row) {
        auto* out = reinterpret_cast<uint32_t*>(d.scanLine(y + row)) + x;
        const auto* in = reinterpret_cast<const uint32_t*>(from->constScanLine(sy + row)) + sx;
        switch (rop) {
            case Rop::SrcCopy:
                std::memcpy(out, in, sizeof(uint32_t) * w);
                break;
            case Rop::SrcAnd:
                for (int i = 0; i < w; ++i) out[i] &= in[i];
                break;
            case Rop::SrcPaint:
                for (int i = 0; i < w; ++i) out[i] |= in[i];
                break;
        }
    }
}

void StretchBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy,
                int sw, int sh, Rop rop, StretchMode mode) {
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0 || src.IsEmpty()) return;
    if (w == sw && h == sh) return BitBlt(dst, x, y, w, h, src, sx, sy, rop);
    QImage part = src.Image().copy(sx, sy, sw, sh);
    auto how = mode == StretchMode::Halftone ? Qt::SmoothTransformation : Qt::FastTransformation;
    Surface scaled(part.scaled(w, h, Qt::IgnoreAspectRatio, how));
    BitBlt(dst, x, y, w, h, scaled, 0, 0, rop);
}

void DrawMasked(Surface& dst, int x, int y, int w, int h, const Surface& picture, int px, int py,
                const Surface& mask, int mx, int my) {
    BitBlt(dst, x, y, w, h, mask, mx, my, Rop::SrcAnd);
    BitBlt(dst, x, y, w, h, picture, px, py, Rop::SrcPaint);
}

void FillRect(Surface& dst, const Rect& r, Color c) {
    if (dst.IsEmpty()) return;
    QImage& d = dst.Image();
    int left = std::max(r.left, 0), top = std::max(r.top, 0);
    int right = std::min(r.right, d.width()), bottom = std::min(r.bottom, d.height());
    uint32_t px = ToQRgb(c);
    for (int row = top; row < bottom; ++row) {
        auto* line = reinterpret_cast<uint32_t*>(d.scanLine(row));
        std::fill(line + left, line + std::max(left, right), px);
    }
}

void DrawLine(Surface& dst, int x0, int y0, int x1, int y1, Color c) {
    // Bresenham, leaving out the end point as a pen line does.
    int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    int stepX = x0 < x1 ? 1 : -1, stepY = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    QImage& d = dst.Image();
    while (x0 != x1 || y0 != y1) {
        if (x0 >= 0 && y0 >= 0 && x0 < d.width() && y0 < d.height()) d.setPixel(x0, y0, ToQRgb(c));
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += stepX;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += stepY;
        }
    }
}

Size TextExtent(std::string_view text, Font font) {
    QFontMetrics m(FontFor(font));
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return {m.horizontalAdvance(s), m.height()};
}

void TextOut(Surface& dst, int x, int y, std::string_view text, Color color, Color background,
             bool opaque, Font font) {
    if (dst.IsEmpty()) return;
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QPainter p(&dst.Image());
    p.setFont(FontFor(font));
    QFontMetrics m(p.font());
    if (opaque) p.fillRect(x, y, m.horizontalAdvance(s), m.height(), QColor(ToQRgb(background)));
    p.setPen(QColor(ToQRgb(color)));
    p.drawText(x, y + m.ascent(), s);
}

int ByteLength(std::string_view text) {
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    int n = 0;
    for (QChar ch : s) {
        char16_t u = ch.unicode();
        bool single = u < 0x80 || (u >= 0xFF61 && u <= 0xFF9F);
        n += single ? 1 : 2;
    }
    return n;
}

Color GetSysColor(SysColor which) {
    switch (which) {
        case SysColor::BtnFace:
            return Rgb(212, 208, 200);
        case SysColor::WindowText:
            return Rgb(0, 0, 0);
        case SysColor::BtnHighlight:
            return Rgb(255, 255, 255);
        case SysColor::BtnShadow:
            return Rgb(128, 128, 128);
    }
    return Black;
}

}  // namespace platform
