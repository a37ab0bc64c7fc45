#include "hanaawase/ui/layout_tables.h"

// clang-format off
//                                           640x480  800x600  1024x768
const int CardWidth[HanaResolutions]         = { 49,     62,      80};
const int CardHeight[HanaResolutions]        = { 81,    102,     132};
const int HanaPileCardWidth[HanaResolutions] = { 35,     44,      57};
const int HanaPileCardHeight[HanaResolutions]= { 55,     69,      90};
const int RaisedCardWidth[HanaResolutions]   = { 59,     74,      96};
const int RaisedCardHeight[HanaResolutions]  = { 97,    122,     158};
const int GlowWidth[HanaResolutions]         = { 55,     70,      90};
const int GlowHeight[HanaResolutions]        = { 87,    110,     142};
const int CursorGlowWidth[HanaResolutions]   = { 65,     82,     106};
const int CursorGlowHeight[HanaResolutions]  = {103,    130,     168};
const int PairOffset[HanaResolutions]        = { 10,     12,      16};

// Slots 0..6, then the stock in slot 7. The side players' cards lie sideways
// and overlap: player 1's run upwards, player 2's downwards.
const int HanaHandX[HanaResolutions][3][8] = {
    {{ 91, 140, 189, 238, 287, 336, 385, 291}, {523, 523, 523, 523, 523, 523, 523, 291}, {29, 29, 29, 29, 29, 29, 29, 291}},
    {{114, 176, 238, 300, 362, 424, 486, 365}, {657, 657, 657, 657, 657, 657, 657, 365}, {34, 34, 34, 34, 34, 34, 34, 365}},
    {{145, 225, 305, 385, 465, 545, 625, 467}, {845, 845, 845, 845, 845, 845, 845, 467}, {38, 38, 38, 38, 38, 38, 38, 467}},
};
const int HanaHandY[HanaResolutions][3][8] = {
    {{316, 316, 316, 316, 316, 316, 316, 158}, {252, 238, 224, 210, 196, 182, 168, 158}, { 7, 21, 35, 49,  63,  77,  91, 158}},
    {{404, 404, 404, 404, 404, 404, 404, 201}, {321, 303, 285, 267, 249, 231, 213, 201}, {10, 28, 46, 64,  82, 100, 118, 201}},
    {{527, 527, 527, 527, 527, 527, 527, 263}, {419, 396, 373, 350, 327, 304, 281, 263}, {14, 37, 60, 83, 106, 129, 152, 263}},
};

// Places 0..2 and 3..5: the upper and lower rows of the left block, 6..8 and
// 9..11 those of the right block, each numbered from the centre outwards.
// Places 12..15 hold a thirteenth card and more, which only a long run of
// turns without a capture brings: they stand in a third row on top of the
// blocks, centred on the stock's column, below the computers' names, where
// no other card lies.
const int HanaFieldX[HanaResolutions][16] = {
    {242, 193, 144, 242, 193, 144, 340, 389, 438, 340, 389, 438, 291, 242, 340, 193},
    {303, 241, 179, 303, 241, 179, 427, 489, 551, 427, 489, 551, 365, 303, 427, 241},
    {387, 307, 227, 387, 307, 227, 547, 627, 707, 547, 627, 707, 467, 387, 547, 307},
};
const int HanaFieldY[HanaResolutions][16] = {
    {117, 117, 117, 198, 198, 198, 117, 117, 117, 198, 198, 198,  36,  36,  36,  36},
    {150, 150, 150, 252, 252, 252, 150, 150, 150, 252, 252, 252,  48,  48,  48,  48},
    {196, 196, 196, 328, 328, 328, 196, 196, 196, 328, 328, 328,  64,  64,  64,  64},
};
const int HanaStockX[HanaResolutions] = {291, 365, 467};
const int HanaStockY[HanaResolutions] = {158, 201, 263};

const int HanaPileX[HanaResolutions][3][4] = {
    {{568, 533, 498, 445}, {510, 510, 510, 510}, { 68,  68,  68,  68}},
    {{715, 671, 627, 560}, {639, 639, 639, 639}, { 83,  83,  83,  83}},
    {{923, 866, 809, 723}, {821, 821, 821, 821}, {105, 105, 105, 105}},
};
const int HanaPileY[HanaResolutions][3][4] = {
    {{317, 317, 317, 317}, { 6,  41,  76, 129}, {267, 232, 197, 144}},
    {{405, 405, 405, 405}, {10,  54,  98, 165}, {340, 296, 252, 185}},
    {{527, 527, 527, 527}, {13,  70, 127, 213}, {442, 385, 328, 242}},
};

//                                             あなた COM1  COM2
const int HanaPlateX[HanaResolutions][3]      = {{532, 549,  17}, {679, 693,  18}, {870, 890,  22}};
const int HanaPlateY[HanaResolutions][3]      = {{361,  98, 236}, {464, 127, 305}, {606, 167, 399}};
const int HanaNameX[HanaResolutions][3]       = {{283, 332, 135}, {357, 415, 170}, {455, 531, 214}};
const int HanaNameY[HanaResolutions][3]       = {{405,  14,  14}, {517,  19,  19}, {673,  24,  24}};
const int HanaScoreRightX[HanaResolutions][3] = {{413, 472, 275}, {517, 590, 345}, {667, 756, 439}};
const int HanaScoreY[HanaResolutions][3]      = {{405,  14,  14}, {517,  19,  19}, {673,  24,  24}};

//                                   640x480  800x600  1024x768
const int HanaPlateW[HanaResolutions] = { 70,     87,     111};
const int HanaPlateH[HanaResolutions] = { 61,     74,      94};
const int HanaNameW[HanaResolutions]  = { 51,     65,      84};
const int HanaNameH[HanaResolutions]  = { 18,     23,      30};
const int HanaDigitW[HanaResolutions] = { 12,     15,      19};
const int HanaDigitH[HanaResolutions] = { 18,     23,      30};
const int HanaUnitW[HanaResolutions]  = { 18,     24,      31};
const int HanaHomeLabel[HanaResolutions][4] = {{10, 413, 122, 15}, {12, 527, 157, 18}, {15, 684, 244, 27}};
// clang-format on
