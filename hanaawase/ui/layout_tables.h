// The Hana-awase table's sizes and positions for the three resolutions
// (index 0 640x480, 1 800x600, 2 1024x768). Positions are top-left corners in
// client pixels.
#pragma once

constexpr int HanaResolutions = 3;

// Card sizes.
extern const int CardWidth[HanaResolutions], CardHeight[HanaResolutions];
extern const int HanaPileCardWidth[HanaResolutions], HanaPileCardHeight[HanaResolutions];
extern const int RaisedCardWidth[HanaResolutions], RaisedCardHeight[HanaResolutions];
extern const int GlowWidth[HanaResolutions], GlowHeight[HanaResolutions];
extern const int CursorGlowWidth[HanaResolutions], CursorGlowHeight[HanaResolutions];
extern const int PairOffset[HanaResolutions];

// [resolution][player][slot]; slot 7 is the stock.
extern const int HanaHandX[HanaResolutions][3][8], HanaHandY[HanaResolutions][3][8];
// [resolution][place]
extern const int HanaFieldX[HanaResolutions][16], HanaFieldY[HanaResolutions][16];
extern const int HanaStockX[HanaResolutions], HanaStockY[HanaResolutions];
// [resolution][player][group]; group 0 brights, 1 animals, 2 ribbons, 3 chaff.
extern const int HanaPileX[HanaResolutions][3][4], HanaPileY[HanaResolutions][3][4];

// The status panel, [resolution][player].
extern const int HanaPlateX[HanaResolutions][3], HanaPlateY[HanaResolutions][3];
extern const int HanaNameX[HanaResolutions][3], HanaNameY[HanaResolutions][3];
extern const int HanaScoreRightX[HanaResolutions][3], HanaScoreY[HanaResolutions][3];
// Cells of the panel sheets, [resolution].
extern const int HanaPlateW[HanaResolutions], HanaPlateH[HanaResolutions];
extern const int HanaNameW[HanaResolutions], HanaNameH[HanaResolutions];
extern const int HanaDigitW[HanaResolutions], HanaDigitH[HanaResolutions];
extern const int HanaUnitW[HanaResolutions];
// The home-page label: x, y, width, height.
extern const int HanaHomeLabel[HanaResolutions][4];
