// What the Koi-Koi flow asks of its table: drawing, flights, the human's
// choices and the dialogs, each by the name the table gives it.
//
// Every operation does nothing by default, which is the headless face used
// by tests and kirabo-sim. The window installs a subclass that draws. The
// flow never waits for the view to change game state: the human's choices
// arrive only through the shared input values (cursorSlot, choiceConfirmed,
// cancelRequested and the pointer flags), which the flow turns into the
// choice itself with the view's hit tests, and the computer's answers are
// decided by the engine before a dialog shows them.
#pragma once

class KoiKoiView {
  public:
    virtual ~KoiKoiView() = default;

    // The table.
    virtual void BuildKoiKoiLayout() {}
    // The status panel; also resets the table picture to the empty table.
    virtual void DrawKoiKoiPanel() {}
    // The whole table: painted again from its layers, and shown.
    virtual void RepaintTable() {}
    virtual void PresentTable() {}
    virtual void DrawStock() {}
    virtual void DrawHand(int /*player*/) {}
    virtual void PresentHand(int /*player*/) {}
    virtual void DrawField() {}
    virtual void PresentField() {}
    virtual void DrawPiles(int /*player*/) {}
    // The cursor: the card raised (with its glow while the glows are on),
    // and the card lowered again. Slots out of range draw nothing.
    virtual void DrawHandCursor(int /*handSlot*/) {}
    virtual void EraseHandCursor(int /*handSlot*/) {}
    virtual void DrawFieldCursor(int /*fieldSlot*/) {}
    virtual void EraseFieldCursor(int /*fieldSlot*/) {}
    // The glows round the hand cards that can capture, and round the field
    // cards hand slot handSlot (8 = the drawn card) can take.
    virtual void GlowCapturingHandCards() {}
    virtual void GlowCapturableFieldCards(int /*handSlot*/) {}

    // Flights. DealToHand and DealToField run before the flow stores the
    // four cards: slots 0..3 when the first slot is still empty, else 4..7.
    virtual void DealToHand(int /*player*/) {}
    virtual void DealToField() {}
    // The hand slot is already empty; a capture lands on the card in
    // fieldSlot, a card laid down on the empty slot. fromSlot 8 is the drawn
    // card, flying from the stock.
    virtual void FlyToField(int /*player*/, int /*fromSlot*/, int /*fieldSlot*/, int /*card*/) {}
    // Turns stock[24 - stockLeft] face up before the flow takes it.
    virtual void FlipStockCard() {}
    // The turn's captures fly from capturePairs to the piles; the flow
    // clears capturePairs afterwards and files the cards.
    virtual void FlyCapturesToPiles(int /*player*/) {}

    // The human's choices. Hit tests answer the human's hand slot or the
    // field slot under a point, -1 for none.
    virtual int HandCardAt(int /*x*/, int /*y*/) { return -1; }
    virtual int FieldSlotAt(int /*x*/, int /*y*/) { return -1; }
    virtual bool MainWindowHasFocus() { return false; }
    // Told on every tick while a choice of the human's waits.
    virtual void ShowHumanChoosing() {}

    // The yaku-made dialog for `player`, with handScore and yakuMade already
    // formed. comAnswer is the computer's decision (1 勝負, 0 こいこい) when
    // the computer announces, the only button to enable; -1 for the human,
    // who is offered both (こいこい only while the human holds cards).
    // Returns 1 for 勝負, 0 for こいこい. Headless the human stops at once.
    virtual int YakuMadeDialog(int player, int comAnswer) { return player == 1 ? comAnswer : 1; }
    virtual void ShowOyakenNotice() {}
    virtual void ShowScoreTable() {}
    virtual void PlayGameResult() {}

    // Told after every play of a card: the field cards it took, in capture
    // order (none when it was laid down). The window has no use for it; the
    // self-play trace writes it.
    virtual void CardPlayed(int /*player*/, int /*handSlot*/, int /*card*/, const int* /*taken*/,
                            int /*takenCount*/) {}
};

// Installs `view` (not owned); nullptr restores the headless face.
void SetKoiKoiView(KoiKoiView* view);
KoiKoiView& KoiView();
