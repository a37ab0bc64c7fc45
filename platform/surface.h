// Off-screen pictures and the raster operations the tables are drawn with.
//
// A Surface is a 32-bit RGB picture. Colours are COLORREF values, 0x00BBGGRR,
// so the tables can name them as the drawing code always has (0xff0000 blue).
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

class Surface {
  public:
    Surface();
    Surface(int width, int height, Color fill = Black);
    explicit Surface(const QImage& image);
    Surface(const Surface& other);
    Surface& operator=(const Surface& other);
    Surface(Surface&&) noexcept;
    Surface& operator=(Surface&&) noexcept;
    ~Surface();

    int Width() const;
    int Height() const;
    bool IsEmpty() const;
    Color Pixel(int x, int y) const;
    void SetPixel(int x, int y, Color c);

    QImage& Image();
    const QImage& Image() const;

  private:
    std::unique_ptr<QImage> image_;
};

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
