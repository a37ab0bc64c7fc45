#include "platform/marks.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include "platform/qt_fonts.h"

namespace platform {

namespace {

QColor ToQColor(Color c, int alpha) {
    return QColor(static_cast<int>(c & 0xff), static_cast<int>((c >> 8) & 0xff),
                  static_cast<int>((c >> 16) & 0xff), alpha);
}

QFont MarkFont(int pixelHeight, bool bold) {
    QFont f = FontFor(Font::Dialog);
    f.setPixelSize(pixelHeight);
    f.setBold(bold);
    return f;
}

}  // namespace

void FillRoundRect(Surface& dst, const Rect& r, int radius, Color fill, int alpha) {
    if (dst.IsEmpty() || r.Width() <= 0 || r.Height() <= 0) return;
    QPainter p(&dst.Image());
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(ToQColor(fill, alpha));
    p.drawRoundedRect(QRectF(r.left, r.top, r.Width(), r.Height()), radius, radius);
}

void FrameRoundRect(Surface& dst, const Rect& r, int radius, int penWidth, Color color, int alpha) {
    if (dst.IsEmpty() || r.Width() <= 0 || r.Height() <= 0 || penWidth <= 0) return;
    QPainter p(&dst.Image());
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(ToQColor(color, alpha));
    pen.setWidthF(penWidth);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const double inset = penWidth / 2.0;
    p.drawRoundedRect(
        QRectF(r.left + inset, r.top + inset, r.Width() - penWidth, r.Height() - penWidth), radius,
        radius);
}

void FillTriangle(Surface& dst, int x0, int y0, int x1, int y1, int x2, int y2, Color fill) {
    if (dst.IsEmpty()) return;
    QPainter p(&dst.Image());
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(ToQColor(fill, 255));
    const QPointF points[] = {QPointF(x0, y0), QPointF(x1, y1), QPointF(x2, y2)};
    p.drawPolygon(points, 3);
}

void MarkText(Surface& dst, int x, int y, std::string_view text, int pixelHeight, Color color,
              bool bold) {
    if (dst.IsEmpty()) return;
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QPainter p(&dst.Image());
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(MarkFont(pixelHeight, bold));
    p.setPen(ToQColor(color, 255));
    p.drawText(x, y + QFontMetrics(p.font()).ascent(), s);
}

Size MarkTextExtent(std::string_view text, int pixelHeight, bool bold) {
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetrics m(MarkFont(pixelHeight, bold));
    return {m.horizontalAdvance(s), m.height()};
}

}  // namespace platform
