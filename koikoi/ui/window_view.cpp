#include "koikoi/ui/window_view.h"

#include "core/program.h"
#include "display/display.h"
#include "koikoi/com.h"
#include "koikoi/state.h"
#include "koikoi/ui/dialogs.h"
#include "koikoi/ui/marks.h"
#include "koikoi/ui/table.h"
#include "platform/window.h"

void KoiKoiWindowView::BuildKoiKoiLayout() {
    koiui::BuildKoiKoiLayout();
}
void KoiKoiWindowView::DrawKoiKoiPanel() {
    // The panel is painted for a new hand, and once more when a hand ends:
    // then the new totals show over the finished table, which stays in view
    // behind the score table until the next deal.
    const bool handEnded = gameState == 5;
    if (!handEnded) koiui::ClearTableMarks();
    koiui::DrawKoiKoiPanel();
    if (handEnded) {
        koiui::DrawPiles(0);
        koiui::DrawPiles(1);
        koiui::RepaintRect(0, 0, ClientWidth[resolution], ClientHeight[resolution]);
    }
}
void KoiKoiWindowView::RepaintTable() {
    koiui::RepaintRect(0, 0, ClientWidth[resolution], ClientHeight[resolution]);
}
void KoiKoiWindowView::PresentTable() {
    koiui::PresentRect(0, 0, ClientWidth[resolution], ClientHeight[resolution]);
}
void KoiKoiWindowView::DrawStock() {
    koiui::DrawStock();
}
void KoiKoiWindowView::DrawHand(int player) {
    koiui::DrawHand(player);
}
void KoiKoiWindowView::PresentHand(int player) {
    koiui::PresentHand(player);
}
void KoiKoiWindowView::DrawField() {
    koiui::DrawField();
}
void KoiKoiWindowView::PresentField() {
    koiui::PresentField();
}
void KoiKoiWindowView::DrawPiles(int player) {
    koiui::DrawPiles(player);
    koiui::UpdateTableMarks();
}
void KoiKoiWindowView::DrawHandCursor(int handSlot) {
    koiui::DrawHandCursor(handSlot);
}
void KoiKoiWindowView::EraseHandCursor(int handSlot) {
    koiui::EraseHandCursor(handSlot);
}
void KoiKoiWindowView::DrawFieldCursor(int fieldSlot) {
    koiui::DrawFieldCursor(fieldSlot);
}
void KoiKoiWindowView::EraseFieldCursor(int fieldSlot) {
    koiui::EraseFieldCursor(fieldSlot);
}
void KoiKoiWindowView::GlowCapturingHandCards() {
    koiui::GlowCapturingHandCards();
}
void KoiKoiWindowView::GlowCapturableFieldCards(int handSlot) {
    koiui::GlowCapturableFieldCards(handSlot);
}
void KoiKoiWindowView::DealToHand(int player) {
    koiui::DealToHand(player);
}
void KoiKoiWindowView::DealToField() {
    koiui::DealToField();
}
void KoiKoiWindowView::FlyToField(int player, int fromSlot, int fieldSlot, int card) {
    EndHumanChoice();
    if (player == ComPlayer && comSlotCount_ < 4) comSlots_[comSlotCount_++] = fieldSlot;
    koiui::FlyToField(player, fromSlot, fieldSlot, card);
}
void KoiKoiWindowView::FlipStockCard() {
    koiui::FlipStockCard();
}
void KoiKoiWindowView::FlyCapturesToPiles(int player) {
    if (player == ComPlayer) koiui::ShowComputerPlay(player, comSlots_, comSlotCount_);
    comSlotCount_ = 0;
    koiui::FlyCapturesToPiles(player);
}
int KoiKoiWindowView::HandCardAt(int x, int y) {
    return koiui::HandCardAt(x, y);
}
int KoiKoiWindowView::FieldSlotAt(int x, int y) {
    return koiui::FieldSlotAt(x, y);
}
bool KoiKoiWindowView::MainWindowHasFocus() {
    return platform::MainWindowHasFocus();
}
int KoiKoiWindowView::YakuMadeDialog(int player, int comAnswer) {
    const int answer = koiui::YakuMadeDialog(player, comAnswer);
    if (answer == 0) {
        ++koiui::tableMarks.koiKoiCalls[player];
        koiui::UpdateTableMarks();
    }
    return answer;
}
void KoiKoiWindowView::ShowOyakenNotice() {
    koiui::ShowOyakenNotice();
}
void KoiKoiWindowView::ShowScoreTable() {
    koiui::ShowScoreTable();
}
void KoiKoiWindowView::PlayGameResult() {
    koiui::PlayGameResult();
}

// The hand card's flight ends the frame; the drawn card's choice brings it
// back.
void KoiKoiWindowView::ShowHumanChoosing() {
    if (koiui::tableMarks.humanChoosing) return;
    koiui::tableMarks.humanChoosing = true;
    koiui::UpdateTableMarks();
}

void KoiKoiWindowView::EndHumanChoice() {
    if (!koiui::tableMarks.humanChoosing) return;
    koiui::tableMarks.humanChoosing = false;
    koiui::UpdateTableMarks();
}

KoiKoiWindowView& TheKoiKoiWindowView() {
    static KoiKoiWindowView view;
    return view;
}
