// What the Hana-awase flow asks of its table: card flights, redraws, the
// cursor, hit tests and the dialogs, by the names the table uses. Every
// operation does nothing here, which is the headless face; the window
// installs a subclass that draws. A few notices at the end tell observers
// (kirabo-sim's trace, tests) what happened; the window may ignore them.
#pragma once

class HanaView {
  public:
    virtual ~HanaView() = default;

    // Table set-up and layers.
    virtual void HanaBuildLayout() {}
    virtual void HanaDrawPanel() {}
    // The whole table: set back to the table base, painted again from its
    // layers, and shown.
    virtual void HanaRestoreTable() {}
    virtual void HanaRepaintTable() {}
    virtual void HanaPresentTable() {}

    // Hands, field, stock and piles.
    virtual void HanaDrawHand(int /*player*/) {}
    virtual void HanaShowHand(int /*player*/) {}
    virtual void HanaPresentHand(int /*player*/) {}
    virtual void HanaDrawField() {}
    virtual void HanaPresentField() {}
    virtual void HanaDrawStock() {}
    virtual void HanaDrawPairsOnField() {}
    virtual void HanaDrawPiles(int /*player*/) {}

    // Flights.
    virtual void HanaDealToHand(int /*player*/) {}
    virtual void HanaDealToField() {}
    // handSlot 7 is the card just drawn from the stock.
    virtual void HanaFlyToField(int /*player*/, int /*handSlot*/, int /*fieldSlot*/, int /*card*/) {
    }
    virtual void HanaFlipStockCard() {}
    virtual void HanaFlyCapturesToPiles(int /*player*/) {}

    // The user's cursor and the glow of capturable cards.
    virtual void HanaDrawHandCursor(int /*slot*/) {}
    virtual void HanaEraseHandCursor(int /*slot*/) {}
    virtual void HanaDrawFieldCursor(int /*fieldSlot*/) {}
    virtual void HanaEraseFieldCursor(int /*fieldSlot*/) {}
    virtual void HanaGlowCapturingHandCards() {}
    virtual void HanaGlowCapturableFieldCards(int /*handSlot*/) {}

    // Hit tests of the pointer: player 0's hand slot, a field slot, or -1.
    virtual int HanaHandCardAt(int /*x*/, int /*y*/) { return -1; }
    virtual int HanaFieldSlotAt(int /*x*/, int /*y*/) { return -1; }
    // The glow only pulses while the main window has the keyboard focus.
    virtual bool HanaWindowHasFocus() { return false; }

    // Dialogs, each modal until the player closes it.
    // The player's made yaku (the give-way rules already applied; at least one).
    virtual void HanaShowYakuMade(int /*player*/) {}
    // The score calculation of the hand just settled.
    virtual void HanaShowScoreSheet() {}
    virtual void HanaShowResults() {}
    virtual void HanaShowGameEnd() {}

    // Notices.
    virtual void HanaGameStarted() {}
    // The deck is dealt: hana.deck holds it.
    virtual void HanaHandDealt() {}
    // A card was played from the hand (slot 0..6) or drawn (slot 7); the
    // field cards it took, in the order taken (none when laid down).
    virtual void HanaCardPlayed(int /*player*/, int /*handSlot*/, int /*card*/,
                                const int* /*taken*/, int /*takenCount*/) {}
    // The hand is settled and the next dealer chosen (hana.dealer still
    // holds the one who dealt it).
    virtual void HanaHandEnded(int /*nextDealer*/) {}
    virtual void HanaGameOver() {}
};

// Installs `view` (not owned); nullptr restores the headless face.
void SetHanaView(HanaView* view);
HanaView& CurrentHanaView();
