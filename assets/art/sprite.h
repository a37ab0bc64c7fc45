// Pictures that are laid over the table in two passes: the mask with AND
// (black where the shape is, white elsewhere), then the picture with OR
// (the shape's colours on black).
#pragma once
#include <QImage>
#include <QPainter>
#include <functional>

namespace assets::art {

struct Sprite {
    QImage picture;  // colours where the shape is, black elsewhere
    QImage mask;     // black where the shape is, white elsewhere
};

// `paint` draws the shape in logical units on a transparent cell of `size`
// logical pixels at `ratio` (in CellSize device pixels); every device pixel
// that it covers by at least about a third becomes part of the shape.
Sprite MakeSprite(QSize size, double ratio, const std::function<void(QPainter&)>& paint);

// Copies the sprite's picture to the cell at logical `pictureAt` of `sheet`
// (in device pixels at `ratio`) and its mask to the cell at `maskAt`; the
// cells are `cell` logical pixels.
void PlaceSprite(QImage& sheet, const Sprite& sprite, QPoint pictureAt, QPoint maskAt, QSize cell,
                 double ratio);

// Writes `text` centred in `box` (or against its right edge) as a filled path
// with an outline round it.
void OutlinedText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                  QColor fill, QColor outline, qreal outlineWidth, bool alignRight = false);

QImage BlankImage(QSize size, QColor colour);

}  // namespace assets::art
