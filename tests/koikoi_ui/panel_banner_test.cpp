// The status panel's plates, labels and totals, and the result banner.
#include <gtest/gtest.h>

#include <vector>

#include "assets/catalogue.h"
#include "tests/koikoi_ui/solid_table.h"

using namespace koiui;

namespace {

class PanelTest : public SolidTable {
  protected:
    void SetUp() override {
        SolidTable::SetUp();
        UseHomeLabel(0);
        backgroundChoice = 1;
    }
    void TearDown() override {
        backgroundChoice = 0;
        SolidTable::TearDown();
    }
    // A glyph of a panel sheet laid on the plain table, as the panel lays it.
    static platform::Surface Glyph(int sheet, int w, int h, int px, int py, int mx, int my) {
        platform::Surface s(w, h, TableColour);
        const platform::Surface& image = assets::LoadImage(assets::TableImage(sheet, resolution));
        platform::DrawMasked(s, 0, 0, w, h, image, px, py, image, mx, my);
        return s;
    }
    static platform::Surface Digit(int v) {
        const int r = resolution, bg = backgroundChoice, dw = DigitWidth[r], dh = DigitHeight[r];
        return Glyph(703, dw, dh, v * dw, 2 * bg * dh, v * dw, (2 * bg + 1) * dh);
    }
    static platform::Surface Plate(int column) {
        const int r = resolution, pw = PlateWidth[r], ph = PlateHeight[r];
        return Glyph(704, pw, ph, column * pw, 0, column * pw, ph);
    }
    static bool Shows(const platform::Surface& layer, int x, int y,
                      const platform::Surface& glyph) {
        for (int j = 0; j < glyph.Height(); ++j)
            for (int i = 0; i < glyph.Width(); ++i)
                if (layer.Pixel(x + i, y + j) != glyph.Pixel(i, j)) return false;
        return true;
    }
};

}  // namespace

TEST_F(PanelTest, TotalsAreRightAlignedAgainstMonAndStopAtFourDigits) {
    for (int res = 0; res < 3; ++res) {
        UseResolution(res);
        UseHomeLabel(res);
        koi.gameTotal[0] = 0;
        koi.gameTotal[1] = 12345;
        DrawKoiKoiPanel();
        const int dw = DigitWidth[res];
        EXPECT_TRUE(Shows(tableBase, ScoreRightX[res][0] - dw, ScoreY[res][0], Digit(0))) << res;
        for (int i = 1; i <= 4; ++i)
            EXPECT_TRUE(Shows(tableBase, ScoreRightX[res][1] - i * dw, ScoreY[res][1], Digit(9)))
                << res << " " << i;
        EXPECT_EQ(tableBase.Pixel(ScoreRightX[res][1] - 4 * dw - 1, ScoreY[res][1] + 3),
                  TableColour);
        koi.gameTotal[0] = 9999;
        koi.gameTotal[1] = 47;
        DrawKoiKoiPanel();
        EXPECT_TRUE(Shows(tableBase, ScoreRightX[res][0] - 4 * dw, ScoreY[res][0], Digit(9)));
        EXPECT_TRUE(Shows(tableBase, ScoreRightX[res][1] - 2 * dw, ScoreY[res][1], Digit(4)));
        EXPECT_TRUE(Shows(tableBase, ScoreRightX[res][1] - dw, ScoreY[res][1], Digit(7)));
        // The panel is in every layer; the home-page label sits bottom left.
        EXPECT_EQ(backBuffer.Pixel(3, HomeLabelY[res]), platform::Rgb(1, 2, 3));
        EXPECT_EQ(pileLayer.Pixel(3, HomeLabelY[res]), platform::Rgb(1, 2, 3));
    }
}

TEST_F(PanelTest, TheDealerHasTheOyaPlateAndTheFirstBackgroundShiftsThePlatesOutward) {
    koi.dealer = 1;
    DrawKoiKoiPanel();
    // Background 2: column 0 + 2 is 親, 1 + 2 is 子.
    EXPECT_TRUE(Shows(tableBase, PlateX[0][1], PlateY[0][1], Plate(2)));
    EXPECT_TRUE(Shows(tableBase, PlateX[0][0], PlateY[0][0], Plate(3)));
    koi.dealer = 0;
    DrawKoiKoiPanel();
    EXPECT_TRUE(Shows(tableBase, PlateX[0][0], PlateY[0][0], Plate(2)));
    backgroundChoice = 0;
    DrawKoiKoiPanel();
    EXPECT_TRUE(Shows(tableBase, PlateX[0][0] + PlateShift[0], PlateY[0][0], Plate(0)));
    EXPECT_TRUE(Shows(tableBase, PlateX[0][1] - PlateShift[0], PlateY[0][1], Plate(1)));
}

namespace {

platform::Rect Centred(int w, int h) {
    const int x = (ClientWidth[0] - w) / 2, y = (ClientHeight[0] - h) / 2;
    return {x, y, x + w, y + h};
}

}  // namespace

// After the game, switching the glows off leaves the banner picture alone:
// the last hand's cards do not come back under it.
TEST_F(PanelTest, TheResultBannerStaysWhenTheTableIsRedrawnAfterTheGame) {
    for (int s = 0; s < 8; ++s) koi.hands[0][s] = s, koi.hands[1][s] = 8 + s;
    koi.gameTotal[0] = 5;
    koi.gameTotal[1] = 3;
    backBuffer = platform::Surface(ClientWidth[0], ClientHeight[0], TableColour);
    DrawResultBanner();
    const platform::Surface shown = backBuffer;
    gameState = 7;
    showCapturableOn = 0;
    RedrawKoiKoiTable();
    gameState = -1;
    showCapturableOn = 1;
    for (int y = 0; y < ClientHeight[0]; y += 3)
        for (int x = 0; x < ClientWidth[0]; x += 3)
            ASSERT_EQ(backBuffer.Pixel(x, y), shown.Pixel(x, y)) << x << "," << y;
}

TEST_F(PanelTest, TheBannerFollowsTheTotalsOverTheDarkenedTable) {
    struct Case {
        int human, com, image, width;
    };
    for (const Case& c : {Case{5, 3, 10400, 480}, Case{3, 5, 10500, 480}, Case{4, 4, 10600, 320}}) {
        backBuffer = platform::Surface(ClientWidth[0], ClientHeight[0], TableColour);
        koi.gameTotal[0] = c.human;
        koi.gameTotal[1] = c.com;
        DrawResultBanner();
        const platform::Rect b = Centred(c.width, 98);
        EXPECT_TRUE(Shows(backBuffer, b.left, b.top, assets::LoadImage(c.image))) << c.image;
        // Outside it every other pixel is black.
        const platform::Surface& dim = assets::LoadImage(10302);
        EXPECT_EQ(backBuffer.Pixel(10, 10), TableColour & dim.Pixel(10, 10));
        EXPECT_EQ(backBuffer.Pixel(11, 10), TableColour & dim.Pixel(11, 10));
        EXPECT_NE(backBuffer.Pixel(10, 10), backBuffer.Pixel(11, 10));
    }
}
