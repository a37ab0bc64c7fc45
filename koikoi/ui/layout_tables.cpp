#include "koikoi/ui/layout_tables.h"

namespace koiui {

// clang-format off
//                                           640x480  800x600  1024x768
const int CardWidth[Resolutions]        = {  49,      62,      80  };
const int CardHeight[Resolutions]       = {  81,     102,     132  };
const int PileCardWidth[Resolutions]    = {  43,      54,      69  };
const int PileCardHeight[Resolutions]   = {  56,      70,      90  };
const int RaisedCardWidth[Resolutions]  = {  59,      74,      96  };
const int RaisedCardHeight[Resolutions] = {  97,     122,     158  };
const int GlowWidth[Resolutions]        = {  55,      70,      90  };
const int GlowHeight[Resolutions]       = {  87,     110,     142  };
const int CursorGlowWidth[Resolutions]  = {  65,      82,     106  };
const int CursorGlowHeight[Resolutions] = { 103,     130,     168  };
const int PairOffset[Resolutions]       = {  10,      12,      16  };
const int StockX[Resolutions]           = { 291,     365,     469  };
const int StockY[Resolutions]           = { 170,     214,     281  };

//                                  player 0  player 1
const int HandY[Resolutions][2] = {{ 331,      8 },
                                   { 422,      9 },
                                   { 550,     19 }};

//                                       slots 0 ... 7
const int HandX[Resolutions][2][8] = {{{ 19,  68, 117, 166, 215, 264, 313, 362},
                                       {564, 515, 466, 417, 368, 319, 270, 221}},
                                      {{ 21,  83, 145, 207, 269, 331, 393, 455},
                                       {709, 647, 585, 523, 461, 399, 337, 275}},
                                      {{ 23, 103, 183, 263, 343, 423, 503, 583},
                                       {914, 834, 754, 674, 594, 514, 434, 354}}};

//                          slot pairs 0-1  2-3  4-5  6-7  8-9 10-11 12-13 14-15
const int FieldColumnX[Resolutions][8] = {{227, 169, 355, 413, 111, 471,  53, 529},
                                          {283, 209, 447, 521, 135, 595,  61, 669},
                                          {364, 269, 573, 668, 174, 763,  79, 858}};
//                                   upper  lower
const int FieldRowY[Resolutions][2] = {{129, 215},
                                       {162, 272},
                                       {215, 355}};

//                                       光   タネ  タン  カス
const int PileX[Resolutions][2][4] = {{{573, 530, 487, 423},
                                       {165, 122,  79,  14}},
                                      {{719, 665, 611, 530},
                                       {206, 152,  98,  17}},
                                      {{923, 854, 785, 681},
                                       {266, 197, 128,  24}}};
//                                 player 0  player 1
const int PileY[Resolutions][2] = {{ 310,      5 },
                                   { 394,      8 },
                                   { 508,     14 }};

// The status panel.
//                                       player 0  player 1
const int PlateX[Resolutions][2]      = {{434, 128}, {542, 160}, {700, 220}};
const int PlateY[Resolutions][2]      = {{352,  49}, {444,  64}, {580,  90}};
const int NameX[Resolutions][2]       = {{270, 225}, {343, 283}, {442, 366}};
const int NameY[Resolutions][2]       = {{309,  96}, {391, 121}, {512, 162}};
const int ScoreRightX[Resolutions][2] = {{388, 345}, {490, 430}, {625, 550}};
const int ScoreY[Resolutions][2]      = {{309,  96}, {391, 121}, {512, 162}};
//                                           640x480  800x600  1024x768
const int PlateWidth[Resolutions]       = {  70,      87,     111  };
const int PlateHeight[Resolutions]      = {  61,      74,      94  };
const int PlateShift[Resolutions]       = { 100,     125,     160  };
const int NameWidth[Resolutions]        = {  53,      64,      81  };
const int NameHeight[Resolutions]       = {  18,      22,      27  };
const int DigitWidth[Resolutions]       = {  14,      17,      20  };
const int DigitHeight[Resolutions]      = {  18,      22,      27  };
const int MonWidth[Resolutions]         = {  20,      24,      29  };
const int MonHeight[Resolutions]        = {  18,      22,      27  };
const int HomeLabelX                    =     3;
const int HomeLabelY[Resolutions]       = { 416,     533,     692  };
const int HomeLabelWidth[Resolutions]   = { 122,     157,     244  };
const int HomeLabelHeight[Resolutions]  = {  15,      18,      27  };
const int DrawBannerWidth[Resolutions]  = { 320,     400,     512  };
const int DrawBannerHeight[Resolutions] = {  98,     122,     156  };
const int BannerWidth[Resolutions]      = { 480,     600,     768  };
const int BannerHeight[Resolutions]     = {  98,     122,     156  };
// clang-format on

int FieldX(int r, int slot) {
    if (slot < 16) return FieldColumnX[r][slot / 2];
    if (slot < 18) return HandX[r][1][7 - (slot - 16)];
    return HandX[r][0][6 + (slot - 18)];
}

int FieldY(int r, int slot) {
    if (slot < 16) return FieldRowY[r][slot % 2];
    return HandY[r][slot < 18 ? 1 : 0];
}

}  // namespace koiui
