// つよい for Hana-awase: the cards the seat cannot see are shuffled into the
// two other hands and the stock, consistently with their counts; every
// choice is played out on the same samples, the other two players by the
// specified rules and the seat by the turn that gains most with the card
// the sample has it draw, and the choice with the best mean hand score is
// taken. A rollout works in fixed arrays and allocates nothing.
#include <bit>
#include <initializer_list>

#include "cards/cards.h"
#include "cards/rollout_search.h"
#include "hanaawase/com_levels.h"
#include "hanaawase/tables.h"

namespace {

constexpr HanaCardSet SetOf(std::initializer_list<int> cards) {
    HanaCardSet s = 0;
    for (int c : cards) s |= HanaCardSet{1} << c;
    return s;
}

// Counts the cards of a set in a few instructions: std::popcount becomes a
// library call on targets without a population-count instruction, and the
// rollouts count on every capture.
constexpr int CountCards(HanaCardSet x) {
    x -= (x >> 1) & 0x5555555555555555u;
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    x = (x + (x >> 4)) & 0x0f0f0f0f0f0f0f0fu;
    return static_cast<int>((x * 0x0101010101010101u) >> 56);
}

struct YakuCards {
    HanaCardSet cards;
    int points;
};
// Yaku 0..9, 11 and 12: made when all their cards are taken.
constexpr YakuCards WholeSets[] = {
    {SetOf({12, 13, 14, 15}), 20}, {SetOf({40, 41, 42, 43}), 20}, {SetOf({44, 45, 46, 47}), 20},
    {SetOf({13, 17, 25}), 20},     {SetOf({28, 32}), 20},         {SetOf({8, 32}), 20},
    {SetOf({20, 24, 36}), 20},     {SetOf({0, 44, 28}), 20},      {SetOf({28, 8, 32}), 30},
    {SetOf({0, 4, 8}), 30},        {SetOf({1, 5, 9}), 40},        {SetOf({21, 33, 37}), 40},
};
constexpr HanaCardSet Ribbons = SetOf({1, 5, 9, 13, 17, 21, 25, 33, 37});  // 柳's not counted
constexpr HanaCardSet FourBrights = SetOf({0, 8, 28, 44});
constexpr HanaCardSet AllBrights = SetOf({0, 8, 28, 40, 44});
constexpr int BasePoints = 88;
// Every card some yaku counts: taking only others changes no yaku.
constexpr HanaCardSet YakuCardsAll = [] {
    HanaCardSet all = Ribbons | AllBrights;
    for (const YakuCards& y : WholeSets) all |= y.cards;
    return all;
}();

// Rollouts per decision, and per choice and round at least and at most.
constexpr SearchBudget Budget = {15000, 250, 3000};

struct Sim {
    int hand[HanaPlayers][HanaHandSlots];
    int handCount[HanaPlayers];
    HanaCardSet field;  // a set: which slot a card lies in changes no choice
    int stock[HanaStockSize];
    int stockNext, stockEnd;
    HanaCardSet captured[HanaPlayers];
    int seat;                        // the player thinking; the others play as the specified ones
    unsigned reached[HanaPlayers];   // Reached() of each player's pile
    HanaCardSet wants[HanaPlayers];  // the cards of those yaku
};

// The specified players' rules, read on a sample: a yaku is in reach when
// its cards held number exactly HanaReachCount, and then its cards still in
// play are wanted.
struct YakuSets {
    HanaCardSet of[HanaYakuCount] = {};
    unsigned ofCard[48] = {};  // bit t: the card is one of yaku t's
    constexpr YakuSets() {
        for (int t = 0; t < HanaYakuCount; ++t) {
            for (int i = 0; i < YakuTargets[t].count; ++i) {
                of[t] |= HanaCardSet{1} << YakuTargets[t].cards[i];
                ofCard[YakuTargets[t].cards[i]] |= 1u << t;
            }
        }
    }
};
const YakuSets yakuSets;

// Bit t: a player with this pile is one capture short of yaku t.
unsigned Reached(HanaCardSet pile) {
    unsigned reached = 0;
    for (int t = 0; t < HanaYakuCount; ++t)
        if (CountCards(pile & yakuSets.of[t]) == HanaReachCount[t]) reached |= 1u << t;
    return reached;
}

HanaCardSet CardsOfYaku(unsigned reached) {
    HanaCardSet cards = 0;
    for (; reached; reached &= reached - 1) cards |= yakuSets.of[std::countr_zero(reached)];
    return cards;
}

void SetReached(Sim& s, int p) {
    s.reached[p] = Reached(s.captured[p]);
    s.wants[p] = CardsOfYaku(s.reached[p]);
}

// After `added` joined p's pile: only the yaku of those cards can change.
void UpdateReached(Sim& s, int p, HanaCardSet added) {
    unsigned touched = 0;
    for (; added; added &= added - 1) touched |= yakuSets.ofCard[std::countr_zero(added)];
    if (!touched) return;
    unsigned reached = s.reached[p] & ~touched;
    for (; touched; touched &= touched - 1) {
        int t = std::countr_zero(touched);
        if (CountCards(s.captured[p] & yakuSets.of[t]) == HanaReachCount[t]) reached |= 1u << t;
    }
    s.reached[p] = reached;
    s.wants[p] = CardsOfYaku(reached);
}

// The highest yaku in `reached` that wants `card`, or -1.
int WantingYaku(unsigned reached, int card) {
    for (int t = HanaYakuCount - 1; t >= 0; --t)
        if ((reached >> t & 1) && (yakuSets.of[t] & HanaCardBit(card))) return t;
    return -1;
}

int PointsOf(HanaCardSet set) {
    int points = 0;
    for (; set; set &= set - 1) points += CardValue[std::countr_zero(set)];
    return points;
}

// The points and twice the yaku points `gained` adds to a pile.
int GainOver(HanaCardSet pile, HanaCardSet gained) {
    if (!(gained & YakuCardsAll)) return PointsOf(gained);
    return PointsOf(gained) +
           2 * (HanaYakuPointsOfCards(pile | gained) - HanaYakuPointsOfCards(pile));
}

// What taking `taken` is worth to p: its card points and twice the yaku
// points it makes for p.
int Gain(const Sim& s, int p, HanaCardSet taken) {
    return GainOver(s.captured[p], taken);
}

constexpr HanaCardSet MonthOf(int card) {
    return HanaCardSet{15} << (card & ~3);
}

int NormalTarget(const Sim& s, int p, int a, int b);

HanaCardSet Takes(const Sim& s, int p, int card) {
    HanaCardSet same = s.field & MonthOf(card);
    if (CountCards(same) != 2) return same;
    HanaCardSet first = same & (~same + 1), second = same & ~first;
    if (p != s.seat) {
        int a = std::countr_zero(first), b = std::countr_zero(second);
        return HanaCardBit(NormalTarget(s, p, a, b));
    }
    return Gain(s, p, second) > Gain(s, p, first) ? second : first;
}

// Lands `card` for p; `target` picks between two matches, -1 the policy.
void Land(Sim& s, int p, int card, int target) {
    HanaCardSet taken;
    if (target >= 0) {
        taken = HanaCardBit(target);
    } else {
        taken = Takes(s, p, card);
    }
    if (!taken) {
        s.field |= HanaCardBit(card);
        return;
    }
    s.captured[p] |= taken | HanaCardBit(card);
    UpdateReached(s, p, taken | HanaCardBit(card));
    s.field &= ~taken;
}

// Yaku whose cards the specified player stops scoring once it has been one
// capture short of any yaku, unless it is one short of them.
constexpr unsigned DroppedUnlessReached =
    ((1u << (Omotesugawara + 1)) - (1u << Kusa)) | 1u << Akatan | 1u << Aotan;

// The specified player's target score of yaku t on a sample: 100, less for
// each card it lacks (more when its month is partly taken), rescaled by the
// cards left in hand after every card; -1 when it scores no such yaku. A
// yaku it is one short of counts only its cards still in play.
int TargetScore(const Sim& s, int p, int t, bool everReached) {
    bool reached = s.reached[p] >> t & 1;
    if (!reached && everReached && (DroppedUnlessReached >> t & 1)) return -1;
    HanaCardSet inHand = 0;
    for (int i = 0; i < s.handCount[p]; ++i) inHand |= HanaCardBit(s.hand[p][i]);
    HanaCardSet taken = s.captured[0] | s.captured[1] | s.captured[2];
    int cards[9], count = 0;
    if (reached) {
        HanaCardSet inPlay = yakuSets.of[t] & ~taken;
        for (HanaCardSet left = inPlay & s.field; left && count < 2; left &= left - 1)
            cards[count++] = std::countr_zero(left);
        for (HanaCardSet left = inPlay & ~s.field; left && count < 2; left &= left - 1)
            cards[count++] = std::countr_zero(left);
    } else {
        for (int i = 0; i < YakuTargets[t].count; ++i) cards[count++] = YakuTargets[t].cards[i];
    }
    int score = 100;
    for (int i = 0; i < count; ++i) {
        int card = cards[i], month = card / 4;
        int takenOfMonth = CountCards(taken >> (4 * month) & 15);
        int cost = 10 + 10 * takenOfMonth;
        if (inHand & HanaCardBit(card)) {
            if (s.field & MonthOf(card)) continue;
            cost = 5 + 10 * takenOfMonth;
        }
        score = (score - cost) * s.handCount[p] / 7;
        if (score < 0) score = 0;
    }
    return score;
}

// The field card of two whose yaku has the best target score band, the
// higher yaku first among equals; -1 when neither scores.
int TargetBandCard(const Sim& s, int p, int first, int second) {
    bool everReached = false;
    for (int t = 0; t < HanaYakuCount && !everReached; ++t)
        everReached = CountCards(s.captured[p] & yakuSets.of[t]) >= HanaReachCount[t];
    unsigned yaku = yakuSets.ofCard[first] | yakuSets.ofCard[second];
    int best = -1, bestBand = 0;
    for (; yaku; yaku &= yaku - 1) {
        int t = std::countr_zero(yaku);
        int score = TargetScore(s, p, t, everReached);
        if (score < 10 || score > 99 || score / 10 < bestBand) continue;
        bestBand = score / 10;
        best = yakuSets.of[t] & HanaCardBit(first) ? first : second;
    }
    return best;
}

// The specified player's field card of two: block player 0's and the
// other computer's yaku, then build its own, then its best target, else the
// one worth more.
int NormalTarget(const Sim& s, int p, int a, int b) {
    if (CardValue[a] == CardValue[b]) return a;
    int rival = p == 1 ? 2 : 1;
    unsigned mine = s.reached[p], theirs[2] = {s.reached[0], s.reached[rival]};
    for (int t = HanaYakuCount - 1; t >= 1; --t)
        for (int c : {a, b})
            for (unsigned r : theirs)
                if ((r >> t & 1) && (yakuSets.of[t] & HanaCardBit(c))) return c;
    int first = CardValue[b] > CardValue[a] ? b : a, second = first == a ? b : a;
    int ya = WantingYaku(mine, first), yb = WantingYaku(mine, second);
    if (ya >= 0 || yb >= 0) return yb > ya ? second : first;
    int target = TargetBandCard(s, p, first, second);
    return target >= 0 ? target : first;
}

// The specified player's throw-away: a month no one can take, else the
// cheapest card no one wants.
int NormalDiscardIndex(const Sim& s, int p) {
    HanaCardSet taken = s.captured[0] | s.captured[1] | s.captured[2];
    // A dead month goes from its last card in hand, the lowest month first.
    int inHand[12] = {}, last[12];
    for (int i = 0; i < s.handCount[p]; ++i) {
        ++inHand[s.hand[p][i] / 4];
        last[s.hand[p][i] / 4] = i;
    }
    for (int month = 0; month < 12; ++month)
        if (inHand[month] == 4) return last[month];
    for (int month = 0; month < 12; ++month)
        if (inHand[month] == 2 && CountCards(taken >> (4 * month) & 15) == 2) return last[month];
    HanaCardSet wantedCards = s.wants[0] | s.wants[1] | s.wants[2];
    auto wanted = [&](int card) { return (wantedCards & HanaCardBit(card)) != 0; };
    bool any = false;
    for (int i = 0; i < s.handCount[p]; ++i) any = any || !wanted(s.hand[p][i]);
    int best = -1;
    for (int i = 0; i < s.handCount[p]; ++i) {
        int card = s.hand[p][i];
        if (any && wanted(card)) continue;
        if (best < 0) {
            best = i;
            continue;
        }
        int kept = s.hand[p][best];
        if (CardValue[card] < CardValue[kept] ||
            (CardValue[card] == CardValue[kept] && KeepRank[card] < KeepRank[kept]))
            best = i;
    }
    return best;
}

// The specified player's hand card: the capture its rules rank first, one
// that completes a yaku before all.
int NormalHandIndex(const Sim& s, int p) {
    unsigned mine = s.reached[p];
    int best = -1, bestYaku = -2, bestValue = 0, bestRank = 0;
    for (int i = 0; i < s.handCount[p]; ++i) {
        int card = s.hand[p][i];
        for (HanaCardSet same = s.field & MonthOf(card); same; same &= same - 1) {
            int fieldCard = std::countr_zero(same);
            int yaku = s.wants[p] & HanaCardBit(fieldCard) ? WantingYaku(mine, fieldCard) : -1;
            int value = CardValue[card] + 2 * CardValue[fieldCard];
            int rank = CaptureRank[fieldCard];
            if (yaku > bestYaku || (yaku == bestYaku && (value > bestValue || (value == bestValue &&
                                                                               rank > bestRank)))) {
                best = i;
                bestYaku = yaku;
                bestValue = value;
                bestRank = rank;
            }
        }
    }
    return best >= 0 ? best : NormalDiscardIndex(s, p);
}

// What a whole own turn gains in the sample: the hand card's capture and that
// of the card drawn after it, which the sample already holds. So a capture
// the draw would make anyway is not spent, and a throw-away the draw picks
// up again is seen.
int TurnGain(const Sim& s, int p, int card, int drawn) {
    HanaCardSet taken = Takes(s, p, card);
    HanaCardSet field = taken ? s.field & ~taken : s.field | HanaCardBit(card);
    HanaCardSet gained = taken ? taken | HanaCardBit(card) : 0;
    if (drawn >= 0) {
        HanaCardSet same = field & MonthOf(drawn);
        if (CountCards(same) == 2) {
            HanaCardSet first = same & (~same + 1), second = same & ~first;
            HanaCardSet pile = s.captured[p] | gained, d = HanaCardBit(drawn);
            same = GainOver(pile, second | d) > GainOver(pile, first | d) ? second : first;
        }
        if (same) gained |= same | HanaCardBit(drawn);
    }
    return GainOver(s.captured[p], gained);
}

// The thinking player's own later turns: the card whose turn gains most.
// With nothing to take, the specified players' throw-away, which keeps dead
// months and the cards nobody wants for last, unless the draw picks another
// card up again.
int PolicyHandIndex(const Sim& s, int p) {
    if (p != s.seat) return NormalHandIndex(s, p);
    int drawn = s.stockNext < s.stockEnd ? s.stock[s.stockNext] : -1;
    bool anyCapture = false;
    for (int i = 0; i < s.handCount[p]; ++i)
        anyCapture = anyCapture || (s.field & MonthOf(s.hand[p][i])) != 0;
    int best = -1, bestValue = -1;
    if (!anyCapture) {
        best = NormalDiscardIndex(s, p);
        bestValue = TurnGain(s, p, s.hand[p][best], drawn);
    }
    for (int i = 0; i < s.handCount[p]; ++i) {
        if (!anyCapture && (drawn < 0 || !IsSameMonth(s.hand[p][i], drawn))) continue;
        int value = TurnGain(s, p, s.hand[p][i], drawn);
        if (value > bestValue) {
            bestValue = value;
            best = i;
        }
    }
    return best;
}

void TakeFromHand(Sim& s, int p, int card) {
    for (int i = 0; i < s.handCount[p]; ++i) {
        if (s.hand[p][i] == card) {
            // Kept in order: the specified players break ties by hand order.
            for (--s.handCount[p]; i < s.handCount[p]; ++i) s.hand[p][i] = s.hand[p][i + 1];
            return;
        }
    }
}

void Draw(Sim& s, int p) {
    if (s.stockNext < s.stockEnd) Land(s, p, s.stock[s.stockNext++], -1);
}

void PlayOut(Sim& s, int toMove) {
    int p = toMove;
    while (s.stockNext < s.stockEnd && s.handCount[p] > 0) {
        int i = PolicyHandIndex(s, p);
        int card = s.hand[p][i];
        TakeFromHand(s, p, card);
        Land(s, p, card, -1);
        Draw(s, p);
        p = (p + 1) % HanaPlayers;
    }
}

// The seat's hand score at the end of the sample.
int Worth(const Sim& s, int seat) {
    int yaku[HanaPlayers];
    for (int p = 0; p < HanaPlayers; ++p) yaku[p] = HanaYakuPointsOfCards(s.captured[p]);
    return PointsOf(s.captured[seat]) + 2 * yaku[seat] - yaku[(seat + 1) % 3] -
           yaku[(seat + 2) % 3] - BasePoints;
}

// The cards a player cannot hold by what it has shown: the months it lacked
// and the cards its plays ruled out.
HanaCardSet Shunned(const HanaObservation& o, int p) {
    HanaCardSet cards = o.ruledOut[p];
    for (unsigned months = o.lacking[p]; months; months &= months - 1)
        cards |= HanaCardSet{15} << (4 * std::countr_zero(months));
    return cards;
}

// One sample: each other hand takes, in the sample's order, cards it has not
// shown it cannot hold (others only when too few are left); the stock takes
// what remains, in order.
void DealSample(const HanaObservation& o, const int* unseen, int unseenCount, Sim& s) {
    bool used[48] = {};
    s.seat = o.seat;
    for (int k = 0; k < HanaPlayers; ++k) {
        int p = (o.seat + k) % HanaPlayers;
        s.handCount[p] = 0;
        s.captured[p] = o.captured[p];
        SetReached(s, p);
        if (p == o.seat) {
            for (int card : o.hand)
                if (card >= 0) s.hand[p][s.handCount[p]++] = card;
            continue;
        }
        HanaCardSet shunned = Shunned(o, p);
        int want = o.handCount[p] < HanaHandSlots ? o.handCount[p] : HanaHandSlots;
        for (int pass = 0; pass < 2; ++pass) {
            for (int i = 0; i < unseenCount && s.handCount[p] < want; ++i) {
                int card = unseen[i];
                if (used[i] || (pass == 0 && (shunned & HanaCardBit(card)))) continue;
                used[i] = true;
                s.hand[p][s.handCount[p]++] = card;
            }
        }
    }
    s.field = 0;
    for (int card : o.field) s.field |= HanaCardBit(card);
    s.stockNext = 0;
    s.stockEnd = 0;
    for (int i = 0; i < unseenCount && s.stockEnd < o.stockCount && s.stockEnd < HanaStockSize; ++i)
        if (!used[i]) s.stock[s.stockEnd++] = unseen[i];
}

// The filling above favours, for the first other player, any card it may
// hold, though a card the second one cannot hold more likely sits with the
// first; when few cards are left that misplaces whole hands. Random
// exchanges between the two hands and the stock that never put more cards
// where they were shown not to be even this out: among the deals that agree
// with everything shown, they tend to make each equally likely.
void Rebalance(const HanaObservation& o, Sim& s, ComRandom& rng) {
    int first = (o.seat + 1) % HanaPlayers, second = (o.seat + 2) % HanaPlayers;
    HanaCardSet shunnedBy[2] = {Shunned(o, first), Shunned(o, second)};
    if (!(shunnedBy[0] | shunnedBy[1])) return;
    int* place[2 * HanaHandSlots + HanaStockSize];
    HanaCardSet shunned[2 * HanaHandSlots + HanaStockSize];
    int n = 0;
    for (int k = 0; k < 2; ++k) {
        int p = k == 0 ? first : second;
        for (int i = 0; i < s.handCount[p]; ++i) {
            place[n] = &s.hand[p][i];
            shunned[n++] = shunnedBy[k];
        }
    }
    for (int i = s.stockNext; i < s.stockEnd; ++i) {
        place[n] = &s.stock[i];
        shunned[n++] = 0;
    }
    if (n < 2) return;
    auto bad = [&](int card, int at) { return static_cast<int>(shunned[at] >> card & 1); };
    for (int k = 0; k < 2 * n; ++k) {
        int i = rng.Below(n), j = rng.Below(n);
        int a = *place[i], b = *place[j];
        if (bad(b, i) + bad(a, j) > bad(a, i) + bad(b, j)) continue;
        *place[i] = b;
        *place[j] = a;
    }
}

struct Choice {
    int card;
    int target;
};
constexpr int MaxChoices = MaxSearchChoices;

double RollOut(const HanaObservation& o, const Sim& base, bool drawn, const Choice& c) {
    Sim s = base;
    TakeFromHand(s, o.seat, c.card);
    Land(s, o.seat, c.card, c.target);
    if (!drawn) Draw(s, o.seat);
    PlayOut(s, (o.seat + 1) % HanaPlayers);
    return Worth(s, o.seat);
}

int BestChoice(const HanaObservation& o, int cardInPlay, bool drawn, const Choice* choices,
               int count, ComRandom& rng) {
    int unseen[48];
    int unseenCount = HanaUnseenCards(o, cardInPlay, unseen);
    Sim base;
    auto newSample = [&] {
        ShuffleCards(unseen, unseenCount, rng);
        DealSample(o, unseen, unseenCount, base);
        Rebalance(o, base, rng);
    };
    auto play = [&](int k) { return static_cast<double>(RollOut(o, base, drawn, choices[k])); };
    return BestByHalving(count, Budget, newSample, play);
}

}  // namespace

