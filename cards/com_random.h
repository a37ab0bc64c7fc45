// A computer player's own random numbers, apart from the program's generator,
// so that a computer thinking never changes the deals of a seed.
#pragma once
#include <cstdint>

class ComRandom {
  public:
    explicit ComRandom(uint64_t seed = 1) { Seed(seed); }
    void Seed(uint64_t seed) { state_ = seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull; }
    // splitmix64: fast, and every seed gives a good sequence.
    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n - 1 for n >= 1.
    int Below(int n) { return static_cast<int>(((Next() >> 32) * static_cast<uint64_t>(n)) >> 32); }
    // Where the sequence stands, for a kept game to go on from the same place.
    uint64_t State() const { return state_; }
    void Restore(uint64_t state) { state_ = state; }

  private:
    uint64_t state_;
};

// Puts cards[0 .. n-1] in a uniformly random order.
inline void ShuffleCards(int* cards, int n, ComRandom& rng) {
    for (int i = n - 1; i > 0; --i) {
        int j = rng.Below(i + 1);
        int t = cards[i];
        cards[i] = cards[j];
        cards[j] = t;
    }
}
