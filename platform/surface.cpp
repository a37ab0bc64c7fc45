#include "platform/surface.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <climits>
#include <cmath>
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

// The raster operation on device pixels; `s` is never `d`.
void DeviceBlt(QImage& d, int x, int y, int w, int h, const QImage& s, int sx, int sy, Rop rop) {
    if (!Clip(d, x, y, w, h, s, sx, sy)) return;
    for (int row = 0; row < h; ++row) {
        auto* out = reinterpret_cast<uint32_t*>(d.scanLine(y + row)) + x;
        const auto* in = reinterpret_cast<const uint32_t*>(s.constScanLine(sy + row)) + sx;
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

// A rectangle in device pixels.
struct DeviceRect {
    int x, y, w, h;
};
DeviceRect ToDevice(int x, int y, int w, int h, double ratio) {
    const int left = DeviceEdge(x, ratio), top = DeviceEdge(y, ratio);
    return {left, top, DeviceEdge(x + w, ratio) - left, DeviceEdge(y + h, ratio) - top};
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

int DeviceEdge(int logical, double ratio) {
    if (ratio == 1.0) return logical;
    return static_cast<int>(std::floor(logical * ratio + 0.5));
}

int LogicalPixelAt(int device, double ratio) {
    if (ratio == 1.0) return device;
    int v = static_cast<int>(std::floor((device + 0.5) / ratio));
    while (v > INT_MIN && DeviceEdge(v, ratio) > device) --v;
    while (DeviceEdge(v + 1, ratio) <= device && DeviceEdge(v + 1, ratio) > DeviceEdge(v, ratio))
        ++v;
    return v;
}

Surface::Surface() : image_(std::make_unique<QImage>()) {}
Surface::Surface(int width, int height, Color fill, double ratio)
    : image_(std::make_unique<QImage>(
          NewImage(DeviceEdge(width, ratio), DeviceEdge(height, ratio), fill))),
      width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      ratio_(ratio) {
    if (ratio != 1.0) image_->setDevicePixelRatio(ratio);
}
Surface::Surface(const QImage& image)
    : image_(std::make_unique<QImage>(image.convertToFormat(QImage::Format_RGB32))),
      ratio_(image.isNull() ? 1.0 : image.devicePixelRatio()) {
    width_ = static_cast<int>(std::lround(image_->width() / ratio_));
    height_ = static_cast<int>(std::lround(image_->height() / ratio_));
}
Surface::Surface(const QImage& image, Size logical, double ratio)
    : image_(std::make_unique<QImage>(image.convertToFormat(QImage::Format_RGB32))),
      width_(logical.width),
      height_(logical.height),
      ratio_(ratio) {
    if (!image_->isNull() && image_->devicePixelRatio() != ratio)
        image_->setDevicePixelRatio(ratio);
}
Surface::Surface(const Surface& other)
    : image_(std::make_unique<QImage>(*other.image_)),
      width_(other.width_),
      height_(other.height_),
      ratio_(other.ratio_) {}
Surface& Surface::operator=(const Surface& other) {
    *image_ = *other.image_;
    width_ = other.width_;
    height_ = other.height_;
    ratio_ = other.ratio_;
    return *this;
}
Surface::Surface(Surface&&) noexcept = default;
Surface& Surface::operator=(Surface&&) noexcept = default;
Surface::~Surface() = default;

int Surface::Width() const {
    return image_ && !image_->isNull() ? width_ : 0;
}
int Surface::Height() const {
    return image_ && !image_->isNull() ? height_ : 0;
}
double Surface::Ratio() const {
    return ratio_;
}
bool Surface::IsEmpty() const {
    return !image_ || image_->isNull();
}
Color Surface::Pixel(int x, int y) const {
    return FromQRgb(image_->pixel(DeviceEdge(x, ratio_), DeviceEdge(y, ratio_)));
}
void Surface::SetPixel(int x, int y, Color c) {
    if (ratio_ == 1.0) {
        image_->setPixel(x, y, ToQRgb(c));
        return;
    }
    FillRect(*this, {x, y, x + 1, y + 1}, c);
}
QImage& Surface::Image() {
    return *image_;
}
const QImage& Surface::Image() const {
    return *image_;
}

void BitBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, Rop rop) {
    if (dst.IsEmpty() || src.IsEmpty() || w <= 0 || h <= 0) return;
    if (dst.Ratio() != src.Ratio()) {
        StretchBlt(dst, x, y, w, h, src, sx, sy, w, h, rop,
                   rop == Rop::SrcCopy ? StretchMode::Halftone : StretchMode::BlackOnWhite);
        return;
    }
    const double ratio = dst.Ratio();
    QImage& d = dst.Image();
    const DeviceRect to = ToDevice(x, y, w, h, ratio), from = ToDevice(sx, sy, w, h, ratio);
    // Copying a surface onto itself reads lines that may already be written.
    QImage copy;
    const QImage* s = &src.Image();
    int fromX = from.x, fromY = from.y;
    if (&dst == &src) {
        copy = s->copy(from.x, from.y, from.w, from.h);
        s = &copy;
        fromX = fromY = 0;
    }
    const int w0 = std::min(to.w, from.w), h0 = std::min(to.h, from.h);
    DeviceBlt(d, to.x, to.y, w0, h0, *s, fromX, fromY, rop);
    if (w0 <= 0 || h0 <= 0) return;
    // A fractional ratio: the destination's extra column or row repeats the
    // source's last one.
    for (int i = w0; i < to.w; ++i)
        DeviceBlt(d, to.x + i, to.y, 1, h0, *s, fromX + w0 - 1, fromY, rop);
    for (int j = h0; j < to.h; ++j) {
        DeviceBlt(d, to.x, to.y + j, w0, 1, *s, fromX, fromY + h0 - 1, rop);
        for (int i = w0; i < to.w; ++i)
            DeviceBlt(d, to.x + i, to.y + j, 1, 1, *s, fromX + w0 - 1, fromY + h0 - 1, rop);
    }
}

void StretchBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy,
                int sw, int sh, Rop rop, StretchMode mode) {
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0 || src.IsEmpty() || dst.IsEmpty()) return;
    if (w == sw && h == sh && dst.Ratio() == src.Ratio())
        return BitBlt(dst, x, y, w, h, src, sx, sy, rop);
    const DeviceRect to = ToDevice(x, y, w, h, dst.Ratio());
    const DeviceRect from = ToDevice(sx, sy, sw, sh, src.Ratio());
    if (to.w <= 0 || to.h <= 0 || from.w <= 0 || from.h <= 0) return;
    QImage part = src.Image().copy(from.x, from.y, from.w, from.h);
    if (to.w != from.w || to.h != from.h) {
        // Above one device pixel to a logical one a copied picture is always
        // scaled smoothly: nearest pixels would repeat whole columns of it.
        const bool smooth =
            mode == StretchMode::Halftone || (rop == Rop::SrcCopy && dst.Ratio() != 1.0);
        auto how = smooth ? Qt::SmoothTransformation : Qt::FastTransformation;
        part = part.scaled(to.w, to.h, Qt::IgnoreAspectRatio, how);
    }
    DeviceBlt(dst.Image(), to.x, to.y, to.w, to.h, part, 0, 0, rop);
}

