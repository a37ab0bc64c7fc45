#include "hanaawase/saved_game.h"

#include <cstdint>
#include <vector>

#include "cards/random.h"
#include "cards/saved_text.h"
#include "core/program.h"
#include "hanaawase/com_levels.h"
#include "hanaawase/flow.h"
#include "hanaawase/invariants.h"
#include "hanaawase/state.h"

namespace {

constexpr int MaxScore = 100000;
constexpr int MaxUnlimitedHands = 99999;
constexpr int AllMonths = (1 << 12) - 1;

bool InHand(int state) {
    return state >= HanaUserTurn && state <= HanaHandEnd;
}

int HandLimit(int hands) {
    return hands == 2 ? MaxUnlimitedHands : 6 * hands + 6;
}

template <typename F>
void ForEachHandArray(HanaAwaseState& s, F&& f) {
    f("hands", FlatInts(s.hands), IntCount<decltype(s.hands)>(), -1, 47);
    f("handCount", FlatInts(s.handCount), HanaPlayers, 0, 7);
    f("field", FlatInts(s.field), HanaFieldSlots, -1, 47);
    f("stock", FlatInts(s.stock), HanaStockSize, -1, 47);
    f("stockCount", &s.stockCount, 1, 0, HanaStockSize);
    f("matchCount", FlatInts(s.matchCount), IntCount<decltype(s.matchCount)>(), 0, 3);
    f("matchSlots", FlatInts(s.matchSlots), IntCount<decltype(s.matchSlots)>(), -1,
      HanaFieldSlots - 1);
    f("capturePairs", FlatInts(s.capturePairs), IntCount<decltype(s.capturePairs)>(), -1, 47);
    f("firstCaptureSlot", &s.firstCaptureSlot, 1, -1, HanaFieldSlots - 1);
    f("captured", FlatInts(s.captured), IntCount<decltype(s.captured)>(), -1, 47);
    f("capturedCount", FlatInts(s.capturedCount), IntCount<decltype(s.capturedCount)>(), 0, 24);
    f("turnCaptured", FlatInts(s.turnCaptured), IntCount<decltype(s.turnCaptured)>(), -1, 47);
    f("turnCapturedCount", FlatInts(s.turnCapturedCount), HanaKinds, 0, 0);
    f("madeYaku", FlatInts(s.madeYaku), IntCount<decltype(s.madeYaku)>(), 0, 1);
    f("reach", FlatInts(s.reach), IntCount<decltype(s.reach)>(), 0, 1);
    f("wanted", FlatInts(s.wanted), IntCount<decltype(s.wanted)>(), HanaNoLongerWanted, 47);
    f("wantedCount", FlatInts(s.wantedCount), IntCount<decltype(s.wantedCount)>(), 0,
      HanaWantedRoom);
    f("targetScore", FlatInts(s.targetScore), IntCount<decltype(s.targetScore)>(), -MaxScore,
      MaxScore);
    f("missing", FlatInts(s.missing), IntCount<decltype(s.missing)>(), -1, 47);
    f("missingCount", FlatInts(s.missingCount), IntCount<decltype(s.missingCount)>(), 0, 48);
    f("cardPoints", FlatInts(s.cardPoints), HanaPlayers, 0, 264);
    f("yakuPoints", FlatInts(s.yakuPoints), HanaPlayers, -MaxScore, MaxScore);
    f("handScore", FlatInts(s.handScore), HanaPlayers, -MaxScore, MaxScore);
    f("deck", FlatInts(s.deck), 48, 0, 47);
    f("lackingMonths", FlatInts(s.lackingMonths), HanaPlayers, 0, AllMonths);
}

std::string CheckScores(const HanaAwaseState& s, int state, int hands) {
    const int limit = HandLimit(hands);
    const size_t size = s.scoreHistory[0].size();
    for (const auto& history : s.scoreHistory)
        if (history.size() != size || size == 0) return "score lists differ";
    const bool over = state == HanaGameEnd || state == HanaFinalWait;
    if (over ? s.handsCompleted != limit - 1 : s.handsCompleted > limit - (InHand(state) ? 1 : 0))
        return "hand number out of range";
    const size_t done = static_cast<size_t>(s.handsCompleted);
    // The running hand's entry holds HanaHandNotPlayed until it is settled.
    bool running = InHand(state) || (state == HanaHandStart && size == done + 1);
    if (over ? size != done + 1 : (size != done + 1 && !(state == HanaHandStart && size == done)))
        return "score list length";
    for (int p = 0; p < HanaPlayers; ++p) {
        long long sum = 0;
        size_t settled = running ? size - 1 : size;
        for (size_t k = 0; k < settled; ++k) {
            if (s.scoreHistory[p][k] < -MaxScore) return "a settled hand without a score";
            sum += s.scoreHistory[p][k];
        }
        if (running && s.scoreHistory[p][size - 1] != HanaHandNotPlayed)
            return "running hand already scored";
        if (sum != s.totalScore[p]) return "total differs from the hand scores";
    }
    return "";
}

// Play goes round from the dealer, one stock card a turn: the turns played
// so far fix every hand and whose turn it is.
std::string CheckTurns(const HanaAwaseState& s, int state) {
    int turns = HanaStockSize - s.stockCount;
    for (int p = 0; p < HanaPlayers; ++p) {
        int seat = (p - s.dealer + HanaPlayers) % HanaPlayers;
        int played = turns > seat ? (turns - seat + 2) / 3 : 0;
        if (s.handCount[p] != 7 - played) return "hands out of step with the stock";
    }
    if (state == HanaHandEnd) return turns == HanaStockSize ? "" : "hand ended early";
    if (turns == HanaStockSize) return "no cards left to play";
    if ((s.dealer + turns) % HanaPlayers != state - HanaUserTurn) return "wrong player to move";
    return "";
}

}  // namespace

