// Summaries for the arena: a running mean with its 95 % confidence interval
// (normal approximation, fine for the hundreds of games an arena plays), and
// the parsing of seat levels.
#pragma once
#include <cmath>
#include <cstring>

class MeanWithInterval {
  public:
    void Add(double x) {
        ++n_;
        double d = x - mean_;
        mean_ += d / static_cast<double>(n_);
        m2_ += d * (x - mean_);
    }
    long Count() const { return n_; }
    double Mean() const { return mean_; }
    // The sample standard deviation.
    double Deviation() const { return n_ > 1 ? std::sqrt(m2_ / static_cast<double>(n_ - 1)) : 0.0; }
    // Half the width of the 95 % interval of the mean.
    double HalfWidth95() const {
        return n_ > 1 ? 1.959964 * Deviation() / std::sqrt(static_cast<double>(n_)) : 0.0;
    }
    double Low() const { return mean_ - HalfWidth95(); }
    double High() const { return mean_ + HalfWidth95(); }

  private:
    long n_ = 0;
    double mean_ = 0.0;
    double m2_ = 0.0;
};

// "gentle", "normal" or "strong" as comLevel 0..2; -1 for anything else.
inline int LevelByName(const char* name, int length) {
    static const char* const names[] = {"gentle", "normal", "strong"};
    for (int level = 0; level < 3; ++level) {
        if (static_cast<int>(std::strlen(names[level])) == length &&
            std::strncmp(names[level], name, length) == 0)
            return level;
    }
    return -1;
}

// Splits "strong,normal" into levels; the number of seats, or -1 when a name
// is unknown or the count is not `seats`.
inline int ParseSeats(const char* text, int* levels, int seats) {
    int n = 0;
    const char* p = text;
    while (p && *p) {
        const char* comma = std::strchr(p, ',');
        int length = comma ? static_cast<int>(comma - p) : static_cast<int>(std::strlen(p));
        int level = LevelByName(p, length);
        if (level < 0 || n >= seats) return -1;
        levels[n++] = level;
        p = comma ? comma + 1 : nullptr;
    }
    return n == seats ? n : -1;
}

inline const char* LevelName(int level) {
    static const char* const names[] = {"gentle", "normal", "strong"};
    return level >= 0 && level < 3 ? names[level] : "?";
}
