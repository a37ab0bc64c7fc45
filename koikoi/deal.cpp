#include "cards/cards.h"
#include "cards/deck.h"
#include "core/program.h"
#include "core/shell.h"
#include "core/sound_effects.h"
#include "koikoi/rules.h"
#include "koikoi/state.h"
#include "koikoi/view.h"
#include "platform/clock.h"

bool FieldHoldsWholeMonth(const int deck[48]) {
    int perMonth[12] = {};
    for (int i = 8; i < 12; ++i) ++perMonth[MonthOf(deck[i])];
    for (int i = 20; i < 24; ++i) ++perMonth[MonthOf(deck[i])];
    for (int n : perMonth)
        if (n == 4) return true;
    return false;
}

namespace {

void PauseAfterPacket() {
    if (!animationOn) platform::WaitMs(300);
}

void DealPacketToHand(int p, const int* cards) {
    PlaySoundEffect(sfx::DealStep);
    KoiView().DealToHand(p);
    int first = koi.hands[p][0] == -1 ? 0 : 4;
    for (int i = 0; i < 4; ++i) koi.hands[p][first + i] = cards[i];
    KoiView().DrawHand(p);
    KoiView().PresentHand(p);
    PauseAfterPacket();
}

void DealPacketToField(const int* cards) {
    PlaySoundEffect(sfx::DealStep);
    KoiView().DealToField();
    int first = koi.field[0] == -1 ? 0 : 4;
    for (int i = 0; i < 4; ++i) koi.field[first + i] = cards[i];
    KoiView().DrawField();
    KoiView().PresentField();
    PauseAfterPacket();
}

}  // namespace

int DealHand() {
    // A field holding a whole month could never be captured from; such a
    // deal is shuffled again from scratch.
    int deck[CardCount];
    do {
        ShuffleDeck(deck);
    } while (FieldHoldsWholeMonth(deck));

    KoiKoiView& view = KoiView();
    view.DrawKoiKoiPanel();
    view.RepaintTable();
    view.DrawStock();
    view.PresentTable();
    platform::WaitMs(300);
    view.DrawPiles(0);
    view.DrawPiles(1);

    int other = koi.dealer ^ 1;
    DealPacketToHand(koi.dealer, deck + 0);
    DealPacketToHand(other, deck + 4);
    DealPacketToField(deck + 8);
    DealPacketToHand(koi.dealer, deck + 12);
    DealPacketToHand(other, deck + 16);
    DealPacketToField(deck + 20);

    for (int i = 0; i < StockSize; ++i) koi.stock[i] = deck[24 + i];
    for (int f = 8; f < FieldSlots; ++f) koi.field[f] = -1;
    koi.handCount[0] = koi.handCount[1] = 8;
    koi.stockLeft = StockSize;
    return 1;
}
