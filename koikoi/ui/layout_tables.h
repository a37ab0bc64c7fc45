// The Koi-Koi table's sizes and positions for the three resolutions (index
// 0 640x480, 1 800x600, 2 1024x768). Positions are top-left corners in client
// pixels. Everything of the Koi-Koi table lives in namespace koiui, so that its
// tables never meet the Hana-awase table's tables of the same names.
#pragma once

namespace koiui {

constexpr int Resolutions = 3;

// Card sizes.
extern const int CardWidth[Resolutions], CardHeight[Resolutions];
extern const int PileCardWidth[Resolutions], PileCardHeight[Resolutions];
extern const int RaisedCardWidth[Resolutions], RaisedCardHeight[Resolutions];
extern const int GlowWidth[Resolutions], GlowHeight[Resolutions];
extern const int CursorGlowWidth[Resolutions], CursorGlowHeight[Resolutions];
extern const int PairOffset[Resolutions];

extern const int StockX[Resolutions], StockY[Resolutions];
// [resolution][player]
extern const int HandY[Resolutions][2];
// [resolution][player][slot]: the human's slots run left to right, the
// computer's right to left.
extern const int HandX[Resolutions][2][8];
// [resolution][column pair]: x of field slots 2k and 2k + 1.
extern const int FieldColumnX[Resolutions][8];
// [resolution][row]: y of the even (upper) and odd (lower) field slots.
extern const int FieldRowY[Resolutions][2];
// [resolution][player][category 光 タネ タン カス]
extern const int PileX[Resolutions][2][4];
extern const int PileY[Resolutions][2];

// Field slots 0..15 lie in the two rows; 16..19 (the rare seventeenth card
// and beyond) lie in the hand rows, where no hand card can be: a field of
// seventeen cards needs nine cards laid down, so both hands are down to six
// cards at most and their places 6 and 7 stay empty for the rest of the hand.
// 16, 17 take the computer's places 7, 6 (face up among the backs, at the
// left of the top row); 18, 19 the human's places 6, 7.
int FieldX(int r, int slot);
int FieldY(int r, int slot);
constexpr int TableFieldSlots = 20;

// The status panel, [resolution] or [resolution][player].
extern const int PlateX[Resolutions][2], PlateY[Resolutions][2];
extern const int PlateWidth[Resolutions], PlateHeight[Resolutions];
extern const int PlateShift[Resolutions];
extern const int NameX[Resolutions][2], NameY[Resolutions][2];
extern const int NameWidth[Resolutions], NameHeight[Resolutions];
extern const int ScoreRightX[Resolutions][2], ScoreY[Resolutions][2];
extern const int DigitWidth[Resolutions], DigitHeight[Resolutions];
extern const int MonWidth[Resolutions], MonHeight[Resolutions];
extern const int HomeLabelX, HomeLabelY[Resolutions];
extern const int HomeLabelWidth[Resolutions], HomeLabelHeight[Resolutions];
extern const int DrawBannerWidth[Resolutions], DrawBannerHeight[Resolutions];
extern const int BannerWidth[Resolutions], BannerHeight[Resolutions];

}  // namespace koiui
