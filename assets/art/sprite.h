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

// `paint` draws the shape on a transparent cell of `size`; every pixel that
// it covers by at least about a third becomes part of the shape.
Sprite MakeSprite(QSize size, const std::function<void(QPainter&)>& paint);

// Copies the sprite's picture to `pictureAt` and its mask to `maskAt` of `sheet`.
void PlaceSprite(QImage& sheet, const Sprite& sprite, QPoint pictureAt, QPoint maskAt);

// Writes `text` centred in `box` (or against its right edge) as a filled path
// with an outline round it.
void OutlinedText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                  QColor fill, QColor outline, qreal outlineWidth, bool alignRight = false);

QImage BlankImage(QSize size, QColor colour);

}  // namespace assets::art
