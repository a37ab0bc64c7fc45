#include "assets/art/device.h"

#include <algorithm>
#include <cmath>

namespace assets::art {

int CellSpan(int logical, double ratio) {
    if (ratio == 1.0) return logical;
    return static_cast<int>(std::floor(logical * ratio + 1e-9));
}

QSize CellSize(QSize logical, double ratio) {
    return {CellSpan(logical.width(), ratio), CellSpan(logical.height(), ratio)};
}

void UseLogicalUnits(QPainter& p, double ratio) {
    if (ratio != 1.0) p.scale(ratio, ratio);
}

void ExtendToCell(QImage& sheet, QRect drawn, QSize span) {
    const int right = std::min(drawn.left() + span.width(), sheet.width());
    const int bottom = std::min(drawn.top() + span.height(), sheet.height());
    const int lastX = drawn.right(), lastY = drawn.bottom();
    if (lastX < 0 || lastY < 0 || lastX >= sheet.width() || lastY >= sheet.height()) return;
    for (int y = drawn.top(); y < bottom; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(sheet.scanLine(y));
        const QRgb* from = reinterpret_cast<const QRgb*>(sheet.constScanLine(std::min(y, lastY)));
        const int x0 = y <= lastY ? lastX + 1 : drawn.left();
        for (int x = x0; x < right; ++x) line[x] = from[std::min(x, lastX)];
    }
}

}  // namespace assets::art
