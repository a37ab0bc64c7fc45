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

// A glyph drawn with AND then OR: its mask is black and white only, black
// somewhere, clear along the cell's left and right edges (the glyph stays in
// its cell), and the picture is black wherever the mask keeps the table.
void ExpectGlyph(const Surface& sheet, Cell picture, Cell mask, const std::string& what) {
    bool inked = false;
    for (int y = 0; y < mask.h; ++y)
        for (int x = 0; x < mask.w; ++x) {
            Color m = sheet.Pixel(mask.x + x, mask.y + y);
            ASSERT_TRUE(m == Black || m == White) << what << " at " << x << "," << y;
            inked |= m == Black;
            if (m == White) {
                ASSERT_EQ(sheet.Pixel(picture.x + x, picture.y + y), Black) << what;
            }
        }
    EXPECT_TRUE(inked) << what << " has no shape";
    EXPECT_TRUE(AllOf(sheet, {mask.x, mask.y, 1, mask.h}, White)) << what << " left edge";
    EXPECT_TRUE(AllOf(sheet, {mask.x + mask.w - 1, mask.y, 1, mask.h}, White))
        << what << " right edge";
}

const int KoiDigitWidth[3] = {14, 17, 20}, KoiDigitHeight[3] = {18, 22, 27};
const int KoiMonWidth[3] = {20, 24, 29};
const int HanaDigitWidth[3] = {12, 15, 19}, HanaDigitHeight[3] = {18, 23, 30};
const int HanaUnitWidth[3] = {18, 24, 31};

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

TEST(PanelSheets, KoiKoiDigitsAndMonSitInTheirCells) {
    for (int r = 0; r < 3; ++r) {
        const Surface& sheet = LoadImage(TableImage(703, r));
        int w = KoiDigitWidth[r], h = KoiDigitHeight[r];
        for (int b = 0; b < 3; ++b) {
            for (int d = 0; d < 10; ++d)
                ExpectGlyph(sheet, {d * w, 2 * b * h, w, h}, {d * w, (2 * b + 1) * h, w, h},
                            "digit " + std::to_string(d));
            ExpectGlyph(sheet, {10 * w, 2 * b * h, KoiMonWidth[r], h},
                        {10 * w, (2 * b + 1) * h, KoiMonWidth[r], h}, "文");
        }
    }
}

TEST(PanelSheets, HanaAwaseDigitsSignsAndTenSitInTheirCells) {
    for (int r = 0; r < 3; ++r) {
        const Surface& sheet = LoadImage(TableImage(713, r));
        int w = HanaDigitWidth[r], h = HanaDigitHeight[r];
        for (int b = 0; b < 3; ++b) {
            for (int i = 0; i < 12; ++i)
                ExpectGlyph(sheet, {i * w, 2 * b * h, w, h}, {i * w, (2 * b + 1) * h, w, h},
                            "glyph " + std::to_string(i));
            ExpectGlyph(sheet, {12 * w, 2 * b * h, HanaUnitWidth[r], h},
                        {12 * w, (2 * b + 1) * h, HanaUnitWidth[r], h}, "点");
        }
        // The minus is one flat stroke: nothing above or below its middle band.
        Cell minusMask{10 * w, h, w, h / 3};
        EXPECT_FALSE(AnyOf(sheet, minusMask, Black));
    }
}

TEST(PanelSheets, PlatesAndNamesSitInTheirCells) {
    const int nameWidth[2][3] = {{53, 64, 81}, {51, 65, 84}};
    const int nameHeight[2][3] = {{18, 22, 27}, {18, 23, 30}};
    for (int game = 0; game < 2; ++game)
        for (int r = 0; r < 3; ++r) {
            const Surface& plates = LoadImage(TableImage(704 + 10 * game, r));
            int pw = plates.Width() / 6, ph = plates.Height() / 2;
            for (int column = 0; column < 6; ++column) {
                ExpectGlyph(plates, {column * pw, 0, pw, ph}, {column * pw, ph, pw, ph},
                            "plate " + std::to_string(column));
                EXPECT_EQ(plates.Pixel(column * pw + pw / 2, ph + ph / 2), Black);
                EXPECT_NE(plates.Pixel(column * pw + pw / 2, ph / 2), Black);
            }
            // 親 is on vermilion, 子 on ink: look just below the character.
            int below = ph / 2 + static_cast<int>(std::min(pw, ph) * 0.92 * 0.36);
            Color dealer = plates.Pixel(pw / 2, below), other = plates.Pixel(pw + pw / 2, below);
            EXPECT_GT(dealer & 0xFF, (dealer >> 16) & 0xFF);
            EXPECT_LT(other & 0xFF, 0x40);
            const Surface& names = LoadImage(TableImage(705 + 10 * game, r));
            int nw = nameWidth[game][r], nh = nameHeight[game][r];
            ASSERT_EQ(names.Width(), 3 * nw);
            ASSERT_EQ(names.Height(), 4 * nh);
            for (int b = 0; b < 3; ++b)
                for (int who = 0; who < 2; ++who)
                    ExpectGlyph(names, {b * nw, 2 * who * nh, nw, nh},
                                {b * nw, (2 * who + 1) * nh, nw, nh}, "name");
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
