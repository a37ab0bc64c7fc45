// The 48 faces and the back, drawn from the deck's vector source at any size.
#pragma once
#include <QImage>

namespace assets::art {

constexpr int BackImage = 48;
// Every card of the deck source is drawn in a box of these units.
inline const QSizeF CardUnits(100, 165);

// Card 0-47 or the back (48), upright, `size` logical pixels at `ratio`.
QImage UprightCard(int card, QSize size, double ratio = 1.0);
// Draws all 49 upright pictures of a size, several at once, and keeps them
// for UprightCard.
void PrepareUprightCards(QSize size, double ratio);
// Lets go of the upright pictures kept for the turned sets.
void ForgetMadeCards();
// The upright picture turned a quarter: anticlockwise the top points left.
// `size` is the turned size (wider than high).
QImage TurnedCard(int card, QSize size, bool anticlockwise, double ratio = 1.0);

// The deck source's element id of a card ("card07", "back").
QString CardElementId(int card);

}  // namespace assets::art
