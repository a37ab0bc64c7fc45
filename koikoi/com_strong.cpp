// つよい: look-ahead over sampled deals. The cards the seat cannot see are
// shuffled into the other hand and the stock, consistently with their
// counts; each choice is played out on the same samples by a fast greedy
// policy (the other player answering こいこい as the specified one tends to),
// and the choice with the best mean 文 is taken. Everything
// lives in fixed arrays on the stack: a rollout allocates nothing.
#include <bit>
#include <cstdint>

#include "cards/rollout_search.h"
#include "core/program.h"
#include "koikoi/com_levels.h"
#include "koikoi/rules.h"

namespace {

constexpr CardSet SetOf(std::initializer_list<int> cards) {
    CardSet s = 0;
    for (int c : cards) s |= CardSet{1} << c;
    return s;
}
constexpr CardSet Lights = SetOf({0, 8, 28, 40, 44});
constexpr CardSet Rain = SetOf({40});
constexpr CardSet Tane = SetOf({4, 12, 16, 20, 24, 29, 32, 36, 41});
constexpr CardSet Tan = SetOf({1, 5, 9, 13, 17, 21, 25, 33, 37, 42});
constexpr CardSet Kasu = ((CardSet{1} << 48) - 1) & ~(Lights | Tane | Tan);
constexpr CardSet Inoshikacho = SetOf({20, 24, 36});
constexpr CardSet Akatan = SetOf({1, 5, 9});
constexpr CardSet Aotan = SetOf({21, 33, 37});
constexpr CardSet Hanami = SetOf({8, 32});
constexpr CardSet Tsukimi = SetOf({28, 32});

// Rollouts per decision, and per choice and round at least and at most.
constexpr SearchBudget Budget = {4800, 100, 1000};

// One hand played out in fixed arrays.
struct Sim {
    int hand[2][HandSlots];
    int handCount[2];
    int field[FieldSlots + 4];
    int fieldCount;
    int stock[StockSize];
    int stockNext, stockEnd;
    CardSet captured[2];
    int announced[2];  // the score each player was last asked about
    int sake;
    int stopper;  // who answered 勝負, -1 none yet
    int stopScore;
    int seat;  // the player thinking
    bool lastHand;
    bool manyHandsLeft;  // more than five after this one
    int total[2];        // the game's scores before this hand
    uint32_t luck;       // the sample's own coin for the other player's answers
};

// How often the other player answers こいこい, in 1/256, by the cards left in
// its hand and the game as stopping would leave it (not behind; behind with
// five hands left at most; behind with more), as counted in arena games
// before the last hand: it plays on mostly while it holds many cards, and
// when behind late even with few. A model that stops at every yaku would
// make playing on look too risky, and racing for a quick yaku while the
// other plays on too cheap.
constexpr int PlayOnOdds[3][HandSlots] = {
    {0, 12, 40, 95, 138, 185, 224, 240},    // not behind
    {0, 72, 159, 205, 178, 190, 196, 238},  // behind, five hands left at most
    {0, 15, 127, 193, 189, 181, 192, 200},  // behind, more hands left
};

bool Coin(Sim& s, int odds) {
    s.luck ^= s.luck << 13;
    s.luck ^= s.luck >> 17;
    s.luck ^= s.luck << 5;
    return static_cast<int>(s.luck & 255) < odds;
}

// What taking `taken` is worth to p: the card values and, much more, the 文
// its yaku grow by. `before` is p's yaku score now.
int Gain(const Sim& s, int p, CardSet taken, int before) {
    int after = YakuScoreOfCards(s.captured[p] | taken, s.sake);
    int value = 0;
    for (CardSet t = taken; t; t &= t - 1) value += CardValue[std::countr_zero(t)];
    return value + 12 * (after - before);
}

void RemoveField(Sim& s, int i) {
    s.field[i] = s.field[--s.fieldCount];
}

// Plays `card` for p onto the field; `target` is the field card to take when
// two match, or -1 for the policy's choice.
void Land(Sim& s, int p, int card, int target) {
    int idx[3], m = 0;
    for (int i = 0; i < s.fieldCount && m < 3; ++i)
        if (IsSameMonth(s.field[i], card)) idx[m++] = i;
    if (m == 0) {
        s.field[s.fieldCount++] = card;
        return;
    }
    if (m == 3) {
        s.captured[p] |= CardBit(card) | CardBit(s.field[idx[0]]) | CardBit(s.field[idx[1]]) |
                         CardBit(s.field[idx[2]]);
        RemoveField(s, idx[2]);
        RemoveField(s, idx[1]);
        RemoveField(s, idx[0]);
        return;
    }
    int pick = idx[0];
    if (m == 2) {
        if (target >= 0) {
            pick = s.field[idx[1]] == target ? idx[1] : idx[0];
        } else {
            int before = YakuScoreOfCards(s.captured[p], s.sake);
            if (Gain(s, p, CardBit(s.field[idx[1]]), before) >
                Gain(s, p, CardBit(s.field[idx[0]]), before))
                pick = idx[1];
        }
    }
    s.captured[p] |= CardBit(card) | CardBit(s.field[pick]);
    RemoveField(s, pick);
}

// The field cards `card` would take for p: all three of its month, the one
// worth more of two, or the only one. Empty when it takes nothing.
CardSet Takes(const Sim& s, int p, int card, int before) {
    CardSet same = 0;
    int m = 0;
    for (int f = 0; f < s.fieldCount; ++f) {
        if (IsSameMonth(s.field[f], card)) {
            same |= CardBit(s.field[f]);
            ++m;
        }
    }
    if (m != 2) return same;
    CardSet first = same & (~same + 1), second = same & ~first;
    return Gain(s, p, second, before) > Gain(s, p, first, before) ? second : first;
}

// The policy's hand card: the capture worth most, else the cheapest card.
int PolicyHandIndex(const Sim& s, int p) {
    int best = 0, bestValue = -1000000;
    int before = YakuScoreOfCards(s.captured[p], s.sake);
    for (int i = 0; i < s.handCount[p]; ++i) {
        int card = s.hand[p][i];
        CardSet taken = Takes(s, p, card, before);
        int value = taken ? 1000 + Gain(s, p, taken | CardBit(card), before) : -CardValue[card];
        if (value > bestValue) {
            bestValue = value;
            best = i;
        }
    }
    return best;
}

void TakeFromHand(Sim& s, int p, int i) {
    s.hand[p][i] = s.hand[p][--s.handCount[p]];
}

// After p's turn: a yaku made or grown is answered at once by the thinking
// player (勝負). The other plays on as the specified player would: in the
// last hand while stopping would leave it behind, before that by the odds.
void EndTurn(Sim& s, int p) {
    int score = YakuScoreOfCards(s.captured[p], s.sake);
    if (score <= s.announced[p]) return;
    bool playOn = false;
    if (p != s.seat) {
        int row = s.total[p] + score >= s.total[p ^ 1] ? 0 : s.manyHandsLeft ? 2 : 1;
        playOn = s.lastHand ? s.total[p] + score <= s.total[p ^ 1]
                            : Coin(s, PlayOnOdds[row][s.handCount[p]]);
    }
    if (playOn && s.handCount[p] > 0) {
        s.announced[p] = score;
        return;
    }
    s.stopper = p;
    s.stopScore = score;
}

void PolicyTurn(Sim& s, int p) {
    int i = PolicyHandIndex(s, p);
    int card = s.hand[p][i];
    TakeFromHand(s, p, i);
    Land(s, p, card, -1);
    if (s.stockNext < s.stockEnd) Land(s, p, s.stock[s.stockNext++], -1);
    EndTurn(s, p);
}

// Plays on from `toMove` until someone stops or both hands are empty.
void PlayOut(Sim& s, int toMove) {
    int p = toMove;
    while (s.stopper < 0 && s.handCount[p] > 0) {
        PolicyTurn(s, p);
        p ^= 1;
    }
}

// What the end of the hand is worth to `seat`: its 文 against the other's.
// In the last hand too: chasing the game's win costs more 文 than it brings.
double Worth(const KoiObservation& o, const Sim& s) {
    int mine = 0, theirs = 0;
    if (s.stopper == o.seat) {
        mine = s.stopScore;
    } else if (s.stopper >= 0) {
        theirs = s.stopScore;
    } else if (o.oyakenOption == 1) {
        (o.dealer == o.seat ? mine : theirs) = 3;
    }
    return mine - theirs;
}

// One sample: the seat's hand, the field and the piles as seen; the unseen
// cards, in the sample's order, fill the other hand and then the stock.
void DealSample(const KoiObservation& o, const int* unseen, int unseenCount, Sim& s) {
    int me = o.seat, other = me ^ 1;
    s.sake = o.sakeOption;
    s.stopper = -1;
    s.stopScore = 0;
    s.seat = me;
    s.lastHand = o.handLimit > 0 && o.handIndex + 1 >= o.handLimit;
    s.manyHandsLeft = o.handLimit == 0 || o.handLimit - o.handIndex - 1 > 5;
    s.total[0] = o.gameTotal[0];
    s.total[1] = o.gameTotal[1];
    s.handCount[me] = 0;
    for (int card : o.hand)
        if (card >= 0) s.hand[me][s.handCount[me]++] = card;
    s.fieldCount = 0;
    for (int card : o.field)
        if (card >= 0) s.field[s.fieldCount++] = card;
    // The other hand takes the first cards of months it has not shown it
    // lacks (others only when too few are left); the stock the rest, in order.
    int k = o.otherHandCount < HandSlots ? o.otherHandCount : HandSlots;
    int held = 0;
    s.stockEnd = 0;
    int limit = o.stockLeft < StockSize ? o.stockLeft : StockSize;
    int spare[CardCount];
    int spareCount = 0;
    for (int i = 0; i < unseenCount; ++i) {
        int card = unseen[i];
        if (held < k && !(o.otherLacking & MonthBit(card))) {
            s.hand[other][held++] = card;
        } else {
            spare[spareCount++] = card;
        }
    }
    int next = 0;
    while (held < k && next < spareCount) s.hand[other][held++] = spare[next++];
    s.handCount[other] = held;
    while (s.stockEnd < limit && next < spareCount) s.stock[s.stockEnd++] = spare[next++];
    s.stockNext = 0;
    for (int p = 0; p < 2; ++p) {
        s.captured[p] = o.captured[p];
        s.announced[p] = YakuScoreOfCards(o.captured[p], o.sakeOption);
    }
}

// A choice of the seat: the card it plays from its hand (or the card already
// in play) and the field card it takes when two match.
struct Choice {
    int card;
    int target;  // -1: no choice to make
};
constexpr int MaxChoices = MaxSearchChoices;

enum class Phase {
    HandCard,   // the hand card; the draw follows
    DrawnCard,  // the drawn card; the turn ends after it
    Answer,     // 勝負 or こいこい, the turn over
};

// Plays choice c on a copy of the sample and returns its worth.
double RollOut(const KoiObservation& o, const Sim& base, Phase phase, const Choice& c) {
    Sim s = base;
    int me = o.seat;
    if (phase == Phase::Answer) {
        PlayOut(s, me ^ 1);
        return Worth(o, s);
    }
    for (int i = 0; i < s.handCount[me]; ++i) {
        if (s.hand[me][i] == c.card) {
            TakeFromHand(s, me, i);
            break;
        }
    }
    Land(s, me, c.card, c.target);
    if (phase == Phase::HandCard && s.stockNext < s.stockEnd)
        Land(s, me, s.stock[s.stockNext++], -1);
    EndTurn(s, me);
    PlayOut(s, me ^ 1);
    return Worth(o, s);
}

int BestChoice(const KoiObservation& o, int cardInPlay, Phase phase, const Choice* choices,
               int count, ComRandom& rng, double* meanOut = nullptr) {
    int unseen[CardCount];
    int unseenCount = UnseenCards(o, cardInPlay, unseen);
    Sim base;
    auto newSample = [&] {
        ShuffleCards(unseen, unseenCount, rng);
        DealSample(o, unseen, unseenCount, base);
        base.luck = static_cast<uint32_t>(rng.Next() >> 32) | 1u;
    };
    auto play = [&](int k) { return RollOut(o, base, phase, choices[k]); };
    return BestByHalving(count, Budget, newSample, play, meanOut);
}

int MatchingFieldCards(const KoiObservation& o, int card, int* matches) {
    int m = 0;
    for (int f = 0; f < FieldSlots; ++f)
        if (o.field[f] >= 0 && IsSameMonth(o.field[f], card) && m < 3) matches[m++] = o.field[f];
    return m;
}

}  // namespace

