#include "tools/tone/FrequencyProbe.h"

#include <cmath>
#include <numbers>

namespace quellar {

namespace {

// Goertzel's recurrence for `Lanes` frequencies at once (independent chains, so the processor
// overlaps them): s(n) = x(n) + c s(n-1) - s(n-2) with c = 2 cos(2 pi f / rate); afterwards
// |X(f)|^2 = s1^2 + s2^2 - c s1 s2.
template <int Lanes>
void Goertzel(const std::vector<double>& x, const double* coeff, double* squaredMagnitude) {
    double s1[Lanes] = {}, s2[Lanes] = {};
    for (const double v : x) {
        for (int k = 0; k < Lanes; ++k) {
            const double s = v + coeff[k] * s1[k] - s2[k];
            s2[k] = s1[k];
            s1[k] = s;
        }
    }
    for (int k = 0; k < Lanes; ++k) {
        squaredMagnitude[k] = s1[k] * s1[k] + s2[k] * s2[k] - coeff[k] * s1[k] * s2[k];
    }
}

} // namespace

TFrequencyProbe::TFrequencyProbe(std::vector<double> samples, int rate)
    : samples_(std::move(samples)), rate_(rate) {
    for (const double v : samples_) {
        total_ += v * v;
    }
}

std::vector<double> TFrequencyProbe::EnergiesAt(const std::vector<double>& hertz) const {
    constexpr int kLanes = 4;
    std::vector<double> coeff(hertz.size());
    for (std::size_t i = 0; i < hertz.size(); ++i) {
        coeff[i] = 2 * std::cos(2 * std::numbers::pi * hertz[i] / rate_);
    }
    std::vector<double> energy(hertz.size());
    std::size_t i = 0;
    for (; i + kLanes <= hertz.size(); i += kLanes) {
        Goertzel<kLanes>(samples_, &coeff[i], &energy[i]);
    }
    for (; i < hertz.size(); ++i) {
        Goertzel<1>(samples_, &coeff[i], &energy[i]);
    }
    const double n = samples_.empty() ? 1.0 : static_cast<double>(samples_.size());
    for (std::size_t k = 0; k < hertz.size(); ++k) {
        // A real sinusoid splits between +f and -f; at 0 and at half the rate the two coincide.
        const bool edge = hertz[k] <= 0 || 2 * hertz[k] >= rate_;
        energy[k] *= (edge ? 1.0 : 2.0) / n;
    }
    return energy;
}

} // namespace quellar
