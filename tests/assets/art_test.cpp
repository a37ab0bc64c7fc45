// The drawn art keeps the shapes the tables rely on: cell layouts, masks that
// are pure black and white and agree with their pictures, and a deck in which
// every card can be told apart.
#include <gtest/gtest.h>

#include <QImage>
#include <QSvgRenderer>
#include <QTransform>

#include "assets/art/card_art.h"
#include "assets/catalogue.h"

using assets::LoadImage;
using assets::TableImage;
using platform::Black;
using platform::Color;
using platform::Surface;
using platform::White;

TEST(Deck, HoldsEveryCardAndTheBack) {
    QSvgRenderer deck(QStringLiteral(":/kirabo/cards/deck.svg"));
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
        for (int card = 0; card <= 48; ++card) {
            const QImage& face = LoadImage(TableImage(card, r)).Image();
            for (int other = 0; other < card; ++other)
                ASSERT_NE(face, LoadImage(TableImage(other, r)).Image())
                    << "cards " << other << " and " << card << " at resolution " << r;
        }
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
}

// The sixth cell is the mask: it clears exactly what each frame lights.
TEST(GlowStrip, FramesLightExactlyWhatTheMaskClears) {
    for (int r = 0; r < 3; ++r) {
        const Surface& strip = LoadImage(TableImage(300, r));
        const int w = strip.Width() / 6, h = strip.Height();
        int cleared = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const Color m = strip.Pixel(5 * w + x, y);
                ASSERT_TRUE(m == Black || m == White);
                cleared += m == Black;
                for (int f = 0; f < 5; ++f)
                    ASSERT_EQ(strip.Pixel(f * w + x, y) != Black, m == Black)
                        << "frame " << f << " at " << x << "," << y;
            }
        EXPECT_GT(cleared, 0);
        // The card in the middle is kept.
        EXPECT_EQ(strip.Pixel(5 * w + w / 2, h / 2), White);
        // The pulse: the middle frame is brighter than the first.
        const auto green = [&](int f) {
            int sum = 0;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) sum += (strip.Pixel(f * w + x, y) >> 8) & 0xFF;
            return sum;
        };
        EXPECT_GT(green(2), green(0));
    }
}

TEST(ResultBanners, TheLitDrawFrameDiffersFromThePlainOne) {
    for (int r = 0; r < 3; ++r)
        EXPECT_NE(LoadImage(TableImage(600, r)).Image(), LoadImage(TableImage(601, r)).Image());
}
