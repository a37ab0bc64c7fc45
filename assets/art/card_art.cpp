#include "assets/art/card_art.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTransform>
#include <algorithm>
#include <atomic>
#include <map>
#include <mutex>
#include <thread>
#include <tuple>
#include <vector>

#include "assets/art/device.h"

namespace assets::art {
namespace {

// One renderer for each thread that draws cards: a renderer is not shared.
QSvgRenderer& Deck() {
    thread_local QSvgRenderer deck(QStringLiteral(":/kirabo/cards/deck.svg"));
    return deck;
}

// A crisp dark border, whole pixels wide, drawn over the vector picture so
// every size gets the same clean edge.
void Border(QImage& image, QSize logical, double ratio) {
    QPainter p(&image);
    int width = Device(logical.width() >= 70 ? 2 : 1, ratio);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2A, 0x1C, 0x14));
    QRegion frame(0, 0, image.width(), image.height());
    frame -= QRegion(width, width, image.width() - 2 * width, image.height() - 2 * width);
    p.setClipRegion(frame);
    p.drawRect(image.rect());
}

QImage Render(int card, QSize size, double ratio) {
    QImage image(DeviceSize(size, ratio), QImage::Format_RGB32);
    image.fill(QColor(0xF3, 0xE9, 0xD2));
    {
        QPainter p(&image);
        UseLogicalUnits(p, ratio);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        // A card's drawing is in its own units, the card being 0..CardUnits; the
        // renderer fits an element's bounds to the target, so the target is the
        // card's bounds scaled, and whatever strays past the edge is cut off.
        QString id = CardElementId(card);
        QRectF bounds = Deck().boundsOnElement(id);
        qreal sx = size.width() / CardUnits.width(), sy = size.height() / CardUnits.height();
        p.setClipRect(QRectF(0, 0, image.width() / ratio, image.height() / ratio));
        Deck().render(
            &p, id,
            QRectF(bounds.x() * sx, bounds.y() * sy, bounds.width() * sx, bounds.height() * sy));
    }
    Border(image, size, ratio);
    image.setDevicePixelRatio(ratio);
    return image;
}

}  // namespace

QString CardElementId(int card) {
    if (card == BackImage) return QStringLiteral("back");
    return QStringLiteral("card%1").arg(card, 2, 10, QLatin1Char('0'));
}

namespace {
// Both turned sets are made from the upright picture of the same size.
using Key = std::tuple<int, int, int, double>;
std::map<Key, QImage> made;
std::mutex madeLock;
}  // namespace

void ForgetMadeCards() {
    std::lock_guard<std::mutex> hold(madeLock);
    made.clear();
}

QImage UprightCard(int card, QSize size, double ratio) {
    const Key key = std::make_tuple(card, size.width(), size.height(), ratio);
    {
        std::lock_guard<std::mutex> hold(madeLock);
        auto it = made.find(key);
        if (it != made.end()) return it->second;
    }
    QImage image = Render(card, size, ratio);
    std::lock_guard<std::mutex> hold(madeLock);
    return made.emplace(key, std::move(image)).first->second;
}

void PrepareUprightCards(QSize size, double ratio) {
    // The deck is drawn by a few threads at once, each card once.
    const int threads = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 4);
    std::atomic<int> next{0};
    auto work = [&] {
        for (int card = next++; card <= BackImage; card = next++) UprightCard(card, size, ratio);
    };
    std::vector<std::thread> workers;
    for (int t = 1; t < threads; ++t) workers.emplace_back(work);
    work();
    for (std::thread& worker : workers) worker.join();
}

QImage TurnedCard(int card, QSize size, bool anticlockwise, double ratio) {
    QImage upright = UprightCard(card, size.transposed(), ratio);
    QImage turned = upright.transformed(QTransform().rotate(anticlockwise ? -90 : 90));
    turned.setDevicePixelRatio(ratio);
    return turned;
}

}  // namespace assets::art
