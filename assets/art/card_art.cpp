#include "assets/art/card_art.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTransform>
#include <map>
#include <utility>

namespace assets::art {
namespace {

QSvgRenderer& Deck() {
    static QSvgRenderer deck(QStringLiteral(":/kirabo/cards/deck.svg"));
    return deck;
}

// A crisp dark border, whole pixels wide, drawn over the vector picture so
// every size gets the same clean edge.
void Border(QImage& image) {
    QPainter p(&image);
    int width = image.width() >= 70 ? 2 : 1;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2A, 0x1C, 0x14));
    QRegion frame(0, 0, image.width(), image.height());
    frame -= QRegion(width, width, image.width() - 2 * width, image.height() - 2 * width);
    p.setClipRegion(frame);
    p.drawRect(image.rect());
}

QImage Render(int card, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(0xF3, 0xE9, 0xD2));
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        // A card's drawing is in its own units, the card being 0..CardUnits; the
        // renderer fits an element's bounds to the target, so the target is the
        // card's bounds scaled, and whatever strays past the edge is cut off.
        QString id = CardElementId(card);
        QRectF bounds = Deck().boundsOnElement(id);
        qreal sx = size.width() / CardUnits.width(), sy = size.height() / CardUnits.height();
        p.setClipRect(image.rect());
        Deck().render(
            &p, id,
            QRectF(bounds.x() * sx, bounds.y() * sy, bounds.width() * sx, bounds.height() * sy));
    }
    Border(image);
    return image;
}

}  // namespace

QString CardElementId(int card) {
    if (card == BackImage) return QStringLiteral("back");
    return QStringLiteral("card%1").arg(card, 2, 10, QLatin1Char('0'));
}

namespace {
// Both turned sets are made from the upright picture of the same size.
std::map<std::pair<int, std::pair<int, int>>, QImage> made;
}  // namespace

void ForgetMadeCards() {
    made.clear();
}

QImage UprightCard(int card, QSize size) {
    auto key = std::make_pair(card, std::make_pair(size.width(), size.height()));
    auto it = made.find(key);
    if (it == made.end()) it = made.emplace(key, Render(card, size)).first;
    return it->second;
}

QImage TurnedCard(int card, QSize size, bool anticlockwise) {
    QImage upright = UprightCard(card, size.transposed());
    return upright.transformed(QTransform().rotate(anticlockwise ? -90 : 90));
}

}  // namespace assets::art
