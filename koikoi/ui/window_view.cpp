#include "koikoi/ui/window_view.h"

#include "koikoi/ui/dialogs.h"
#include "koikoi/ui/table.h"
#include "platform/window.h"

void KoiKoiWindowView::BuildKoiKoiLayout() {
    koiui::BuildKoiKoiLayout();
}
void KoiKoiWindowView::DrawKoiKoiPanel() {
    koiui::DrawKoiKoiPanel();
}
void KoiKoiWindowView::RepaintRect(int x, int y, int width, int height) {
    koiui::RepaintRect(x, y, width, height);
}
void KoiKoiWindowView::PresentRect(int left, int top, int right, int bottom) {
    koiui::PresentRect(left, top, right, bottom);
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
}
void KoiKoiWindowView::DrawHandCursor(int handSlot) {
    koiui::DrawHandCursor(handSlot);
}
void KoiKoiWindowView::EraseHandCursor(int handSlot) {
    koiui::EraseHandCursor(handSlot);
}
void KoiKoiWindowView::EraseFieldCursor(int fieldSlot) {
    koiui::EraseFieldCursor(fieldSlot);
}
void KoiKoiWindowView::DealToHand(int player) {
    koiui::DealToHand(player);
}
void KoiKoiWindowView::DealToField() {
    koiui::DealToField();
}
void KoiKoiWindowView::FlyToField(int player, int fromSlot, int fieldSlot, int card) {
    koiui::FlyToField(player, fromSlot, fieldSlot, card);
}
void KoiKoiWindowView::FlipStockCard() {
    koiui::FlipStockCard();
}
void KoiKoiWindowView::FlyCapturesToPiles(int player) {
    koiui::FlyCapturesToPiles(player);
}
bool KoiKoiWindowView::MainWindowHasFocus() {
    return platform::MainWindowHasFocus();
}
void KoiKoiWindowView::ChooseHandCard() {
    koiui::ChooseHandCard();
}
void KoiKoiWindowView::ChooseFieldCard(int handSlot) {
    koiui::ChooseFieldCard(handSlot);
}
int KoiKoiWindowView::YakuMadeDialog(int player, int comAnswer) {
    return koiui::YakuMadeDialog(player, comAnswer);
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

KoiKoiWindowView& TheKoiKoiWindowView() {
    static KoiKoiWindowView view;
    return view;
}
