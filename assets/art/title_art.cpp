#include "assets/art/title_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QSvgRenderer>

#include "assets/art/card_art.h"
#include "assets/art/device.h"
#include "assets/art/fonts.h"
#include "assets/art/sprite.h"
#include "platform/i18n.h"

namespace assets::art {

// The name in brush letters over a fan of the five 光 cards.
QImage TitlePicture(QSize size, double ratio) {
    QImage image = BlankImage(DeviceSize(size, ratio), Qt::black);
    QPainter p(&image);
    UseLogicalUnits(p, ratio);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    qreal unit = size.width() / 320.0;
    QRadialGradient glow(QPointF(size.width() / 2.0, size.height() * 0.38), size.width() * 0.7);
    glow.setColorAt(0, QColor(0x5A, 0x18, 0x10));
    glow.setColorAt(1, QColor(0x14, 0x08, 0x06));
    p.fillRect(QRectF(0, 0, image.width() / ratio, image.height() / ratio), glow);
    p.setPen(QPen(QColor(0xC8, 0x9A, 0x48), 2 * unit));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(5, 5, size.width() - 10, size.height() - 10));

    const int fan[5] = {0, 8, 28, 40, 44};
    QSize card(static_cast<int>(56 * unit), static_cast<int>(92 * unit));
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(size.width() / 2.0, size.height() + 62 * unit);
        p.rotate((i - 2) * 15.0);
        p.translate(-card.width() / 2.0, -card.height() - 92 * unit);
        p.drawImage(0, 0, UprightCard(fan[i], card, ratio));
        p.restore();
    }
    QRectF nameBox(0, 14 * unit, size.width(), 80 * unit);
    OutlinedText(p, nameBox, QStringLiteral("Kirabo"), BrushFont(static_cast<int>(64 * unit)),
                 QColor(0xF4, 0xD2, 0x6A), QColor(0x1A, 0x08, 0x04), 2.5 * unit);
    OutlinedText(p, QRectF(0, 84 * unit, size.width(), 26 * unit),
                 Lettering(TrNoop("Table", "花札 こいこい・花合わせ")),
                 LetteredInEnglish() ? DisplayFont(static_cast<int>(15 * unit))
                                     : BrushFont(static_cast<int>(20 * unit)),
                 QColor(0xF0, 0xE6, 0xD0), QColor(0x1A, 0x08, 0x04), 1.5 * unit);
    p.end();
    image.setDevicePixelRatio(ratio);
    return image;
}

// The moon card in miniature, drawn from its own small vector source so that
// it also serves as the desktop's scalable icon.
QImage ProgramIcon(int pixels) {
    static QSvgRenderer icon(QStringLiteral(":/kirabo/icon/kirabo.svg"));
    QImage image = BlankImage({pixels, pixels}, QColor(0x2A, 0x10, 0x0C));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    icon.render(&p, QRectF(0, 0, pixels, pixels));
    return image;
}

}  // namespace assets::art
