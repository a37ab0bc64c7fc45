// How long the computer players take to decide, by level, in processor time
// of the thinking thread: a count, a sum and a histogram fine enough for the
// 99th percentile. Off until a table is installed (kirabo-sim does).
#pragma once
#include <cstdint>

constexpr int ComLevels = 3;  // 0 やさしい, 1 ふつう, 2 つよい

struct DecisionTimes {
    static constexpr int Buckets = 2000;  // 0.25 ms each, up to 500 ms
    static constexpr double BucketMs = 0.25;
    long count[ComLevels] = {};
    double totalMs[ComLevels] = {};
    long histogram[ComLevels][Buckets + 1] = {};

    void Add(int level, double ms);
    double MeanMs(int level) const;
    // The smallest bucket edge at or below which 99 % of the decisions lie.
    double P99Ms(int level) const;
};

// Installs the table that decisions are added to; nullptr stops the timing.
void SetDecisionTimes(DecisionTimes* times);

// Times one decision of `level` while it lives, when a table is installed.
class DecisionTimer {
  public:
    explicit DecisionTimer(int level);
    ~DecisionTimer();
    DecisionTimer(const DecisionTimer&) = delete;
    DecisionTimer& operator=(const DecisionTimer&) = delete;

  private:
    int level_;
    int64_t startNs_;
};