bool HanaKeepable(int state) {
    return state >= HanaHandStart && state <= HanaFinalWait;
}

void HanaWriteGame(SavedTextWriter& out) {
    out.Value("state", gameState);
    out.Value("rules", handsOption);
    out.Value("random", static_cast<int>(RandomState()));
    // Each seat's thinking draws on its own generator, kept with the game.
    uint64_t seats[HanaPlayers];
    for (int p = 0; p < HanaPlayers; ++p) seats[p] = HanaComRandomOf(p).State();
    out.Words("comRandom", seats, HanaPlayers);
    out.Value("dealer", hana.dealer);
    out.Value("handsCompleted", hana.handsCompleted);
    out.Values("totalScore", hana.totalScore, HanaPlayers);
    out.List("scoreHistory0", hana.scoreHistory[0]);
    out.List("scoreHistory1", hana.scoreHistory[1]);
    out.List("scoreHistory2", hana.scoreHistory[2]);
    if (!InHand(gameState)) return;
    ForEachHandArray(hana, [&](const char* name, int* values, int count, int, int) {
        out.Values(name, values, count);
    });
    out.Words("ruledOut", hana.ruledOut, HanaPlayers);
}

std::string HanaReadGame(SavedTextReader& in) {
    static HanaAwaseState read;
    read = HanaAwaseState{};
    int state = 0, hands = 0, random = 0;
    uint64_t seats[HanaPlayers] = {};
    in.Value("state", state, HanaHandStart, HanaFinalWait);
    in.Value("rules", hands, 0, 2);
    in.Value("random", random, INT32_MIN, INT32_MAX);
    in.Words("comRandom", seats, HanaPlayers);
    in.Value("dealer", read.dealer, 0, 2);
    in.Value("handsCompleted", read.handsCompleted, 0, MaxUnlimitedHands);
    in.Values("totalScore", read.totalScore, HanaPlayers, INT32_MIN, INT32_MAX);
    in.List("scoreHistory0", read.scoreHistory[0], MaxUnlimitedHands + 1, HanaHandNotPlayed,
            MaxScore);
    in.List("scoreHistory1", read.scoreHistory[1], MaxUnlimitedHands + 1, HanaHandNotPlayed,
            MaxScore);
    in.List("scoreHistory2", read.scoreHistory[2], MaxUnlimitedHands + 1, HanaHandNotPlayed,
            MaxScore);
    if (InHand(state)) {
        ForEachHandArray(read, [&](const char* name, int* values, int count, int min, int max) {
            in.Values(name, values, count, min, max);
        });
        // Kept before the cards each seat has shown it lacks were recorded:
        // nothing is known of them.
        if (!in.AtEnd()) in.Words("ruledOut", read.ruledOut, HanaPlayers);
    }
    if (!in.AtEnd()) return "not a whole Hana-awase game";
    std::string fault = CheckScores(read, state, hands);
    if (!fault.empty()) return fault;
    if (InHand(state)) {
        for (int p = 0; p < HanaPlayers; ++p)
            for (int kind = 0; kind < HanaKinds; ++kind)
                if (read.capturedCount[p][kind] > HanaKindRoom[kind])
                    return "captured count out of range";
        for (uint64_t cards : read.ruledOut)
            if (cards >> 48) return "ruled-out card out of range";
        fault = CheckTurns(read, state);
        if (!fault.empty()) return fault;
        static HanaAwaseState previous;
        previous = hana;
        hana = read;
        // At the hand's end nobody is to play; no dealer's turn to check.
        fault = HanaCheckBetweenTurns(state == HanaHandEnd ? HanaPlayers : state - HanaUserTurn);
        if (!fault.empty()) {
            hana = previous;
            return fault;
        }
    } else {
        HanaClearHand();
        hana.dealer = read.dealer;
        hana.handsCompleted = read.handsCompleted;
        for (int p = 0; p < HanaPlayers; ++p) {
            hana.totalScore[p] = read.totalScore[p];
            hana.scoreHistory[p] = read.scoreHistory[p];
        }
    }
    gameState = state;
    subState = 0;
    handsOption = hands;
    SeedRandom(static_cast<uint32_t>(random));
    for (int p = 0; p < HanaPlayers; ++p) HanaComRandomOf(p).Restore(seats[p]);
    return "";
}