void DrawMasked(Surface& dst, int x, int y, int w, int h, const Surface& picture, int px, int py,
                const Surface& mask, int mx, int my) {
    BitBlt(dst, x, y, w, h, mask, mx, my, Rop::SrcAnd);
    BitBlt(dst, x, y, w, h, picture, px, py, Rop::SrcPaint);
}

void FillRect(Surface& dst, const Rect& r, Color c) {
    if (dst.IsEmpty()) return;
    QImage& d = dst.Image();
    const double ratio = dst.Ratio();
    int left = std::max(DeviceEdge(r.left, ratio), 0), top = std::max(DeviceEdge(r.top, ratio), 0);
    int right = std::min(DeviceEdge(r.right, ratio), d.width());
    int bottom = std::min(DeviceEdge(r.bottom, ratio), d.height());
    uint32_t px = ToQRgb(c);
    for (int row = top; row < bottom; ++row) {
        auto* line = reinterpret_cast<uint32_t*>(d.scanLine(row));
        std::fill(line + left, line + std::max(left, right), px);
    }
}

void DrawLine(Surface& dst, int x0, int y0, int x1, int y1, Color c) {
    // Bresenham, leaving out the end point as a pen line does; at a larger
    // ratio each logical pixel of the line is a block.
    int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    int stepX = x0 < x1 ? 1 : -1, stepY = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    QImage& d = dst.Image();
    const bool plain = dst.Ratio() == 1.0;
    while (x0 != x1 || y0 != y1) {
        if (!plain)
            FillRect(dst, {x0, y0, x0 + 1, y0 + 1}, c);
        else if (x0 >= 0 && y0 >= 0 && x0 < d.width() && y0 < d.height())
            d.setPixel(x0, y0, ToQRgb(c));
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
    QFontMetrics m(FontFor(font));
    // The box in the surface's own pixels, so it meets what is drawn beside it.
    if (opaque) FillRect(dst, {x, y, x + m.horizontalAdvance(s), y + m.height()}, background);
    QPainter p(&dst.Image());
    p.setFont(FontFor(font));
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
