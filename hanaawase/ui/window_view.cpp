#include "hanaawase/ui/window_view.h"

#include "core/program.h"
#include "display/display.h"
#include "hanaawase/dialogs/dialogs.h"
#include "hanaawase/flow.h"
#include "hanaawase/state.h"
#include "hanaawase/ui/marks.h"
#include "hanaawase/ui/table.h"
#include "platform/window.h"

// Each operation forwards to the table's function of the same name.
void HanaWindowView::HanaBuildLayout() {
    ::HanaBuildLayout();
}
void HanaWindowView::HanaDrawPanel() {
    // Painted for a new hand, and once more when a hand ends: then the new
    // totals show over the finished table, which stays in view behind the
    // results until the next deal.
    const bool handEnded = gameState == HanaHandEnd;
    if (!handEnded) HanaClearTableMarks();
    ::HanaDrawPanel();
    if (handEnded) {
        for (int p = 0; p < HanaPlayers; ++p) {
            ::HanaDrawPiles(p);
            ::HanaDrawHand(p);
        }
        ::HanaRepaintRect(0, 0, ClientWidth[resolution], ClientHeight[resolution]);
    }
}
void HanaWindowView::HanaRestoreTable() {
    ::HanaRestoreFromTableBase(0, 0, ClientWidth[resolution], ClientHeight[resolution]);
}
void HanaWindowView::HanaRepaintTable() {
    ::HanaRepaintRect(0, 0, ClientWidth[resolution], ClientHeight[resolution]);
}
void HanaWindowView::HanaPresentTable() {
    // Both ends included.
    ::HanaPresentRect(0, 0, ClientWidth[resolution] - 1, ClientHeight[resolution] - 1);
}
void HanaWindowView::HanaDrawHand(int player) {
    ::HanaDrawHand(player);
}
void HanaWindowView::HanaShowHand(int player) {
    ::HanaShowHand(player);
}
void HanaWindowView::HanaPresentHand(int player) {
    ::HanaPresentHand(player);
}
void HanaWindowView::HanaDrawField() {
    ::HanaDrawField();
}
void HanaWindowView::HanaPresentField() {
    ::HanaPresentField();
}
void HanaWindowView::HanaDrawStock() {
    ::HanaDrawStock();
}
void HanaWindowView::HanaDrawPairsOnField() {
    ::HanaDrawPairsOnField();
}
void HanaWindowView::HanaDrawPiles(int player) {
    ::HanaDrawPiles(player);
    HanaUpdateTableMarks();
}
void HanaWindowView::HanaDealToHand(int player) {
    ::HanaDealToHand(player);
}
void HanaWindowView::HanaDealToField() {
    ::HanaDealToField();
}
void HanaWindowView::HanaFlyToField(int player, int handSlot, int fieldSlot, int card) {
    EndUserChoice();
    if (player != 0 && comPlaceCount_ < 4) comPlaces_[comPlaceCount_++] = fieldSlot;
    ::HanaFlyToField(player, handSlot, fieldSlot, card);
}
void HanaWindowView::HanaFlipStockCard() {
    ::HanaFlipStockCard();
}
void HanaWindowView::HanaFlyCapturesToPiles(int player) {
    if (player != 0) HanaShowComputerPlay(player, comPlaces_, comPlaceCount_);
    comPlaceCount_ = 0;
    ::HanaFlyCapturesToPiles(player);
}
void HanaWindowView::HanaDrawHandCursor(int slot) {
    if (subState == 1) BeginUserChoice();
    ::HanaDrawHandCursor(slot);
}
void HanaWindowView::HanaEraseHandCursor(int slot) {
    ::HanaEraseHandCursor(slot);
}
void HanaWindowView::HanaDrawFieldCursor(int fieldSlot) {
    // The hand card's flight ended the frame; the drawn card's choice
    // brings it back.
    if (subState == 4) BeginUserChoice();
    ::HanaDrawFieldCursor(fieldSlot);
}
void HanaWindowView::HanaEraseFieldCursor(int fieldSlot) {
    ::HanaEraseFieldCursor(fieldSlot);
}
void HanaWindowView::HanaGlowCapturingHandCards() {
    ::HanaGlowCapturingHandCards();
}
void HanaWindowView::HanaGlowCapturableFieldCards(int handSlot) {
    ::HanaGlowCapturableFieldCards(handSlot);
}
int HanaWindowView::HanaHandCardAt(int x, int y) {
    return ::HanaHandCardAt(x, y);
}
int HanaWindowView::HanaFieldSlotAt(int x, int y) {
    return ::HanaFieldSlotAt(x, y);
}
bool HanaWindowView::HanaWindowHasFocus() {
    return platform::MainWindowHasFocus();
}
void HanaWindowView::HanaShowYakuMade(int player) {
    HanaShowYakuMadeDialog(player);
}
void HanaWindowView::HanaShowScoreSheet() {
    ::HanaShowScoreSheet();
}
void HanaWindowView::HanaShowResults() {
    ::HanaShowResults();
}
void HanaWindowView::HanaShowGameEnd() {
    ::HanaShowGameEnd();
}

void HanaWindowView::BeginUserChoice() {
    if (gameState != HanaUserTurn || hanaTableMarks.userChoosing) return;
    hanaTableMarks.userChoosing = true;
    HanaUpdateTableMarks();
}

void HanaWindowView::EndUserChoice() {
    if (!hanaTableMarks.userChoosing) return;
    hanaTableMarks.userChoosing = false;
    HanaUpdateTableMarks();
}

HanaWindowView& HanaTheWindowView() {
    static HanaWindowView view;
    return view;
}
