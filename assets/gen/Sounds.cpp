// The four sound effects, synthesised at 11025 Hz. Each is normalised to a peak well below
// full scale and faded in and out so that it never clips or clicks.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "Art.h"

namespace korvat::assetgen {

namespace {

constexpr double kRate = 11025.0;
constexpr double kTwoPi = 6.283185307179586;

double seconds(size_t i) {
    return double(i) / kRate;
}

// -1 to 1.
double noise(Random& random) {
    return 2 * random.next() - 1;
}

void finish(std::vector<double>& s, double peak) {
    double top = 0;
    for (double v : s) {
        top = std::max(top, std::abs(v));
    }
    const size_t fade = std::min<size_t>(s.size() / 4, 40);
    for (size_t i = 0; i < s.size(); ++i) {
        double gain = top > 0 ? peak / top : 0;
        if (i < fade) {
            gain *= double(i) / fade;
        }
        if (s.size() - 1 - i < fade) {
            gain *= double(s.size() - 1 - i) / fade;
        }
        s[i] *= gain;
    }
}

}  // namespace

std::vector<double> makeBounceTick() {
    std::vector<double> s(2010);
    Random random(12345);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = seconds(i);
        // A wooden knock: two damped partials and a breath of noise at the attack.
        s[i] =
            std::exp(-t * 38) * (std::sin(kTwoPi * 1250 * t) + 0.45 * std::sin(kTwoPi * 2710 * t)) +
            0.25 * std::exp(-t * 220) * noise(random);
    }
    finish(s, 0.55);
    return s;
}

std::vector<double> makeRefusalSound() {
    std::vector<double> s(6790);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = seconds(i);
        // Two low buzzes, the second a little lower: "uh-uh".
        const bool second = t >= 0.31;
        const double local = second ? t - 0.31 : t;
        const double f = second ? 130.0 : 155.0;
        const double envelope = std::min(1.0, local / 0.015) * std::exp(-local * 6.0) *
                                (local < 0.27 ? 1.0 : std::max(0.0, 1.0 - (local - 0.27) / 0.04));
        double v = 0;
        for (int h = 1; h <= 9; h += 2) {  // a soft square wave
            v += std::sin(kTwoPi * f * h * t) / (h * 1.3);
        }
        s[i] = envelope * v;
    }
    finish(s, 0.7);
    return s;
}

std::vector<double> makeAppearanceSound() {
    std::vector<double> s(6808, 0.0);
    constexpr double kNotes[3] = {784.0, 988.0, 1319.0};  // G5, B5, E6: rising
    for (int n = 0; n < 3; ++n) {
        const double start = 0.09 * n;
        for (size_t i = 0; i < s.size(); ++i) {
            const double t = seconds(i) - start;
            if (t < 0) {
                continue;
            }
            const double envelope = std::min(1.0, t / 0.004) * std::exp(-t * 7.0);
            s[i] += envelope * (std::sin(kTwoPi * kNotes[n] * t) +
                                0.3 * std::sin(kTwoPi * 2 * kNotes[n] * t) * std::exp(-t * 12));
        }
    }
    finish(s, 0.75);
    return s;
}

std::vector<double> makeExplosionSound() {
    std::vector<double> s(8330);
    Random random(12345);
    double low = 0, lower = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = seconds(i);
        // Noise through a low-pass that closes as the burst dies, over a falling thump.
        const double cutoff = 0.55 * std::exp(-t * 3.0) + 0.05;
        low += cutoff * (noise(random) - low);
        lower += cutoff * (low - lower);
        const double thump = std::sin(kTwoPi * (90.0 * t - 40.0 * t * t)) * std::exp(-t * 9.0);
        const double envelope = std::min(1.0, t / 0.005) * std::exp(-t * 4.5);
        s[i] = envelope * (1.6 * lower + 0.5 * thump);
    }
    finish(s, 0.8);
    return s;
}

}  // namespace korvat::assetgen
