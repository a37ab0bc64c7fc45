// The Hana-awase flow's view in the window: every operation the flow asks
// for is drawn on the table or opens its dialog.
#pragma once
#include "hanaawase/view.h"

class HanaWindowView : public HanaView {
  public:
    void HanaBuildLayout() override;
    void HanaDrawPanel() override;
    void HanaRestoreTable() override;
    void HanaRepaintTable() override;
    void HanaPresentTable() override;
    void HanaDrawHand(int player) override;
    void HanaShowHand(int player) override;
    void HanaPresentHand(int player) override;
    void HanaDrawField() override;
    void HanaPresentField() override;
    void HanaDrawStock() override;
    void HanaDrawPairsOnField() override;
    void HanaDrawPiles(int player) override;
    void HanaDealToHand(int player) override;
    void HanaDealToField() override;
    void HanaFlyToField(int player, int handSlot, int fieldSlot, int card) override;
    void HanaFlipStockCard() override;
    void HanaFlyCapturesToPiles(int player) override;
    void HanaDrawHandCursor(int slot) override;
    void HanaEraseHandCursor(int slot) override;
    void HanaDrawFieldCursor(int fieldSlot) override;
    void HanaEraseFieldCursor(int fieldSlot) override;
    void HanaGlowCapturingHandCards() override;
    void HanaGlowCapturableFieldCards(int handSlot) override;
    int HanaHandCardAt(int x, int y) override;
    int HanaFieldSlotAt(int x, int y) override;
    bool HanaWindowHasFocus() override;
    void HanaShowYakuMade(int player) override;
    void HanaShowScoreSheet() override;
    void HanaShowResults() override;
    void HanaShowGameEnd() override;

  private:
    // The frame of the user's turn shows while a choice waits.
    void BeginUserChoice();
    void EndUserChoice();
    // The field places the computer's cards went to in its current turn.
    int comPlaces_[4] = {};
    int comPlaceCount_ = 0;
};

// The one window view; the front end installs it before the first step.
HanaWindowView& HanaTheWindowView();
