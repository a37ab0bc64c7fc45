// The Koi-Koi flow's view in the window: every operation the flow asks for
// is drawn on the table or opens its dialog.
#pragma once
#include "koikoi/view.h"

class KoiKoiWindowView : public KoiKoiView {
  public:
    void BuildKoiKoiLayout() override;
    void DrawKoiKoiPanel() override;
    void RepaintTable() override;
    void PresentTable() override;
    void DrawStock() override;
    void DrawHand(int player) override;
    void PresentHand(int player) override;
    void DrawField() override;
    void PresentField() override;
    void DrawPiles(int player) override;
    void DrawHandCursor(int handSlot) override;
    void EraseHandCursor(int handSlot) override;
    void DrawFieldCursor(int fieldSlot) override;
    void EraseFieldCursor(int fieldSlot) override;
    void GlowCapturingHandCards() override;
    void GlowCapturableFieldCards(int handSlot) override;
    void DealToHand(int player) override;
    void DealToField() override;
    void FlyToField(int player, int fromSlot, int fieldSlot, int card) override;
    void FlipStockCard() override;
    void FlyCapturesToPiles(int player) override;
    int HandCardAt(int x, int y) override;
    int FieldSlotAt(int x, int y) override;
    bool MainWindowHasFocus() override;
    void ShowHumanChoosing() override;
    int YakuMadeDialog(int player, int comAnswer) override;
    void ShowOyakenNotice() override;
    void ShowScoreTable() override;
    void PlayGameResult() override;

  private:
    // The frame of the human's turn shows while a choice waits.
    void EndHumanChoice();
    // The field slots the computer's cards went to in its current turn.
    int comSlots_[4] = {};
    int comSlotCount_ = 0;
};

// The one window view; the front end installs it before the first step.
KoiKoiWindowView& TheKoiKoiWindowView();
