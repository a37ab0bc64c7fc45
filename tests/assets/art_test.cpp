// The drawn art keeps the shapes the tables rely on: cell layouts, masks that
// are pure black and white and agree with their pictures, and a deck in which
// every card can be told apart.
#include <gtest/gtest.h>

#include <QImage>
#include <QSvgRenderer>
#include <QTransform>
#include <set>

#include "assets/art/card_art.h"
#include "assets/catalogue.h"

using assets::LoadImage;
using assets::TableImage;
using platform::Black;
using platform::Color;
using platform::Surface;
using platform::White;

namespace {

// Column and row counts of the sheets drawn with a picture row above a mask row.
struct Cell {
    int x, y, w, h;
};

// True when every pixel of the block is `c`.
bool AllOf(const Surface& s, Cell c, Color colour) {
    for (int y = c.y; y < c.y + c.h; ++y)
        for (int x = c.x; x < c.x + c.w; ++x)
            if (s.Pixel(x, y) != colour) return false;
    return true;
}

bool AnyOf(const Surface& s, Cell c, Color colour) {
    for (int y = c.y; y < c.y + c.h; ++y)
        for (int x = c.x; x < c.x + c.w; ++x)
            if (s.Pixel(x, y) == colour) return true;
    return false;
}

}  // namespace

TEST(Deck, HoldsEveryCardAndTheBack) {
    QSvgRenderer deck(QStringLiteral(":/kirabo/cards/deck.svg"));
    ASSERT_TRUE(deck.isValid());
    for (int card = 0; card <= 48; ++card) {
        QString id = assets::art::CardElementId(card);
        EXPECT_TRUE(deck.elementExists(id)) << id.toStdString();
        // Each card is drawn from its own origin over the whole card box.
        QRectF bounds = deck.boundsOnElement(id);
        EXPECT_LE(bounds.left(), 0.0) << card;
        EXPECT_LE(bounds.top(), 0.0) << card;
        EXPECT_GE(bounds.right(), assets::art::CardUnits.width()) << card;
        EXPECT_GE(bounds.bottom(), assets::art::CardUnits.height()) << card;
    }
}

TEST(Deck, FacesDifferFromEachOtherAndFromTheBackAtEveryResolution) {
    for (int r = 0; r < 3; ++r) {
        std::set<qint64> seen;
        for (int card = 0; card <= 48; ++card) {
            const QImage& face = LoadImage(TableImage(card, r)).Image();
            EXPECT_TRUE(seen.insert(face.cacheKey()).second);
            for (int other = 0; other < card; ++other)
                ASSERT_NE(face, LoadImage(TableImage(other, r)).Image())
                    << "cards " << other << " and " << card << " at resolution " << r;
        }
    }
}

TEST(Deck, CardsHaveADarkBorderAndACreamFace) {
    for (int r = 0; r < 3; ++r)
        for (int card = 0; card < 48; ++card) {
            const Surface& face = LoadImage(TableImage(card, r));
            Color edge = face.Pixel(face.Width() / 2, 0);
            EXPECT_LT((edge & 0xFF) + ((edge >> 8) & 0xFF) + ((edge >> 16) & 0xFF), 200) << card;
        }
}

TEST(Deck, TurnedSetsAreExactlyTheUprightCardsTurned) {
    for (int r = 0; r < 3; ++r)
        for (int card = 0; card <= 48; ++card) {
            const QImage& up = LoadImage(TableImage(card, r)).Image();
            EXPECT_EQ(LoadImage(TableImage(100 + card, r)).Image(),
                      up.transformed(QTransform().rotate(-90)))
                << card;
            EXPECT_EQ(LoadImage(TableImage(200 + card, r)).Image(),
                      up.transformed(QTransform().rotate(90)))
                << card;
        }
    // Anticlockwise: the card's top-left corner goes to the bottom-left.
    const Surface& up = LoadImage(TableImage(0, 2));
    const Surface& left = LoadImage(TableImage(100, 2));
    EXPECT_EQ(left.Pixel(10, left.Height() - 1 - 70), up.Pixel(70, 10));
}

TEST(GlowStrip, FramesFillExactlyTheRingThatTheMaskClears) {
    const int cardWidth[3] = {49, 62, 80}, cardHeight[3] = {81, 102, 132};
    for (int r = 0; r < 3; ++r) {
        const Surface& strip = LoadImage(TableImage(300, r));
        int w = strip.Width() / 6, h = strip.Height();
        int mx = (w - cardWidth[r]) / 2, my = (h - cardHeight[r]) / 2;
        // Over the card itself the mask keeps the card and no frame adds to it.
        Cell card{5 * w + mx, my, cardWidth[r], cardHeight[r]};
        EXPECT_TRUE(AllOf(strip, card, White)) << r;
        for (int f = 0; f < 5; ++f)
            EXPECT_TRUE(AllOf(strip, {f * w + mx, my, cardWidth[r], cardHeight[r]}, Black));
        // The ring next to the card's edges is cleared and lit in every frame.
        for (int f = 0; f < 5; ++f) {
            EXPECT_EQ(strip.Pixel(5 * w + w / 2, my - 1), Black);
            EXPECT_EQ(strip.Pixel(5 * w + mx - 1, h / 2), Black);
            EXPECT_NE(strip.Pixel(f * w + w / 2, my - 1), Black) << f;
            EXPECT_NE(strip.Pixel(f * w + w - mx, h / 2), Black) << f;
        }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                Color m = strip.Pixel(5 * w + x, y);
                ASSERT_TRUE(m == Black || m == White);
                for (int f = 0; f < 5; ++f)
                    ASSERT_EQ(strip.Pixel(f * w + x, y) != Black, m == Black)
                        << "frame " << f << " at " << x << "," << y;
            }
        // The pulse: the middle frame is the brightest.
        Color dim = strip.Pixel(w / 2, my - 1), bright = strip.Pixel(2 * w + w / 2, my - 1);
        EXPECT_GT((bright >> 8) & 0xFF, (dim >> 8) & 0xFF);
    }
}

TEST(ResultBanners, TheSweepCrossesTheWinBannerAndLeavesItAtBothEnds) {
    for (int r = 0; r < 3; ++r) {
        const Surface& strip = LoadImage(TableImage(410, r));
        const Surface& banner = LoadImage(TableImage(400, r));
        int bw = banner.Width(), bh = banner.Height(), s = bw + 2 * bh;
        auto window = [&](int i) { return Cell{s - (s / 14) * i, 0, bw, bh}; };
        EXPECT_FALSE(AnyOf(strip, window(0), White)) << r;
        EXPECT_FALSE(AnyOf(strip, window(14), White)) << r;
        EXPECT_TRUE(AnyOf(strip, window(7), White)) << r;
        // The band moves across the banner from left to right.
        auto firstLit = [&](int i) {
            Cell c = window(i);
            for (int x = 0; x < bw; ++x)
                if (strip.Pixel(c.x + x, bh / 2) == White) return x;
            return -1;
        };
        EXPECT_LT(firstLit(5), firstLit(9));
    }
}

TEST(ResultBanners, TheLitDrawFrameDiffersFromThePlainOne) {
    for (int r = 0; r < 3; ++r)
        EXPECT_NE(LoadImage(TableImage(600, r)).Image(), LoadImage(TableImage(601, r)).Image());
}
