// The user's turn (state 3). It spreads over many calls: each call looks at
// the input once and returns while the user chooses, then runs the play and
// the draw straight through.
#include "core/program.h"
#include "core/shell.h"
#include "core/sound_effects.h"
#include "hanaawase/flow.h"
#include "hanaawase/play.h"
#include "hanaawase/state.h"
#include "hanaawase/view.h"
#include "platform/clock.h"

namespace {

enum UserTurnStep {
    TurnStart = 0,
    ChooseHandCard = 1,
    ChooseFieldCard = 2,
    PlayAndDraw = 3,
    ChooseFieldCardForDrawn = 4,
    EndOfTurn = 5,
};

constexpr uint32_t TickMs = 100;

void CountTicks() {
    uint32_t now = platform::GetTickCount();
    uint32_t elapsed = now - hana.tickBase;
    if (elapsed > TickMs) {
        hana.tickCounter += static_cast<int>(elapsed / TickMs);
        hana.tickBase = now;
        // The glow pulses with the ticks.
        if (showCapturableOn && CurrentHanaView().HanaWindowHasFocus()) redrawRequested = 1;
    }
}

// Nothing to do until the user acts: let the window's loop sleep until the
// next tick is due.
void WaitForUser() {
    uint32_t elapsed = platform::GetTickCount() - hana.tickBase;
    Shell().WaitForInput(elapsed >= TickMs ? 0 : TickMs - elapsed);
}

void ResetSelection() {
    choiceConfirmed = 0;
    cursorSlot = 0;
    previousCursorSlot = 0;
    redrawRequested = 1;
}

void StartTurn() {
    hana.tickBase = platform::GetTickCount();
    for (auto& pair : hana.capturePairs) pair[0] = pair[1] = -1;
    for (int& count : hana.turnCapturedCount) count = 0;
    hana.firstCaptureSlot = -1;
    hana.chosenFieldSlot = -1;
    hana.chosenHandSlot = -1;
    ResetSelection();
    // A click given before the choice begins (during the deal or the
    // computers' turns) belongs to no turn of the user's.
    pointerClicked = 0;
    HanaFindMatches(0);
    subState = ChooseHandCard;
}

// Returns true once a hand card is confirmed.
bool ChooseCardInHand() {
    HanaView& view = CurrentHanaView();
    int count = hana.handCount[0];
    if (cursorSlot > count - 1) cursorSlot = 0;
    if (cursorSlot < 0) cursorSlot = count - 1;
    CountTicks();
    if (pointerMoved) {
        int slot = view.HanaHandCardAt(pointerX, pointerY);
        if (slot != -1 && slot != cursorSlot) {
            previousCursorSlot = cursorSlot;
            cursorSlot = slot;
            redrawRequested = 1;
        }
        pointerMoved = 0;
    }
    if (redrawRequested) {
        view.HanaEraseHandCursor(previousCursorSlot);
        if (showCapturableOn) {
            view.HanaDrawField();
            view.HanaGlowCapturingHandCards();
            view.HanaGlowCapturableFieldCards(cursorSlot);
        }
        view.HanaDrawHandCursor(cursorSlot);
        view.HanaPresentField();
        view.HanaPresentHand(0);
        redrawRequested = 0;
    }
    if (pointerClicked) {
        if (view.HanaHandCardAt(pointerX, pointerY) != -1) choiceConfirmed = 1;
        pointerClicked = 0;
    }
    if (!choiceConfirmed) {
        WaitForUser();
        return false;
    }
    if (showCapturableOn) {
        // Take the glows away.
        view.HanaShowHand(0);
        view.HanaDrawHandCursor(cursorSlot);
        view.HanaDrawField();
        view.HanaPresentHand(0);
        view.HanaPresentField();
    }
    if (soundEffectsOn) {
        PlaySoundEffect(sfx::Confirm);
        if (!animationOn && hana.matchCount[0][cursorSlot] != 2) HanaWait(300);
    }
    hana.chosenHandSlot = cursorSlot;
    ResetSelection();
    return true;
}

// The field slot of candidate 0 or 1 for the hand slot, -1 for any other.
int Candidate(int handSlot, int index) {
    return index == 0 || index == 1 ? hana.matchSlots[0][handSlot][index] : -1;
}

// The user picks one of the two field cards the card in `handSlot` can take.
// Returns the chosen field slot, or -1 while the user has not chosen (or
// cancelled, when `canCancel`).
int ChooseBetweenTwo(int handSlot, bool canCancel) {
    HanaView& view = CurrentHanaView();
    CountTicks();
    if (pointerMoved) {
        int other = Candidate(handSlot, cursorSlot ^ 1);
        if (other != -1 && view.HanaFieldSlotAt(pointerX, pointerY) == other) {
            previousCursorSlot = cursorSlot;
            cursorSlot ^= 1;
            redrawRequested = 1;
        }
        pointerMoved = 0;
    }
    if (redrawRequested) {
        if (cursorSlot > 1) cursorSlot = 0;
        if (cursorSlot < 0) cursorSlot = 1;
        view.HanaEraseFieldCursor(Candidate(handSlot, previousCursorSlot));
        if (showCapturableOn) {
            view.HanaDrawField();
            if (handSlot == HanaDrawnSlot) view.HanaDrawPairsOnField();
            view.HanaGlowCapturableFieldCards(handSlot);
        }
        view.HanaDrawFieldCursor(Candidate(handSlot, cursorSlot));
        view.HanaPresentField();
        redrawRequested = 0;
    }
    if (canCancel && cancelRequested) {
        PlaySoundEffect(sfx::Cancel);
        view.HanaEraseFieldCursor(Candidate(handSlot, cursorSlot));
        subState = ChooseHandCard;
        cursorSlot = hana.chosenHandSlot;
        redrawRequested = 1;
        pointerMoved = 1;  // so that the hand is hit-tested again
        cancelRequested = 0;
        return -1;
    }
    if (pointerClicked) {
        int candidate = Candidate(handSlot, cursorSlot);
        if (candidate != -1 && view.HanaFieldSlotAt(pointerX, pointerY) == candidate)
            choiceConfirmed = 1;
        pointerClicked = 0;
    }
    if (!choiceConfirmed) {
        WaitForUser();
        return -1;
    }
    if (cursorSlot != 1) cursorSlot = 0;
    return Candidate(handSlot, cursorSlot);
}

// Returns true when the turn goes straight on to playing the card.
bool ChooseFieldForHandCard() {
    HanaView& view = CurrentHanaView();
    int handSlot = hana.chosenHandSlot;
    if (hana.matchCount[0][handSlot] != 2) {
        subState = PlayAndDraw;
        return false;
    }
    int chosen = ChooseBetweenTwo(handSlot, true);
    if (chosen < 0) return false;
    view.HanaEraseFieldCursor(chosen);
    if (showCapturableOn) view.HanaDrawField();
    view.HanaPresentField();
    hana.chosenFieldSlot = chosen;
    view.HanaEraseFieldCursor(chosen);
    if (soundEffectsOn) {
        PlaySoundEffect(sfx::Confirm);
        if (!animationOn) HanaWait(300);
    }
    if (animationOn) {
        view.HanaEraseHandCursor(hana.chosenHandSlot);
        view.HanaPresentHand(0);
    }
    ResetSelection();
    return true;
}

void PlayHandCardAndDraw() {
    HanaView& view = CurrentHanaView();
    view.HanaEraseHandCursor(hana.chosenHandSlot);
    HanaPlayCard(0, hana.chosenHandSlot);
    hana.hands[0][HanaDrawnSlot] = hana.stock[HanaStockSize - hana.stockCount];
    view.HanaFlipStockCard();
    --hana.stockCount;
    ++hana.handCount[0];
    HanaFindMatches(0);
}

// Returns true when the turn goes straight on to its end.
bool ChooseFieldForDrawnCard() {
    HanaView& view = CurrentHanaView();
    if (hana.matchCount[0][HanaDrawnSlot] != 2) {
        subState = EndOfTurn;
        return false;
    }
    int chosen = ChooseBetweenTwo(HanaDrawnSlot, false);
    if (chosen < 0) return false;
    view.HanaRepaintTable();
    view.HanaDrawStock();
    view.HanaPresentTable();
    if (soundEffectsOn) {
        PlaySoundEffect(sfx::Confirm);
        if (!animationOn) HanaWait(300);
    }
    hana.chosenFieldSlot = chosen;
    ResetSelection();
    return true;
}

void EndTurn() {
    HanaView& view = CurrentHanaView();
    subState = TurnStart;
    pointerMoved = 1;
    HanaPlayCard(0, HanaDrawnSlot);
    subState = HanaCapturesFlying;
    view.HanaFlyCapturesToPiles(0);
    subState = TurnStart;
    HanaMergeTurnCaptures(0);
    for (int& count : hana.turnCapturedCount) count = 0;
    view.HanaDrawPiles(0);
    HanaWait(animationOn ? 100 : 300);
    gameState = hana.stockCount == 0 ? HanaHandEnd : HanaCom1Turn;
}

}  // namespace

void HanaUserTurnStep() {
    switch (subState) {
        case TurnStart:
            StartTurn();
            return;
        case ChooseHandCard:
            if (!ChooseCardInHand()) return;
            subState = ChooseFieldCard;
            [[fallthrough]];
        case ChooseFieldCard:
            if (!ChooseFieldForHandCard()) return;
            subState = PlayAndDraw;
            [[fallthrough]];
        case PlayAndDraw:
            PlayHandCardAndDraw();
            subState = ChooseFieldCardForDrawn;
            [[fallthrough]];
        case ChooseFieldCardForDrawn:
            if (!ChooseFieldForDrawnCard()) return;
            subState = EndOfTurn;
            [[fallthrough]];
        case EndOfTurn:
            EndTurn();
            return;
        default:
            return;
    }
}