int YakuScoreOfCards(CardSet s, int sake) {
    int score = 0;
    int lights = std::popcount(s & Lights);
    bool rain = (s & Rain) != 0;
    if (lights == 5) {
        score += 15;
    } else if (lights == 4) {
        score += rain ? 8 : 10;
    } else if (lights == 3 && !rain) {
        score += 6;
    }
    int tane = std::popcount(s & Tane);
    if (tane >= TaneThreshold) score += tane - (TaneThreshold - 1);
    int tan = std::popcount(s & Tan);
    if (tan >= TanThreshold) score += tan - (TanThreshold - 1);
    int kasu = std::popcount(s & Kasu);
    if (kasu >= KasuThreshold) score += kasu - (KasuThreshold - 1);
    if ((s & Inoshikacho) == Inoshikacho) score += FixedYakuValue[0];
    if ((s & Akatan) == Akatan) score += FixedYakuValue[1];
    if ((s & Aotan) == Aotan) score += FixedYakuValue[2];
    if (sake != 0) {
        if ((s & Hanami) == Hanami) score += SakeYakuValue[sake];
        if ((s & Tsukimi) == Tsukimi) score += SakeYakuValue[sake];
    }
    return score;
}

int StrongChooseCard(const KoiObservation& o, ComRandom& rng, int& plannedTarget) {
    Choice choices[MaxChoices];
    int slotOf[MaxChoices];
    int count = 0;
    for (int slot = 0; slot < HandSlots; ++slot) {
        int card = o.hand[slot];
        if (card < 0) continue;
        int matches[3];
        int m = MatchingFieldCards(o, card, matches);
        for (int k = 0; k < (m == 2 ? 2 : 1) && count < MaxChoices; ++k) {
            choices[count] = {card, m == 2 ? matches[k] : -1};
            slotOf[count++] = slot;
        }
    }
    plannedTarget = -1;
    if (count == 0) return 0;
    int best = count == 1 ? 0 : BestChoice(o, -1, Phase::HandCard, choices, count, rng);
    plannedTarget = choices[best].target;
    return slotOf[best];
}

int StrongChooseFieldCard(const KoiObservation& o, int card, bool drawn, int a, int b,
                          ComRandom& rng) {
    Choice choices[2] = {{card, o.field[a]}, {card, o.field[b]}};
    Phase phase = drawn ? Phase::DrawnCard : Phase::HandCard;
    return BestChoice(o, card, phase, choices, 2, rng) == 0 ? a : b;
}

int StrongDecidesToStop(const KoiObservation& o, ComRandom& rng) {
    int me = o.seat;
    int score = YakuScoreOfCards(o.captured[me], o.sakeOption);
    int cards = 0;
    for (int card : o.hand) cards += card >= 0;
    if (cards == 0) return 1;
    Choice playOn = {-1, -1};
    double onWorth = 0;
    BestChoice(o, -1, Phase::Answer, &playOn, 1, rng, &onWorth);
    return onWorth > score ? 0 : 1;
}
