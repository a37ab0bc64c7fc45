#include "koikoi/saved_game.h"

#include <cstdint>
#include <vector>

#include "cards/random.h"
#include "cards/saved_text.h"
#include "core/program.h"
#include "koikoi/com_levels.h"
#include "koikoi/invariants.h"
#include "koikoi/state.h"

namespace {

constexpr int MaxHandScore = 9999;
// An unlimited game has no end of its own; this many hands is beyond any.
constexpr int MaxUnlimitedHands = 99999;
constexpr int PileRoom[4] = {5, 9, 10, 24};
constexpr int AllMonths = (1 << 12) - 1;

// The states a kept game can stand in: a hand to deal, the human's or the
// computer's turn to begin, a hand to close, the game to close, a game over.
bool InHand(int state) {
    return state == 3 || state == 4 || state == 5;
}

int HandLimit(int hands) {
    return hands == 2 ? MaxUnlimitedHands : 6 * hands + 6;
}

// The per-hand arrays, in one order for writing and reading.
template <typename F>
void ForEachHandArray(KoiKoiState& s, F&& f) {
    f("hands", FlatInts(s.hands), IntCount<decltype(s.hands)>(), -1, 47);
    f("handCount", FlatInts(s.handCount), 2, 0, 8);
    f("field", FlatInts(s.field), FieldSlots, -1, 47);
    f("stock", FlatInts(s.stock), StockSize, -1, 47);
    f("stockLeft", &s.stockLeft, 1, 0, StockSize);
    f("matchSlots", FlatInts(s.matchSlots), IntCount<decltype(s.matchSlots)>(), -1, FieldSlots - 1);
    f("matchCount", FlatInts(s.matchCount), IntCount<decltype(s.matchCount)>(), 0, 3);
    f("piles", FlatInts(s.piles), IntCount<decltype(s.piles)>(), -1, 47);
    f("pileCount", FlatInts(s.pileCount), 8, 0, PileCapacity);
    f("turnCaptures", FlatInts(s.turnCaptures), IntCount<decltype(s.turnCaptures)>(), -1, 47);
    f("turnCaptureCount", FlatInts(s.turnCaptureCount), 4, 0, 0);
    f("capturePairs", FlatInts(s.capturePairs), IntCount<decltype(s.capturePairs)>(), -1, 47);
    f("firstCaptureSlot", &s.firstCaptureSlot, 1, -1, FieldSlots - 1);
    f("selectedHandSlot", &s.selectedHandSlot, 1, -1, HandSlots - 1);
    f("chosenFieldSlot", &s.chosenFieldSlot, 1, -1, FieldSlots - 1);
    f("playerToMove", &s.playerToMove, 1, 0, 1);
    f("yakuAnnounced", FlatInts(s.yakuAnnounced), 2, 0, 1);
    f("yakuMade", FlatInts(s.yakuMade), IntCount<decltype(s.yakuMade)>(), 0, 1);
    f("yakuReach", FlatInts(s.yakuReach), IntCount<decltype(s.yakuReach)>(), 0, 1);
    f("reachCards", FlatInts(s.reachCards), IntCount<decltype(s.reachCards)>(), -1, 47);
    f("reachCardCount", FlatInts(s.reachCardCount), IntCount<decltype(s.reachCardCount)>(), 0,
      ReachCardCapacity);
    f("yakuChance", FlatInts(s.yakuChance), IntCount<decltype(s.yakuChance)>(), -1000000, 1000000);
    f("liveReachCards", FlatInts(s.liveReachCards), IntCount<decltype(s.liveReachCards)>(), -1, 47);
    f("liveReachCardCount", FlatInts(s.liveReachCardCount),
      IntCount<decltype(s.liveReachCardCount)>(), 0, LiveReachCardCapacity);
    f("handScore", &s.handScore, 1, 0, MaxHandScore);
    f("lackingMonths", FlatInts(s.lackingMonths), 2, 0, AllMonths);
}

std::string CheckScores(const KoiKoiState& s, int state, int hands) {
    const int limit = HandLimit(hands);
    const size_t size = s.handScores[0].size();
    if (size != s.handScores[1].size() || size == 0) return "score lists differ";
    const bool over = state == 6 || state == 7;
    if (over ? s.handIndex != limit - 1 : s.handIndex > limit - (InHand(state) ? 1 : 0))
        return "hand number out of range";
    const size_t index = static_cast<size_t>(s.handIndex);
    if (size != index + 1 && !(state == 2 && size == index)) return "score list length";
    for (int p = 0; p < 2; ++p) {
        long long sum = 0;
        for (size_t k = 0; k < size; ++k) {
            int score = s.handScores[p][k];
            if (score == -1 && (k + 1 != size || over)) return "hand without a score";
            if (score > 0) sum += score;
        }
        if (sum != s.gameTotal[p]) return "total differs from the hand scores";
    }
    return "";
}

// The dealer moves first and turns alternate, each playing one hand card and
// drawing one: the turns played so far fix both hands and whose turn it is.
std::string CheckTurns(const KoiKoiState& s, int state) {
    int turns = StockSize - s.stockLeft;
    if (turns > 16) return "too many turns";
    if (s.handCount[s.dealer] != 8 - (turns + 1) / 2 || s.handCount[s.dealer ^ 1] != 8 - turns / 2)
        return "hands out of step with the stock";
    if (state == 5) return "";
    if (s.playerToMove != (s.dealer ^ (turns & 1)) || s.playerToMove != state - 3)
        return "wrong player to move";
    if (s.yakuAnnounced[0] || s.yakuAnnounced[1]) return "a yaku left unanswered";
    if (turns == 16) return "no cards left to play";
    return "";
}

}  // namespace

