#include "assets/sounds/synth.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double TwoPi = 6.283185307179586;

// Index of the sample at `seconds`, clamped to the buffer.
size_t SampleAt(const Voice& v, double seconds) {
    const double index = std::max(0.0, std::round(seconds * v.rate));
    return std::min(v.samples.size(), static_cast<size_t>(index));
}

// Every synthesized sound is the same on every run: noise comes from a fixed
// linear congruential generator, never from the program's shuffle generator.
class NoiseSource {
  public:
    explicit NoiseSource(uint32_t seed) : state_(seed) {}
    float Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<float>(static_cast<int32_t>(state_)) / 2147483648.0f;
    }

  private:
    uint32_t state_;
};

// Envelope of a struck sound: linear rise over `attack`, then e^(-t/decay).
double Envelope(double t, double attack, double decay) {
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / decay);
}

}  // namespace

double NoteHz(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

void AddStruckTone(Voice& v, double start, double frequency, double gain, double attack,
                   const std::vector<Partial>& partials) {
    const size_t first = SampleAt(v, start);
    const size_t attackEnd = std::min(v.samples.size(), first + SampleAt(v, attack) + 1);
    for (const Partial& p : partials) {
        const double hz = frequency * p.ratio;
        if (hz >= v.rate / 2.0) continue;
        // Past nine decay times the partial is below -80 dB: stop there.
        const size_t end = SampleAt(v, start + attack + 9.0 * p.decay);
        // A rotating phasor and a per-sample decay factor: no sin or exp in
        // the loop, so the long jingles are made in milliseconds.
        const double step = TwoPi * hz / v.rate;
        const double cosStep = std::cos(step), sinStep = std::sin(step);
        const double fall = std::exp(-1.0 / (p.decay * v.rate));
        double re = 1, im = 0;  // cos and sin of the phase
        double level = gain * p.amplitude;
        for (size_t i = first; i < end; ++i) {
            double envelope = level;
            if (i < attackEnd) {
                envelope = level * static_cast<double>(i - first) / (attackEnd - first);
            } else {
                level *= fall;
            }
            v.samples[i] += static_cast<float>(envelope * im);
            const double nextRe = re * cosStep - im * sinStep;
            im = re * sinStep + im * cosStep;
            re = nextRe;
        }
    }
}

void AddPluck(Voice& v, double start, double frequency, double gain, double brightness,
              double decay) {
    std::vector<Partial> partials;
    for (int n = 1; n <= 10; ++n) {
        // A string plucked near its end: the upper partials weigh about 1/n,
        // less on a dull pluck, and fade faster the higher they are.
        const float weight = static_cast<float>(std::pow(n, -(2.2 - 1.4 * brightness)));
        // A touch of inharmonicity, as a stiff silk or nylon string has.
        const float ratio = static_cast<float>(n * (1.0 + 0.0006 * n * n));
        partials.push_back({ratio, weight, static_cast<float>(decay / std::pow(n, 0.8))});
    }
    AddStruckTone(v, start, frequency, gain, 0.002, partials);
    AddNoise(v, {start, 0.0005, 0.006, frequency, 7000, gain * 0.25 * brightness},
             static_cast<uint32_t>(frequency * 131));
}

void AddDrum(Voice& v, double start, double fromHz, double toHz, double gain, double decay) {
    double phase = 0;
    const size_t end = SampleAt(v, start + 9.0 * decay);
    for (size_t i = SampleAt(v, start); i < end; ++i) {
        const double t = static_cast<double>(i) / v.rate - start;
        const double hz = toHz + (fromHz - toHz) * std::exp(-t / 0.03);
        phase += TwoPi * hz / v.rate;
        v.samples[i] += static_cast<float>(gain * Envelope(t, 0.001, decay) * std::sin(phase));
    }
    AddNoise(v, {start, 0.0005, 0.012, 200, 2500, gain * 0.3}, static_cast<uint32_t>(fromHz));
}

void AddNoise(Voice& v, const NoiseBurst& burst, uint32_t seed) {
    NoiseSource noise(seed);
    // One-pole low-pass three times, less a slower low-pass: a soft band-pass.
    const double highCoef = 1.0 - std::exp(-TwoPi * burst.highHz / v.rate);
    const double lowCoef = 1.0 - std::exp(-TwoPi * burst.lowHz / v.rate);
    double smooth1 = 0, smooth2 = 0, smooth3 = 0, rumble = 0;
    const size_t end = SampleAt(v, burst.start + burst.attack + burst.decay * 8);
    for (size_t i = SampleAt(v, burst.start); i < end; ++i) {
        const double t = static_cast<double>(i) / v.rate - burst.start;
        smooth1 += highCoef * (noise.Next() - smooth1);
        smooth2 += highCoef * (smooth1 - smooth2);
        smooth3 += highCoef * (smooth2 - smooth3);
        rumble += lowCoef * (smooth3 - rumble);
        const double band = smooth3 - rumble;
        v.samples[i] +=
            static_cast<float>(burst.gain * Envelope(t, burst.attack, burst.decay) * band * 3.0);
    }
}

std::vector<int16_t> Finish(Voice& v, double peak, double fadeOut) {
    float loudest = 0;
    for (float s : v.samples) loudest = std::max(loudest, std::fabs(s));
    const double scale = loudest > 0 ? peak / loudest : 0;
    const size_t fadeSamples = std::min(v.samples.size(), SampleAt(v, fadeOut));
    std::vector<int16_t> out(v.samples.size());
    for (size_t i = 0; i < v.samples.size(); ++i) {
        double s = v.samples[i] * scale;
        const size_t left = v.samples.size() - i;
        if (left <= fadeSamples) s *= static_cast<double>(left - 1) / fadeSamples;
        out[i] = static_cast<int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767));
    }
    return out;
}
