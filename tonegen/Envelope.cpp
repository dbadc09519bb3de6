#include "tonegen/Envelope.h"

#include <algorithm>
#include <cstring>

namespace quellar {

namespace {

// Reads and writes the left sample of a frame as a signed value (8-bit: the byte minus 128)
// and puts every output into the right sample too.
template <bool Is16, bool Stereo> struct TFrameAccess {
    static constexpr int kBpf = (Is16 ? 2 : 1) * (Stereo ? 2 : 1);

    static std::int64_t Read(const std::uint8_t* frame) {
        if constexpr (Is16) {
            std::int16_t x;
            std::memcpy(&x, frame, 2);
            return x;
        } else {
            return static_cast<std::int64_t>(frame[0]) - 128;
        }
    }

    static void Write(std::uint8_t* frame, std::int64_t y) {
        if constexpr (Is16) {
            const auto v = static_cast<std::uint16_t>(y);
            std::memcpy(frame, &v, 2);
            if constexpr (Stereo) {
                std::memcpy(frame + 2, &v, 2);
            }
        } else {
            const auto v = static_cast<std::uint8_t>(y + 128);
            frame[0] = v;
            if constexpr (Stereo) {
                frame[1] = v;
            }
        }
    }

    // Applies gain(k, x) to frames first..last, k counting from 0 at first.
    template <class Gain>
    static void Shape(std::uint8_t* samples, std::int64_t first, std::int64_t last, Gain gain) {
        std::uint8_t* frame = samples + first * kBpf;
        for (std::int64_t k = 0; k <= last - first; ++k, frame += kBpf) {
            Write(frame, gain(k, Read(frame)));
        }
    }

    static void Run(std::uint8_t* samples, std::int64_t lastFrame, const TEnvelopePhase& phase, double level,
                    std::int32_t sustain) {
        const std::int64_t last = std::min(phase.first + phase.length, lastFrame);
        if (last < phase.first) {
            return;
        }
        const std::int64_t len = phase.length;
        switch (phase.kind) {
        case TEnvelopePhase::attack: {
            const double scale = 1.0 / static_cast<double>(len);
            Shape(samples, phase.first, last, [scale](std::int64_t k, std::int64_t x) {
                return static_cast<std::int64_t>((k * x) * scale);
            });
            break;
        }
        case TEnvelopePhase::hold:
            Shape(samples, phase.first, last, [](std::int64_t, std::int64_t x) { return x; });
            break;
        case TEnvelopePhase::decay: {
            const double scale = (100.0 - sustain) / static_cast<double>(len) / 100.0;
            Shape(samples, phase.first, last, [scale](std::int64_t k, std::int64_t x) {
                return x - static_cast<std::int64_t>((k * x) * scale);
            });
            break;
        }
        case TEnvelopePhase::sustain:
            Shape(samples, phase.first, last,
                  [level](std::int64_t, std::int64_t x) { return static_cast<std::int64_t>(x * level); });
            break;
        case TEnvelopePhase::release: {
            const double scale = level / static_cast<double>(len);
            Shape(samples, phase.first, last, [scale, len](std::int64_t k, std::int64_t x) {
                return static_cast<std::int64_t>(((len - k) * x) * scale);
            });
            break;
        }
        }
    }
};

template <bool Is16, bool Stereo>
void ApplyPhases(std::uint8_t* samples, std::int64_t dataLen, const TEnvelope& envelope) {
    using Access = TFrameAccess<Is16, Stereo>;
    TEnvelopePhase phases[5];
    const int count = PlanEnvelope(envelope, dataLen, Access::kBpf, phases);
    const std::int64_t lastFrame = dataLen / Access::kBpf;
    const double level = envelope.sustain / 100.0;
    for (int i = 0; i < count; ++i) {
        Access::Run(samples, lastFrame, phases[i], level, envelope.sustain);
    }
}

} // namespace

int PlanEnvelope(const TEnvelope& envelope, std::int64_t dataLen, int bytesPerFrame,
                 TEnvelopePhase phases[5]) {
    std::int64_t a = envelope.attack, h = envelope.hold, d = envelope.decay, r = envelope.release;
    const std::int64_t sum = a + h + d + r;
    if (sum > 100) {
        a = a * 100 / sum;
        h = h * 100 / sum;
        d = d * 100 / sum;
        r = 100 - a - h - d;
    }
    const std::int64_t sustainShare = 100 - a - h - d - r;
    const std::int64_t frames = dataLen / bytesPerFrame;
    const auto lengthOf = [&](std::int64_t pct) { return pct * dataLen / (100 * bytesPerFrame); };

    int count = 0;
    std::int64_t start = 0;
    const auto add = [&](TEnvelopePhase::Kind kind, std::int64_t len) {
        phases[count++] = TEnvelopePhase{kind, start, len};
        start += len + 1;
    };
    const std::pair<TEnvelopePhase::Kind, std::int64_t> ramps[] = {
        {TEnvelopePhase::attack, a}, {TEnvelopePhase::hold, h}, {TEnvelopePhase::decay, d}};
    for (const auto& [kind, pct] : ramps) {
        if (pct > 0 && lengthOf(pct) > 0) {
            add(kind, lengthOf(pct));
        }
    }
    if (sustainShare > 0) {
        add(TEnvelopePhase::sustain,
            r == 0 ? std::max<std::int64_t>(frames - start, 0) : lengthOf(sustainShare));
    }
    if (r > 0 && frames - start > 0) {
        add(TEnvelopePhase::release, frames - start);
    }
    return count;
}

void ApplyEnvelope(std::uint8_t* samples, std::int64_t dataLen, const TWaveFormat& format,
                   const TEnvelope& envelope) {
    if (format.is16Bit) {
        format.stereo ? ApplyPhases<true, true>(samples, dataLen, envelope)
                      : ApplyPhases<true, false>(samples, dataLen, envelope);
    } else {
        format.stereo ? ApplyPhases<false, true>(samples, dataLen, envelope)
                      : ApplyPhases<false, false>(samples, dataLen, envelope);
    }
}

} // namespace quellar
