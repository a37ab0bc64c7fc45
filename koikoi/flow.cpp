#include "koikoi/flow.h"

#include "cards/random.h"
#include "core/program.h"
#include "core/records.h"
#include "core/shell.h"
#include "koikoi/com.h"
#include "koikoi/com_levels.h"
#include "koikoi/rules.h"
#include "koikoi/saved_game.h"
#include "koikoi/state.h"
#include "koikoi/view.h"
#include "platform/clock.h"

namespace {

int HandLimit() {
    return 6 * handsOption + 6;
}

void StartGame() {
    koi.dealer = Random() & 1;
    koi.handIndex = 0;
    for (int p = 0; p < 2; ++p) {
        koi.handScores[p].reserve(64);
        koi.handScores[p].assign(1, -1);
        koi.gameTotal[p] = 0;
    }
    gameState = 2;
}

void StartHand() {
    if (handsOption != 2 && koi.handIndex >= HandLimit()) {
        koi.handIndex = HandLimit() - 1;
        gameState = 6;
        return;
    }
    ResetHandState();
    for (auto& scores : koi.handScores) {
        scores.resize(koi.handIndex + 1);
        scores[koi.handIndex] = -1;
    }
    pointerClicked = 0;
    choiceConfirmed = 0;
    cursorSlot = 0;
    DealHand();
    gameState = koi.dealer == 0 ? 3 : 4;
}

void ComputerTurn() {
    KoiKoiView& view = KoiView();
    ResetTurnState();
    PlayCard(ComPlayer, ChooseCardAtLevel(comLevel, ComPlayer));
    ComDrawAndPlay(ComPlayer);
    subState = 10;
    view.FlyCapturesToPiles(ComPlayer);
    ClearCapturePairs();
    subState = 0;
    MergeTurnCaptures(ComPlayer);
    for (int& n : koi.turnCaptureCount) n = 0;
    view.DrawPiles(ComPlayer);
    if (!animationOn) platform::WaitMs(300);

    if (koi.yakuAnnounced[ComPlayer]) {
        if (AskStopOrContinue(ComPlayer) == 1) {
            ScoreStop(ComPlayer);
            return;
        }
        koi.yakuAnnounced[ComPlayer] = 0;
    }
    koi.playerToMove ^= 1;
    gameState = koi.handCount[koi.dealer ^ 1] > 0 ? 3 : 5;
}

void EndHand() {
    KoiKoiView& view = KoiView();
    int k = koi.handIndex;
    bool stopped = koi.yakuAnnounced[0] || koi.yakuAnnounced[1];
    if (!stopped) {
        if (oyakenOption == 1) {
            // Nobody stopped: the dealer takes three 文.
            view.ShowOyakenNotice();
            koi.handScores[koi.dealer][k] = 3;
            koi.handScores[koi.dealer ^ 1][k] = 0;
            koi.gameTotal[koi.dealer] += 3;
            if (koi.dealer == 0) {
                recKoiTotalMon += 3;
                if (recKoiBestHand < 3) recKoiBestHand = 3;
            }
        } else {
            koi.handScores[0][k] = koi.handScores[1][k] = 0;
        }
    }
    view.DrawKoiKoiPanel();
    view.PresentTable();
    view.ShowScoreTable();
    // Whoever stopped deals the next hand; otherwise the dealer keeps it.
    if (stopped) koi.dealer = koi.yakuAnnounced[1];
    ++koi.handIndex;
    ++recKoiHandsPlayed;
    gameState = 2;
}

void EndGame() {
    KoiView().PlayGameResult();
    ++recKoiGamesPlayed;
    if (koi.gameTotal[0] > koi.gameTotal[1]) ++recKoiGamesWon;
    gameState = 7;
    pointerClicked = 0;
    choiceConfirmed = 0;
}

void AwaitResultClick() {
    if (!choiceConfirmed && !pointerClicked) {
        Shell().WaitForInput(100);
        return;
    }
    EndGameAfterResult();
    ReleaseKoiKoiGame();
}

}  // namespace

void ScoreStop(int p) {
    int k = koi.handIndex;
    koi.handScores[p][k] = koi.handScore;
    koi.handScores[p ^ 1][k] = 0;
    koi.gameTotal[p] += koi.handScore;
    if (p == 0) {
        recKoiTotalMon += koi.handScore;
        if (koi.handScore > recKoiBestHand) recKoiBestHand = koi.handScore;
        ++recKoiHandsWon;
    }
    gameState = 5;
}

int KoiKoiStep() {
    const int before = gameState;
    switch (gameState) {
        case 0:
            KoiView().BuildKoiKoiLayout();
            gameState = 1;
            break;
        case 1:
            StartGame();
            break;
        case 2:
            StartHand();
            break;
        case 3:
            HumanTurnStep();
            break;
        case 4:
            ComputerTurn();
            break;
        case 5:
            EndHand();
            break;
        case 6:
            EndGame();
            break;
        case 7:
            AwaitResultClick();
            break;
    }
    // A turn, a deal or a hand's end is over: the game can be kept as it
    // stands now (the records of the hand go with it).
    if (gameState != before && KoiKoiKeepable(gameState)) Shell().GameProgressed(gameState == 7);
    return 1;
}
