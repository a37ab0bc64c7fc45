#include "assets/art/sprite.h"

#include <QPainterPath>

#include "assets/art/device.h"

namespace assets::art {

QImage BlankImage(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

Sprite MakeSprite(QSize logical, double ratio, const std::function<void(QPainter&)>& paint) {
    const QSize size = CellSize(logical, ratio);
    QImage shape(size, QImage::Format_ARGB32);
    shape.fill(Qt::transparent);
    {
        QPainter p(&shape);
        UseLogicalUnits(p, ratio);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        paint(p);
    }
    Sprite sprite{BlankImage(size, Qt::black), BlankImage(size, Qt::white)};
    for (int y = 0; y < size.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(shape.constScanLine(y));
        QRgb* picture = reinterpret_cast<QRgb*>(sprite.picture.scanLine(y));
        QRgb* mask = reinterpret_cast<QRgb*>(sprite.mask.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            int alpha = qAlpha(in[x]);
            if (alpha < 88) continue;
            // Undo the premultiplication so that the shape keeps its full colour
            // to the edge: the mask's hard edge gives the outline.
            picture[x] = qRgb(qRed(in[x]) * 255 / alpha, qGreen(in[x]) * 255 / alpha,
                              qBlue(in[x]) * 255 / alpha);
            mask[x] = qRgb(0, 0, 0);
        }
    }
    return sprite;
}

void PlaceSprite(QImage& sheet, const Sprite& sprite, QPoint pictureAt, QPoint maskAt, QSize cell,
                 double ratio) {
    auto place = [&](QPoint at, const QImage& image) {
        const QPoint device(Device(at.x(), ratio), Device(at.y(), ratio));
        {
            QPainter p(&sheet);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(device, image);
        }
        const QSize span(Device(at.x() + cell.width(), ratio) - device.x(),
                         Device(at.y() + cell.height(), ratio) - device.y());
        ExtendToCell(sheet, QRect(device, image.size()), span);
    };
    place(pictureAt, sprite.picture);
    place(maskAt, sprite.mask);
}

void OutlinedText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                  QColor fill, QColor outline, qreal outlineWidth, bool alignRight) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    QRectF bounds = path.boundingRect();
    // Centre the ink, not the font's line box, so glyphs sit in the middle.
    path.translate(box.center() - bounds.center());
    if (alignRight) path.translate(box.right() - outlineWidth - 1 - path.boundingRect().right(), 0);
    if (outlineWidth > 0) {
        p.setPen(QPen(outline, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

}  // namespace assets::art
