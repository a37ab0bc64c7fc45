#include "hanaawase/deal.h"

#include "cards/deck.h"
#include "core/program.h"
#include "core/shell.h"
#include "core/sound_effects.h"
#include "hanaawase/flow.h"
#include "hanaawase/state.h"
#include "hanaawase/view.h"

namespace {

struct DealStep {
    int receiver;  // offset from the dealer, or -1 for the field
    int firstDeckPosition;
    int count;
    int firstSlot;
};

// Four to each hand, three to the field, three more to each hand, three more
// to the field.
// clang-format off
const DealStep DealSteps[8] = {
    // receiver  deck  count  slot
    { 0,         0,    4,     0},
    { 1,         4,    4,     0},
    { 2,         8,    4,     0},
    {-1,         12,   3,     0},
    { 0,         15,   3,     4},
    { 1,         18,   3,     4},
    { 2,         21,   3,     4},
    {-1,         24,   3,     3},
};
// clang-format on
constexpr int FirstStockPosition = 27;

}  // namespace

bool HanaFieldHoldsWholeMonth(const int deck[48]) {
    int perMonth[12] = {};
    for (int position : {12, 13, 14, 24, 25, 26}) {
        if (++perMonth[deck[position] / 4] == 4) return true;
    }
    return false;
}

int HanaDeal() {
    HanaView& view = CurrentHanaView();
    // A field holding a whole month could never be taken and would leave too
    // little room on the table, so such a deck is shuffled again.
    do {
        ShuffleDeck(hana.deck);
    } while (HanaFieldHoldsWholeMonth(hana.deck));
    view.HanaHandDealt();

    hana.stockCount = 48;  // the table shows the full stock while dealing
    view.HanaDrawPanel();
    view.HanaRestoreTable();
    view.HanaDrawStock();
    view.HanaPresentTable();
    HanaWait(300);
    for (int p = 0; p < 3; ++p) view.HanaDrawPiles(p);

    for (const DealStep& step : DealSteps) {
        PlaySoundEffect(sfx::DealStep);
        if (step.receiver < 0) {
            view.HanaDealToField();
            for (int i = 0; i < step.count; ++i)
                hana.field[step.firstSlot + i] = hana.deck[step.firstDeckPosition + i];
            view.HanaDrawField();
            view.HanaPresentField();
        } else {
            int p = (hana.dealer + step.receiver) % 3;
            view.HanaDealToHand(p);
            for (int i = 0; i < step.count; ++i)
                hana.hands[p][step.firstSlot + i] = hana.deck[step.firstDeckPosition + i];
            hana.handCount[p] = step.firstSlot + step.count;
            view.HanaDrawHand(p);
            view.HanaShowHand(p);
            view.HanaPresentHand(p);
        }
        if (!animationOn) HanaWait(300);
    }

    for (int i = 0; i < HanaStockSize; ++i) hana.stock[i] = hana.deck[FirstStockPosition + i];
    for (int slot = 6; slot < HanaFieldSlots; ++slot) hana.field[slot] = -1;
    for (int p = 0; p < 3; ++p) hana.handCount[p] = 7;
    hana.stockCount = HanaStockSize;
    return 1;
}