int HanaYakuPointsOfCards(HanaCardSet s) {
    bool made[HanaYakuCount] = {};
    for (int t = 0; t < 12; ++t) {
        const YakuCards& y = WholeSets[t];
        made[t < 10 ? t : t + 1] = (s & y.cards) == y.cards;
    }
    int ribbons = CountCards(s & Ribbons);
    made[10] = ribbons >= 6;
    made[13] = ribbons >= 7;
    made[14] = (s & FourBrights) == FourBrights;
    made[15] = (s & AllBrights) == AllBrights;
    if (made[14]) made[Matsukiribozu] = false;
    if (made[15]) made[14] = false;
    if (made[Nomi]) made[Hanami] = made[Tsukimi] = false;
    if (made[13]) made[10] = false;
    static constexpr int Points[HanaYakuCount] = {20, 20, 20, 20, 20, 20, 20, 20,
                                                  30, 30, 30, 40, 40, 40, 60, 200};
    int points = 0;
    for (int t = 0; t < HanaYakuCount; ++t)
        if (made[t]) points += Points[t];
    return points;
}

int HanaStrongChooseCard(const HanaObservation& o, ComRandom& rng, int& plannedTarget) {
    Choice choices[MaxChoices];
    int slotOf[MaxChoices];
    int count = 0;
    for (int slot = 0; slot < HanaHandSlots; ++slot) {
        int card = o.hand[slot];
        if (card < 0) continue;
        int matches[3], m = 0;
        for (int fieldCard : o.field)
            if (fieldCard >= 0 && IsSameMonth(fieldCard, card) && m < 3) matches[m++] = fieldCard;
        for (int k = 0; k < (m == 2 ? 2 : 1) && count < MaxChoices; ++k) {
            choices[count] = {card, m == 2 ? matches[k] : -1};
            slotOf[count++] = slot;
        }
    }
    plannedTarget = -1;
    if (count == 0) return 0;
    int best = count == 1 ? 0 : BestChoice(o, -1, false, choices, count, rng);
    plannedTarget = choices[best].target;
    return slotOf[best];
}

int HanaStrongChooseFieldCard(const HanaObservation& o, int card, bool drawn, int a, int b,
                              ComRandom& rng) {
    Choice choices[2] = {{card, o.field[a]}, {card, o.field[b]}};
    return BestChoice(o, card, drawn, choices, 2, rng) == 0 ? a : b;
}
