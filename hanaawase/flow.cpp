#include "hanaawase/flow.h"

#include "cards/random.h"
#include "core/program.h"
#include "core/records.h"
#include "core/shell.h"
#include "hanaawase/com_levels.h"
#include "hanaawase/deal.h"
#include "hanaawase/play.h"
#include "hanaawase/saved_game.h"
#include "hanaawase/settlement.h"
#include "hanaawase/state.h"
#include "hanaawase/view.h"
#include "hanaawase/yaku.h"
#include "platform/clock.h"

int HanaWait(uint32_t ms) {
    platform::WaitMs(ms);
    return 1;
}

int HanaShowYakuMade(int player) {
    HanaApplyGiveWay(player);
    for (int t = 0; t < HanaYakuCount; ++t) {
        if (hana.madeYaku[player][t]) {
            CurrentHanaView().HanaShowYakuMade(player);
            break;
        }
    }
    return 1;
}

namespace {

void StartGame() {
    hana.dealer = Random() % 3;
    hana.handsCompleted = 0;
    for (int p = 0; p < HanaPlayers; ++p) {
        hana.scoreHistory[p].assign(1, HanaHandNotPlayed);
        hana.totalScore[p] = 0;
    }
    CurrentHanaView().HanaGameStarted();
}

void StartHand() {
    if (handsOption == 0 || handsOption == 1) {
        if (hana.handsCompleted >= 6 * (handsOption + 1)) {
            // The dialogs index the final hand by this number.
            hana.handsCompleted = 6 * handsOption + 5;
            gameState = HanaGameEnd;
            return;
        }
    }
    HanaClearHand();
    for (auto& history : hana.scoreHistory) {
        history.resize(hana.handsCompleted + 1);
        history[hana.handsCompleted] = HanaHandNotPlayed;
    }
    pointerClicked = 0;
    choiceConfirmed = 0;
    cursorSlot = 0;
    HanaDeal();
    gameState = HanaUserTurn + hana.dealer;
}

void RecordHand() {
    int mine = hana.handScore[0];
    if (mine >= hana.handScore[1] && mine >= hana.handScore[2] && mine >= 1) ++recHanaHandsWon;
    recHanaTotalPoints += mine;
    if (mine > recHanaBestHand) recHanaBestHand = mine;
}

void EndHand() {
    HanaView& view = CurrentHanaView();
    for (int p = 0; p < HanaPlayers; ++p) HanaShowYakuMade(p);
    HanaSettleHand();
    view.HanaDrawPanel();
    view.HanaPresentTable();
    RecordHand();
    view.HanaShowResults();
    int next = HanaNextDealer();
    view.HanaHandEnded(next);
    hana.dealer = next;
    ++hana.handsCompleted;
    ++recHanaHandsPlayed;
    gameState = HanaHandStart;
}

void EndGame() {
    CurrentHanaView().HanaGameOver();
    CurrentHanaView().HanaShowGameEnd();
    ++recHanaGamesPlayed;
    if (HanaUserWinsGame(hana.totalScore)) ++recHanaGamesWon;
    pointerClicked = 0;
    choiceConfirmed = 0;
    gameState = HanaFinalWait;
}

void FinalWait() {
    if (!pointerClicked && !choiceConfirmed) {
        Shell().WaitForInput(100);
        return;
    }
    EndGameAfterResult();
    HanaReleaseGame();
}

}  // namespace

void HanaComputerTurn(int player) {
    HanaView& view = CurrentHanaView();
    for (auto& pair : hana.capturePairs) pair[0] = pair[1] = -1;
    for (int& count : hana.turnCapturedCount) count = 0;
    hana.firstCaptureSlot = -1;

    HanaPlayCard(player, HanaChooseHandCardAtLevel(comLevel, player));
    if (player == 2) view.HanaShowHand(2);
    HanaDrawAndPlay(player);

    subState = HanaCapturesFlying;
    view.HanaFlyCapturesToPiles(player);
    subState = 0;
    HanaMergeTurnCaptures(player);
    for (int& count : hana.turnCapturedCount) count = 0;
    view.HanaDrawPiles(player);

    if (player == 1) {
        HanaWait(animationOn ? 100 : 300);
    } else if (!animationOn) {
        HanaWait(300);
    }
    gameState = hana.stockCount == 0 ? HanaHandEnd : (player == 1 ? HanaCom2Turn : HanaUserTurn);
}

namespace {

int StepState() {
    switch (gameState) {
        case HanaTableSetUp:
            CurrentHanaView().HanaBuildLayout();
            gameState = HanaGameStart;
            return 1;
        case HanaGameStart:
            StartGame();
            gameState = HanaHandStart;
            return 1;
        case HanaHandStart:
            StartHand();
            return 1;
        case HanaUserTurn:
            HanaUserTurnStep();
            return 1;
        case HanaCom1Turn:
            HanaComputerTurn(1);
            return 1;
        case HanaCom2Turn:
            HanaComputerTurn(2);
            return 1;
        case HanaHandEnd:
            EndHand();
            return 1;
        case HanaGameEnd:
            EndGame();
            return 1;
        case HanaFinalWait:
            FinalWait();
            return 1;
        default:
            return 0;
    }
}

}  // namespace

bool HanaUserWinsGame(const int totals[3]) {
    return totals[0] > totals[1] && totals[0] > totals[2];
}

int HanaAwaseStep() {
    const int before = gameState;
    int handled = StepState();
    // A turn, a deal or a hand's end is over: the game can be kept as it
    // stands now (the records of the hand go with it).
    if (gameState != before && HanaKeepable(gameState))
        Shell().GameProgressed(gameState == HanaFinalWait);
    return handled;
}
