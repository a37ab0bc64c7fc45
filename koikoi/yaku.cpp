// The reach state: after every capture, for each player and yaku, whether
// one more card completes (or, for カス, タン and タネ, enlarges) it, and
// which cards still in play would do so.
#include <cstdint>
#include <initializer_list>

#include "cards/cards.h"
#include "core/program.h"
#include "koikoi/card_sets.h"
#include "koikoi/reach.h"
#include "koikoi/rules.h"
#include "koikoi/state.h"

namespace {

constexpr uint64_t Cards(std::initializer_list<int> cards) {
    uint64_t mask = 0;
    for (int c : cards) mask |= uint64_t{1} << c;
    return mask;
}

constexpr uint64_t SakeCards = Cards({8, 32});
constexpr uint64_t MoonSakeCards = Cards({28, 32});
constexpr uint64_t InoshikachoCards = Cards({20, 24, 36});
constexpr uint64_t AkatanCards = Cards({1, 5, 9});
constexpr uint64_t AotanCards = Cards({21, 33, 37});
constexpr uint64_t LightsButWillow = Cards({0, 8, 28, 44});
constexpr uint64_t Willow = Cards({40});
constexpr uint64_t AllLights = LightsButWillow | Willow;

uint64_t CardsOfValue(int value) {
    uint64_t mask = 0;
    for (int c = 0; c < CardCount; ++c)
        if (CardValue[c] == value) mask |= uint64_t{1} << c;
    return mask;
}

CardSet PileCards(int p, int category) {
    return CardsIn(koi.piles[p][category], koi.pileCount[p][category]);
}

int CountOf(uint64_t held, uint64_t wanted) {
    int n = 0;
    for (uint64_t bits = held & wanted; bits != 0; bits &= bits - 1) ++n;
    return n;
}

// The cards that would complete or enlarge each yaku, for a player with or
// without 柳に道風 among the lights.
void QualifyingCards(bool hasWillow, uint64_t (&wanted)[YakuCount]) {
    static const uint64_t kasu = CardsOfValue(1), tan = CardsOfValue(5), tane = CardsOfValue(10);
    bool sake = sakeOption != 0;
    wanted[YakuKasu] = kasu;
    wanted[YakuTan] = tan;
    wanted[YakuTane] = tane;
    wanted[YakuHanamizake] = sake ? SakeCards : 0;
    wanted[YakuTsukimizake] = sake ? MoonSakeCards : 0;
    wanted[YakuInoshikacho] = InoshikachoCards;
    wanted[YakuAkatan] = AkatanCards;
    wanted[YakuAotan] = AotanCards;
    wanted[YakuSanko] = LightsButWillow;
    // Three lights with the willow want any other light; three without it
    // want the willow alone.
    wanted[YakuAmeshiko] = hasWillow ? LightsButWillow : Willow;
    wanted[YakuShiko] = LightsButWillow;
    wanted[YakuGoko] = AllLights;
}

}  // namespace

// Sets p's reach flags from p's piles; whether any is set.
bool SetReachFlags(int p) {
    int* reach = koi.yakuReach[p];
    const int* count = koi.pileCount[p];
    uint64_t lights = PileCards(p, PileLight);
    uint64_t tane = PileCards(p, PileTane);
    uint64_t tan = PileCards(p, PileTan);
    int lightCount = count[PileLight];
    bool hasWillow = lights & Willow;
    bool hasCup = tane & Cards({32});
    bool sake = sakeOption != 0;
    reach[YakuKasu] = count[PileKasu] >= 9;
    reach[YakuTan] = count[PileTan] >= 4;
    reach[YakuTane] = count[PileTane] >= 4;
    // The sake-cup yaku lack exactly one of their two cards.
    reach[YakuHanamizake] = sake && (static_cast<bool>(lights & Cards({8})) != hasCup);
    reach[YakuTsukimizake] = sake && (static_cast<bool>(lights & Cards({28})) != hasCup);
    reach[YakuInoshikacho] = CountOf(tane, InoshikachoCards) == 2;
    reach[YakuAkatan] = CountOf(tan, AkatanCards) == 2;
    reach[YakuAotan] = CountOf(tan, AotanCards) == 2;
    reach[YakuSanko] = lightCount == 2 && !hasWillow;
    reach[YakuAmeshiko] = lightCount == 3;
    reach[YakuShiko] = lightCount == 3 && !hasWillow;
    reach[YakuGoko] = lightCount == 4;
    for (int y = 0; y < YakuCount; ++y)
        if (reach[y]) return true;
    return false;
}

void GatherLive(LiveCards& live) {
    // Empty slots all file their rank under the first entry of rankOf,
    // which no card reads.
    int r = 0;
    CardSet onField = 0;
    for (int c : koi.field) {
        live.cardAtRank[r] = c;
        live.rankOf[c + 1] = r++;
        onField |= CardBit(c);
    }
    CardSet all = onField;
    r = FieldSlots + StockSize - koi.stockLeft;
    for (int i = StockSize - koi.stockLeft; i < StockSize; ++i) {
        int c = koi.stock[i];
        live.cardAtRank[r] = c;
        live.rankOf[c + 1] = r++;
        all |= CardBit(c);
    }
    for (int q = 0; q < 2; ++q) {
        for (int c : koi.hands[q]) {
            live.cardAtRank[r] = c;
            live.rankOf[c + 1] = r++;
            all |= CardBit(c);
        }
    }
    live.onField = onField;
    live.all = all;
}

bool HasWillow(int p) {
    return PileCards(p, PileLight) & Willow;
}

void ReachCardsWanted(bool hasWillow, CardSet (&wanted)[YakuCount]) {
    QualifyingCards(hasWillow, wanted);
}

void CollectFrom(int p, const int* flags, bool hasWillow, const LiveCards& live) {
    uint64_t wanted[YakuCount];
    QualifyingCards(hasWillow, wanted);
    for (int y = 0; y < YakuCount; ++y) {
        int count = 0;
        if (flags[y]) {
            // The wanted cards in play, put in gathered order by their ranks.
            uint64_t ranks = 0;
            for (CardSet cards = wanted[y] & live.all; cards != 0; cards &= cards - 1)
                ranks |= uint64_t{1} << live.rankOf[__builtin_ctzll(cards) + 1];
            int* list = koi.reachCards[p][y];
            for (; ranks != 0 && count < ReachCardCapacity; ranks &= ranks - 1)
                list[count++] = live.cardAtRank[__builtin_ctzll(ranks)];
        }
        koi.reachCardCount[p][y] = count;
    }
}

int UpdateReach(int p) {
    // With no flag set the lists are left as they were.
    if (SetReachFlags(p)) CollectReachCards(p);
    return 1;
}

int UpdateReachOfBoth(int first) {
    bool firstInReach = SetReachFlags(first);
    bool secondInReach = SetReachFlags(first ^ 1);
    if (!firstInReach && !secondInReach) return 1;
    LiveCards live;
    GatherLive(live);
    if (firstInReach) CollectFrom(first, koi.yakuReach[first], HasWillow(first), live);
    if (secondInReach) CollectFrom(first ^ 1, koi.yakuReach[first ^ 1], HasWillow(first ^ 1), live);
    return 1;
}

int CollectReachCards(int p) {
    LiveCards live;
    GatherLive(live);
    CollectFrom(p, koi.yakuReach[p], HasWillow(p), live);
    return 1;
}
