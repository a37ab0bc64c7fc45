// The human's turn: choose a hand card (and one of two matches), play it,
// draw, choose for the drawn card, finish. The choices arrive through
// cursorSlot and choiceConfirmed; a call that has nothing to do returns at
// once and lets the window sleep until the next glow tick.
#include "core/program.h"
#include "core/records.h"
#include "core/shell.h"
#include "core/sound_effects.h"
#include "koikoi/flow.h"
#include "koikoi/rules.h"
#include "koikoi/state.h"
#include "koikoi/view.h"
#include "platform/clock.h"

namespace {

constexpr uint32_t TickMs = 100;

// While the human chooses, 100 ms ticks pulse the glow of capturable cards.
void CountTicks() {
    uint32_t now = platform::GetTickCount();
    uint32_t elapsed = now - koi.tickBase;
    if (elapsed > TickMs) {
        koi.tickCounter += static_cast<int>(elapsed / TickMs);
        koi.tickBase = now;
        if (showCapturableOn && KoiView().MainWindowHasFocus()) redrawRequested = 1;
    }
}

void AwaitInput() {
    uint32_t elapsed = platform::GetTickCount() - koi.tickBase;
    Shell().WaitForInput(elapsed > TickMs ? 1 : TickMs + 1 - elapsed);
}

void PauseAfterChoice() {
    if (soundEffectsOn && !animationOn) platform::WaitMs(300);
}

void ResetCursor() {
    choiceConfirmed = 0;
    cursorSlot = 0;
    previousCursorSlot = 0;
    redrawRequested = 1;
}

void SetUpTurn() {
    koi.tickBase = platform::GetTickCount();
    ResetTurnState();
    koi.chosenFieldSlot = -1;
    koi.selectedHandSlot = -1;
    subState = 1;
    // A click or key given before the choice begins (during the deal or
    // the computer's turn) belongs to no turn of the player's.
    choiceConfirmed = 0;
    pointerClicked = 0;
    cursorSlot = 0;
    previousCursorSlot = 0;
    redrawRequested = 1;
    ComputeMatches(0);
}

// The hand slot the engine last had drawn raised. Several arrow keys
// between two steps move the cursor more than once while only the last move
// is remembered, so the card to lower is the one drawn raised.
int raisedHandSlot = -1;

void RaiseHandCursor(KoiKoiView& view, int slot) {
    raisedHandSlot = slot;
    view.DrawHandCursor(slot);
}

// The pointer over a hand card moves the cursor there; a click anywhere on
// the hand confirms the card under the cursor, which hovering has already
// put there.
void TakeHandInput(KoiKoiView& view) {
    if (pointerMoved) {
        const int s = view.HandCardAt(pointerX, pointerY);
        if (s != -1 && s != cursorSlot) {
            previousCursorSlot = cursorSlot;
            cursorSlot = s;
            redrawRequested = 1;
        }
        pointerMoved = 0;
    }
    if (redrawRequested) {
        view.EraseHandCursor(previousCursorSlot);
        if (raisedHandSlot != previousCursorSlot) view.EraseHandCursor(raisedHandSlot);
        if (showCapturableOn) {
            view.DrawField();
            view.GlowCapturingHandCards();
            view.GlowCapturableFieldCards(cursorSlot);
        }
        RaiseHandCursor(view, cursorSlot);
        view.PresentField();
        view.PresentHand(0);
        redrawRequested = 0;
    }
    if (pointerClicked) {
        if (view.HandCardAt(pointerX, pointerY) != -1) choiceConfirmed = 1;
        pointerClicked = 0;
    }
}

// Sub-state 1. Returns whether the choice was made.
bool ChooseHand() {
    // The arrow keys step the cursor past either end of the hand.
    if (cursorSlot > koi.handCount[0] - 1) cursorSlot = 0;
    if (cursorSlot < 0) cursorSlot = koi.handCount[0] - 1;
    CountTicks();
    KoiKoiView& view = KoiView();
    view.ShowHumanChoosing();
    TakeHandInput(view);
    if (!choiceConfirmed) return false;
    if (showCapturableOn) {
        view.DrawHand(0);
        RaiseHandCursor(view, cursorSlot);
        view.DrawField();
        view.PresentField();
        view.PresentHand(0);
    }
    PlaySoundEffect(sfx::Confirm);
    if (koi.matchCount[0][cursorSlot] != 2) PauseAfterChoice();
    koi.selectedHandSlot = cursorSlot;
    ResetCursor();
    subState = 2;
    return true;
}

enum class FieldChoice { Waiting, Cancelled, Made };

// The pointer over the other match moves the cursor there; a click on the
// match under the cursor confirms it.
void TakeFieldInput(KoiKoiView& view, int h) {
    const int* m = koi.matchSlots[0][h];
    if (pointerMoved) {
        if (view.FieldSlotAt(pointerX, pointerY) == m[(cursorSlot ^ 1) & 1]) {
            previousCursorSlot = cursorSlot;
            cursorSlot ^= 1;
            redrawRequested = 1;
        }
        pointerMoved = 0;
    }
    if (redrawRequested) {
        if (cursorSlot > 1) cursorSlot = 0;
        if (cursorSlot < 0) cursorSlot = 1;
        if (previousCursorSlot == 0 || previousCursorSlot == 1)
            view.EraseFieldCursor(m[previousCursorSlot]);
        if (showCapturableOn) {
            view.DrawField();
            view.GlowCapturableFieldCards(h);
        }
        view.DrawFieldCursor(m[cursorSlot]);
        view.PresentField();
        redrawRequested = 0;
    }
    if (pointerClicked) {
        if (view.FieldSlotAt(pointerX, pointerY) == m[cursorSlot]) choiceConfirmed = 1;
        pointerClicked = 0;
    }
}

// Sub-states 2 and 4: one of the two matches of hand slot h (8 = the drawn
// card); cursorSlot 0 is the lower field slot, 1 the other.
FieldChoice ChooseField(int h) {
    const int* m = koi.matchSlots[0][h];
    if (cursorSlot > 1) cursorSlot = 0;
    if (cursorSlot < 0) cursorSlot = 1;
    CountTicks();
    KoiKoiView& view = KoiView();
    view.ShowHumanChoosing();
    TakeFieldInput(view, h);
    if (subState == 2 && cancelRequested) {
        PlaySoundEffect(sfx::Cancel);
        view.EraseFieldCursor(m[cursorSlot]);
        subState = 1;
        cursorSlot = koi.selectedHandSlot;
        redrawRequested = 1;
        pointerMoved = 1;
        cancelRequested = 0;
        return FieldChoice::Cancelled;
    }
    if (!choiceConfirmed) return FieldChoice::Waiting;
    if (subState == 2) {
        view.EraseFieldCursor(m[cursorSlot]);
        if (showCapturableOn) view.DrawField();
        koi.chosenFieldSlot = m[cursorSlot];
        view.EraseFieldCursor(koi.chosenFieldSlot);
        view.PresentField();
        PlaySoundEffect(sfx::Confirm);
        PauseAfterChoice();
        if (animationOn) {
            view.EraseHandCursor(h);
            view.PresentHand(0);
        }
    } else {
        view.RepaintTable();
        view.DrawStock();
        view.PresentTable();
        PlaySoundEffect(sfx::Confirm);
        PauseAfterChoice();
        koi.chosenFieldSlot = m[cursorSlot];
    }
    ResetCursor();
    ++subState;
    return FieldChoice::Made;
}

void PlayAndDraw() {
    KoiView().EraseHandCursor(koi.selectedHandSlot);
    PlayCard(0, koi.selectedHandSlot);
    koi.hands[0][DrawnSlot] = koi.stock[StockSize - koi.stockLeft];
    KoiView().FlipStockCard();
    --koi.stockLeft;
    ++koi.handCount[0];
    ComputeMatches(0);
    subState = 4;
}

void FinishTurn() {
    KoiKoiView& view = KoiView();
    subState = 0;
    pointerMoved = 1;
    PlayCard(0, DrawnSlot);
    subState = 10;
    view.FlyCapturesToPiles(0);
    ClearCapturePairs();
    subState = 0;
    MergeTurnCaptures(0);
    for (int& n : koi.turnCaptureCount) n = 0;
    view.DrawPiles(0);
    platform::WaitMs(animationOn ? 100 : 300);

    if (koi.yakuAnnounced[0]) {
        if (AskStopOrContinue(0) == 1) {
            ScoreStop(0);
            return;
        }
        koi.yakuAnnounced[0] = 0;
    }
    koi.playerToMove ^= 1;
    gameState = koi.handCount[koi.dealer ^ 1] > 0 ? 4 : 5;
}

}  // namespace

void HumanTurnStep() {
    if (subState == 0) {
        SetUpTurn();
        return;
    }
    if (subState == 1) {
        if (!ChooseHand()) return AwaitInput();
    }
    if (subState == 2) {
        int h = koi.selectedHandSlot;
        if (koi.matchCount[0][h] != 2) {
            if (animationOn) {
                KoiView().EraseHandCursor(h);
                KoiView().PresentHand(0);
            }
            subState = 3;
            return;
        }
        FieldChoice choice = ChooseField(h);
        if (choice == FieldChoice::Waiting) return AwaitInput();
        if (choice == FieldChoice::Cancelled) return;
    }
    if (subState == 3) PlayAndDraw();
    if (subState == 4) {
        if (koi.matchCount[0][DrawnSlot] != 2) {
            subState = 5;
            return;
        }
        if (ChooseField(DrawnSlot) == FieldChoice::Waiting) return AwaitInput();
    }
    if (subState == 5) FinishTurn();
}
