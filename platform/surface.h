// Off-screen pictures and the raster operations the tables are drawn with.
//
// A Surface is a 32-bit RGB picture. Colours are COLORREF values, 0x00BBGGRR,
// so the tables can name them as the drawing code always has (0xff0000 blue).
//
// Every surface has a logical size, the pixels the layout tables count, and a
// ratio of device pixels to logical ones: the screen's, times the table's
// scale. Its picture holds DeviceEdge(width) x DeviceEdge(height) pixels, so a
// table drawn at ratio 2 has four pixels where the layout counts one, each
// drawn for itself. All coordinates below are logical; logical pixel x covers
// the device columns DeviceEdge(x) .. DeviceEdge(x + 1) - 1 of every surface of
// the same ratio, so pictures copied between surfaces meet exactly.
#pragma once
#include <cstdint>
#include <memory>
#include <string_view>

class QImage;

namespace platform {

using Color = uint32_t;
constexpr Color Rgb(int r, int g, int b) {
    return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}
constexpr Color Black = Rgb(0, 0, 0);
constexpr Color White = Rgb(255, 255, 255);

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom excluded
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

struct Size {
    int width = 0, height = 0;
};

// Raster operations: SRCCOPY copies, SRCAND keeps the destination bits where
// the source has them (a mask's white keeps, its black clears), SRCPAINT adds
// the source bits (a picture on black lays over what the mask cleared).
enum class Rop { SrcCopy, SrcAnd, SrcPaint };
// HALFTONE scales smoothly; the other two pick the nearest pixel.
enum class StretchMode { ColorOnColor, Halftone, BlackOnWhite };

// Where logical edge `logical` falls in device pixels: the nearest whole pixel.
int DeviceEdge(int logical, double ratio);
// The logical pixel that device pixel `device` lies in.
int LogicalPixelAt(int device, double ratio);

class Surface {
  public:
    Surface();
    Surface(int width, int height, Color fill = Black, double ratio = 1.0);
    // A picture in device pixels: its ratio is the image's device pixel
    // ratio, its logical size the image's size divided by it.
    explicit Surface(const QImage& image);
    // A picture drawn at `ratio` for a logical size.
    Surface(const QImage& image, Size logical, double ratio);
    Surface(const Surface& other);
    Surface& operator=(const Surface& other);
    Surface(Surface&&) noexcept;
    Surface& operator=(Surface&&) noexcept;
    ~Surface();

    int Width() const;  // logical
    int Height() const;
    double Ratio() const;
    bool IsEmpty() const;
    // The first device pixel of logical pixel (x, y); setting one sets all
    // the device pixels it covers.
    Color Pixel(int x, int y) const;
    void SetPixel(int x, int y, Color c);

    // The device pixels, with the surface's ratio as the image's device
    // pixel ratio: a QPainter on it draws in logical coordinates.
    QImage& Image();
    const QImage& Image() const;

  private:
    std::unique_ptr<QImage> image_;
    int width_ = 0, height_ = 0;
    double ratio_ = 1.0;
};

// Between surfaces of one ratio the copy is pixel for pixel. Where the
// rectangle covers one device column or row more in `dst` than in `src` (a
// fractional ratio), the source's last one is repeated, so a copy never
// reads outside its source rectangle and a mask and its picture stay in step.
// Between different ratios the source is scaled: smoothly for a copy, to the
// nearest pixel for AND and OR, which keeps masks black and white.
void BitBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy,
            Rop rop = Rop::SrcCopy);
void StretchBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy,
                int sw, int sh, Rop rop = Rop::SrcCopy,
                StretchMode mode = StretchMode::ColorOnColor);
// A sprite with a transparent outline: the mask with SRCAND, then the picture
// with SRCPAINT, at the same place.
void DrawMasked(Surface& dst, int x, int y, int w, int h, const Surface& picture, int px, int py,
                const Surface& mask, int mx, int my);

void FillRect(Surface& dst, const Rect& r, Color c);
// A one-pixel line from (x0, y0) up to but not including (x1, y1).
void DrawLine(Surface& dst, int x0, int y0, int x1, int y1, Color c);

// Fonts the program writes with.
enum class Font {
    MainWindow,  // the main window's font: its "0" is the charWidth x charHeight cell
    Dialog,      // 9 pt Japanese proportional gothic of the dialogs
    Brush,       // brush lettering for banners and the title
};

// Writes UTF-8 text with its top-left corner at (x, y); when `opaque`, the
// text's extent is filled with `background` first.
void TextOut(Surface& dst, int x, int y, std::string_view text, Color color,
             Color background = White, bool opaque = true, Font font = Font::MainWindow);
Size TextExtent(std::string_view text, Font font = Font::MainWindow);

// Length of the text as the old double-byte code page counts it: one for an
// ASCII or half-width kana character, two for every other one. Text that is
// right-aligned in character cells is measured this way.
int ByteLength(std::string_view text);

// A fixed classic dialog palette.
enum class SysColor { BtnFace, WindowText, BtnHighlight, BtnShadow };
Color GetSysColor(SysColor which);

}  // namespace platform
