#include "cards/decision_timing.h"

#include <ctime>

namespace {

DecisionTimes* installedTimes = nullptr;

int64_t ThreadCpuNs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

}  // namespace

void DecisionTimes::Add(int level, double ms) {
    if (level < 0 || level >= ComLevels) return;
    ++count[level];
    totalMs[level] += ms;
    int bucket = static_cast<int>(ms / BucketMs);
    if (bucket > Buckets || bucket < 0) bucket = Buckets;
    ++histogram[level][bucket];
}

double DecisionTimes::MeanMs(int level) const {
    return count[level] > 0 ? totalMs[level] / static_cast<double>(count[level]) : 0.0;
}

double DecisionTimes::P99Ms(int level) const {
    long need = count[level] - count[level] / 100;
    long seen = 0;
    for (int b = 0; b <= Buckets; ++b) {
        seen += histogram[level][b];
        if (seen >= need && seen > 0) return (b + 1) * BucketMs;
    }
    return 0.0;
}

void SetDecisionTimes(DecisionTimes* times) {
    installedTimes = times;
}

DecisionTimer::DecisionTimer(int level)
    : level_(level), startNs_(installedTimes ? ThreadCpuNs() : 0) {}

DecisionTimer::~DecisionTimer() {
    if (installedTimes)
        installedTimes->Add(level_, static_cast<double>(ThreadCpuNs() - startNs_) / 1e6);
}
