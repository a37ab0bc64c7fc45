// The art is drawn in device pixels, `ratio` of them to each logical pixel
// of the layout, so a larger ratio gains detail instead of copying pixels.
// Pictures come back with the ratio as their device pixel ratio.
#pragma once
#include <QImage>
#include <QPainter>

#include "platform/surface.h"

namespace assets::art {

inline int Device(int logical, double ratio) {
    return platform::DeviceEdge(logical, ratio);
}
inline QSize DeviceSize(QSize logical, double ratio) {
    return {Device(logical.width(), ratio), Device(logical.height(), ratio)};
}

// The device pixels that a copy of a cell `logical` pixels long covers
// wherever it lies: a cell of a sheet is drawn in this many, so every copy of
// it, and of the mask beside it, takes the same pixels.
int CellSpan(int logical, double ratio);
QSize CellSize(QSize logical, double ratio);

// Lets the painter draw in logical coordinates on a device-pixel image.
void UseLogicalUnits(QPainter& p, double ratio);

// Fills the rest of the cell at device (x, y) of `span` pixels from the
// picture's last column and row, where the sheet's cell has more pixels than
// the picture.
void ExtendToCell(QImage& sheet, QRect drawn, QSize span);

}  // namespace assets::art
