// The marks both tables lay over their pictures so that a player can read
// the hand: what each player has taken, kind by kind; who has called
// こいこい; whose turn it is; what a computer has just played and taken.
// They are code-drawn at the size of the current resolution and know
// nothing of either game's layout: each table says where they go.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/surface.h"

namespace table {

// Each player's colour on the table: the human's gold, the computers' own
// colours, so that two computers' plays are told apart.
platform::Color PlayerMarkColor(int player, int players);

// Lettering height of the marks at resolution 0, 1, 2.
int MarkTextHeight(int resolution);

// The four counts of captured cards, 光 / タネ / タン / カス, on a dark plate:
// in one line, or in two lines of two for a narrow place, lettered
// `textHeight` high (0: the resolution's height). Returns the rectangle
// drawn; with `surface` null only measures it.
platform::Rect DrawKindCounts(platform::Surface* surface, int x, int y, const int counts[4],
                              int resolution, bool twoLines, int textHeight = 0);

// The badge of a player who has called こいこい, with the number of calls
// when more than one. Returns the rectangle drawn (null surface: measure).
platform::Rect DrawKoiKoiBadge(platform::Surface* surface, int x, int y, int calls, int resolution,
                               int textHeight = 0);

// Whose turn it is: a frame in the player's colour round the name label and
// a pointer before it. `around` is the label's rectangle; the mark reaches
// TurnMarkMargin pixels beyond it, and the pointer further left.
void DrawTurnMark(platform::Surface& surface, const platform::Rect& around, platform::Color color,
                  int resolution);
platform::Rect TurnMarkRect(const platform::Rect& around, int resolution);

// A soft outline round a card a computer has just played or taken; it
// reaches OutlineMargin pixels beyond the card's rectangle.
void DrawPlayOutline(platform::Surface& surface, const platform::Rect& card, platform::Color color,
                     int resolution);
int OutlineMargin(int resolution);

// How long a computer's play stays on show before its captures are
// gathered: short enough that a whole hand gains only a few seconds, shorter
// still without animation.
uint32_t TurnHoldMs(bool animation, int computers);
// Holds the table still for `ms` (the player may cut it short) and tells the
// observer first, if one is set.
void HoldComputerPlay(int player, uint32_t ms);
// The marks live in the table's base picture, so every repaint restores
// them. The panel as painted, before any mark, is kept so that a changed
// mark can be wiped from its place: only `areas`, where marks are drawn.
void KeepPanelWithoutMarks(const platform::Surface& tableBase,
                           const std::vector<platform::Rect>& areas);
void RestorePanelWithoutMarks(platform::Surface& tableBase, const platform::Rect& r);

// Tests and screenshots watch the holds.
void SetHoldObserver(std::function<void(int player)> observer);

}  // namespace table