bool KoiKoiKeepable(int state) {
    // At 5 a stop has counted the hand's win in the records but not yet the
    // hand itself: the game and the records are kept at the hand's end instead.
    return state >= 2 && state <= 7 && state != 5;
}

void WriteKoiKoiGame(SavedTextWriter& out) {
    out.Value("state", gameState);
    int rules[3] = {handsOption, sakeOption, oyakenOption};
    out.Values("rules", rules, 3);
    out.Value("random", static_cast<int>(RandomState()));
    // Each seat's thinking draws on its own generator, kept with the game.
    const uint64_t seats[2] = {ComRandomOf(0).State(), ComRandomOf(1).State()};
    out.Words("comRandom", seats, 2);
    out.Value("dealer", koi.dealer);
    out.Value("handIndex", koi.handIndex);
    out.Values("gameTotal", koi.gameTotal, 2);
    out.List("handScores0", koi.handScores[0]);
    out.List("handScores1", koi.handScores[1]);
    if (!InHand(gameState)) return;
    ForEachHandArray(koi, [&](const char* name, int* values, int count, int, int) {
        out.Values(name, values, count);
    });
}

std::string ReadKoiKoiGame(SavedTextReader& in) {
    // The state is large; it is read into a copy, which replaces the game
    // only once all of it holds together.
    static KoiKoiState read;
    read = KoiKoiState{};
    int state = 0, rules[3] = {}, random = 0;
    uint64_t seats[2] = {};
    in.Value("state", state, 2, 7);
    in.Values("rules", rules, 3, 0, 2);
    in.Value("random", random, INT32_MIN, INT32_MAX);
    in.Words("comRandom", seats, 2);
    in.Value("dealer", read.dealer, 0, 1);
    in.Value("handIndex", read.handIndex, 0, MaxUnlimitedHands);
    in.Values("gameTotal", read.gameTotal, 2, 0, INT32_MAX);
    in.List("handScores0", read.handScores[0], MaxUnlimitedHands + 1, -1, MaxHandScore);
    in.List("handScores1", read.handScores[1], MaxUnlimitedHands + 1, -1, MaxHandScore);
    if (InHand(state)) {
        ForEachHandArray(read, [&](const char* name, int* values, int count, int min, int max) {
            in.Values(name, values, count, min, max);
        });
    }
    if (!in.AtEnd()) return "not a whole Koi-Koi game";
    if (!KoiKoiKeepable(state)) return "not a state between turns";
    if (rules[2] > 1) return "rule out of range";
    std::string fault = CheckScores(read, state, rules[0]);
    if (!fault.empty()) return fault;
    if (InHand(state)) {
        for (int p = 0; p < 2; ++p)
            for (int k = 0; k < 4; ++k)
                if (read.pileCount[p][k] > PileRoom[k]) return "pile count out of range";
        fault = CheckTurns(read, state);
        if (!fault.empty()) return fault;
        // The card partition and the pile order are checked on the game
        // itself; the old one comes back when they do not hold.
        static KoiKoiState previous;
        previous = koi;
        koi = read;
        fault = CheckKoiKoiInvariants();
        if (!fault.empty()) {
            koi = previous;
            return fault;
        }
    } else {
        std::vector<int> scores[2] = {read.handScores[0], read.handScores[1]};
        int dealer = read.dealer, index = read.handIndex;
        int totals[2] = {read.gameTotal[0], read.gameTotal[1]};
        koi.dealer = dealer;
        ResetHandState();
        koi.handIndex = index;
        koi.gameTotal[0] = totals[0];
        koi.gameTotal[1] = totals[1];
        koi.handScores[0] = scores[0];
        koi.handScores[1] = scores[1];
    }
    gameState = state;
    subState = 0;
    handsOption = rules[0];
    sakeOption = rules[1];
    oyakenOption = rules[2];
    SeedRandom(static_cast<uint32_t>(random));
    for (int seat = 0; seat < 2; ++seat) ComRandomOf(seat).Restore(seats[seat]);
    return "";
}
