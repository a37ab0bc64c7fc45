// Offering the game kept from the last run, at start-up; and letting it go
// when the player starts another.
#pragma once

// A kept game is offered with "前回の対局を続けますか？": はい brings its
// table back as it stood and play goes on; いいえ lets it go. A damaged one
// is set aside and the player told once. Called once the window is up.
void OfferKeptGame();

// Before a new game from the menu: while a kept game runs, asks whether to
// give it up. True when the new game may go ahead.
bool MayDiscardKeptGame();
