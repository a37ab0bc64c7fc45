// The search both games' strong computers share: among `count` choices, the
// one with the best mean worth over sampled deals, found by successive
// halving. Every round deals fresh samples, plays each choice still in the
// race on the same samples (so their comparison is not blurred by the luck
// of the deal), and drops the worse half; the close contenders thus get the
// most samples. Fixed arrays only.
#pragma once

constexpr int MaxSearchChoices = 16;

struct SearchBudget {
    int rollouts;    // for the whole decision
    int minSamples;  // per choice and round
    int maxSamples;
};

// newSample() deals the next sample; play(k) returns the worth of choice k
// on it. Returns the best choice (the first among equals) and its mean.
template <typename NewSample, typename Play>
int BestByHalving(int count, const SearchBudget& budget, NewSample newSample, Play play,
                  double* meanOut = nullptr) {
    double total[MaxSearchChoices] = {};
    int played[MaxSearchChoices] = {};
    int alive[MaxSearchChoices];
    if (count > MaxSearchChoices) count = MaxSearchChoices;
    for (int k = 0; k < count; ++k) alive[k] = k;
    int aliveCount = count;
    int rounds = 1;
    while ((1 << rounds) < count) ++rounds;
    auto mean = [&](int k) { return played[k] > 0 ? total[k] / played[k] : 0.0; };
    auto better = [&](int a, int b) { return mean(a) > mean(b) || (mean(a) == mean(b) && a < b); };
    while (true) {
        int samples = budget.rollouts / (rounds * aliveCount);
        if (samples < budget.minSamples) samples = budget.minSamples;
        if (samples > budget.maxSamples) samples = budget.maxSamples;
        for (int n = 0; n < samples; ++n) {
            newSample();
            for (int i = 0; i < aliveCount; ++i) {
                total[alive[i]] += play(alive[i]);
                ++played[alive[i]];
            }
        }
        if (aliveCount <= 2) break;
        int keep = (aliveCount + 1) / 2;
        for (int i = 0; i < keep; ++i) {
            int top = i;
            for (int j = i + 1; j < aliveCount; ++j)
                if (better(alive[j], alive[top])) top = j;
            int t = alive[i];
            alive[i] = alive[top];
            alive[top] = t;
        }
        aliveCount = keep;
    }
    int best = alive[0];
    for (int i = 1; i < aliveCount; ++i)
        if (better(alive[i], best)) best = alive[i];
    if (meanOut) *meanOut = mean(best);
    return best;
}
