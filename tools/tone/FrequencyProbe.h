#pragma once
// The energy a sampled signal carries at single frequencies, one term of the discrete Fourier
// transform each (Goertzel's recurrence: one multiply-add per sample and frequency). A tone's
// components lie at frequencies known in advance, so measuring just those costs far less than a
// whole transform and names each one as it is measured.
#include <cstddef>
#include <vector>

namespace quellar {

class TFrequencyProbe {
public:
    TFrequencyProbe(std::vector<double> samples, int rate);

    std::size_t Length() const { return samples_.size(); }
    int Rate() const { return rate_; }
    // The sum of the squares of the samples.
    double TotalEnergy() const { return total_; }

    // The energy at each frequency (hertz, 0 to half the rate): a sinusoid of amplitude A that
    // completes whole cycles over the samples measures A^2 N / 2 (A^2 N at 0 Hz and at half the
    // rate), so the energies of all such frequencies add up to TotalEnergy. A frequency that
    // does not complete whole cycles measures less, and its neighbours pick up the rest.
    std::vector<double> EnergiesAt(const std::vector<double>& hertz) const;

private:
    std::vector<double> samples_;
    int rate_;
    double total_ = 0;
};

} // namespace quellar
