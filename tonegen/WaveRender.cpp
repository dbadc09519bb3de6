#include "tonegen/WaveRender.h"

#include "base/Random.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <numeric>
#include <vector>

namespace quellar {

static_assert(std::endian::native == std::endian::little, "samples are stored little-endian in place");

namespace {

constexpr double kTwoPi = 6.283185307179586477;

// The working values of one oscillator that every waveform shares.
struct TShape {
    double peak = 0;   // P
    double trough = 0; // T
    double period = 0; // p, in frames
    std::int64_t firstCycleLen = 0;
    std::int64_t halfLen = 0;
};

TShape MakeShape(const TOscillator& osc, const TWaveFormat& format) {
    TShape s;
    const std::int64_t a = osc.amplitude; // the products are whole numbers, then divided by 100.0
    if (format.is16Bit) {
        s.peak = static_cast<double>(a * 65534) / 100.0;
        s.trough = static_cast<double>(-32767 * a) / 100.0;
    } else {
        s.peak = static_cast<double>(a * 254) / 100.0;
        s.trough = static_cast<double>(-127 * a) / 100.0;
    }
    s.period = static_cast<double>(format.Rate()) / osc.frequency;
    s.firstCycleLen = static_cast<std::int64_t>(s.period);
    s.halfLen = static_cast<std::int64_t>(s.period + 0.5) / 2;
    return s;
}

// Counts frames through the cycles: pos within the cycle, and the cycle's length.
struct TCycleClock {
    double period;
    std::int64_t cycleLen;
    std::int64_t cycleNo = 1;
    std::int64_t pos = 0;

    // Advances one frame; true when a cycle has just ended (pos is back at 0).
    bool Advance() {
        if (++pos < cycleLen) {
            return false;
        }
        pos = 0;
        ++cycleNo;
        cycleLen = static_cast<std::int64_t>(
            cycleNo * period - static_cast<double>(static_cast<std::int64_t>((cycleNo - 1) * period)));
        return true;
    }
};

// Writes one frame: the left sample becomes old + delta in its width, the right one a copy.
template <bool Is16, bool Stereo, bool OntoSilence>
inline void PutFrame(std::uint8_t* frame, std::int64_t delta) {
    if constexpr (Is16) {
        std::int16_t old = 0;
        if constexpr (!OntoSilence) {
            std::memcpy(&old, frame, 2);
        }
        const auto v = static_cast<std::uint16_t>(old + delta);
        std::memcpy(frame, &v, 2);
        if constexpr (Stereo) {
            std::memcpy(frame + 2, &v, 2);
        }
    } else {
        const std::uint8_t old = OntoSilence ? 128 : frame[0];
        const auto v = static_cast<std::uint8_t>(old + delta);
        frame[0] = v;
        if constexpr (Stereo) {
            frame[1] = v;
        }
    }
}

// The change a sample value s makes to a frame: Trunc(s) for 16-bit; Trunc(128 + s) - 128 for
// 8-bit, where adding 128 first makes negative values round downwards.
template <bool Is16> inline std::int64_t Delta(double s) {
    if constexpr (Is16) {
        return static_cast<std::int64_t>(s);
    } else {
        return static_cast<std::int64_t>(128.0 + s) - 128;
    }
}

template <bool Is16, bool Stereo, bool OntoSilence> struct TFrameLoop {
    static constexpr int kBpf = (Is16 ? 2 : 1) * (Stereo ? 2 : 1);

    // A sine from its exact phase, which runs on from frame to frame and from cycle to cycle:
    // a cycle of a whole number of frames would restart the phase every cycle, and the pattern
    // of short and long cycles would sound as tones of its own (12,000 Hz beside an 18,000 Hz
    // sine at 96,000 frames per second). The phase (f x n) mod rate is a whole number, so it
    // never drifts; it repeats every rate / gcd(f, rate) frames, so only one such period is
    // computed.
    static void SineByPhase(std::uint8_t* out, std::int64_t frames, int frequency, int rate, double peak) {
        const std::int64_t phaseStep = std::gcd(frequency, rate);
        const std::int64_t period = rate / phaseStep; // frames until the phase is back at 0
        if constexpr (OntoSilence) {
            // Each phase comes once in the first period; every later period is a copy of it.
            const std::int64_t first = std::min(period, frames);
            std::int64_t phase = 0;
            for (std::int64_t frame = 0; frame < first; ++frame) {
                PutFrame<Is16, Stereo, true>(out + frame * kBpf, SinePhaseSample(phase, rate, peak));
                phase = (phase + frequency) % rate;
            }
            for (std::int64_t done = first * kBpf, total = frames * kBpf; done < total;) {
                const std::int64_t n = std::min(done, total - done); // whole periods, doubling
                std::memcpy(out + done, out, static_cast<std::size_t>(n));
                done += n;
            }
            return;
        }
        std::vector<std::int32_t> table;
        if (period <= frames) {
            table.resize(static_cast<std::size_t>(period));
            for (std::int64_t i = 0; i < period; ++i) {
                table[static_cast<std::size_t>(i)] = SinePhaseSample(i * phaseStep, rate, peak);
            }
        }
        std::int64_t phase = 0;
        for (std::int64_t frame = 0; frame < frames; ++frame) {
            const std::int32_t s = table.empty() ? SinePhaseSample(phase, rate, peak)
                                                 : table[static_cast<std::size_t>(phase / phaseStep)];
            PutFrame<Is16, Stereo, false>(out + frame * kBpf, s);
            phase += frequency;
            if (phase >= rate) {
                phase -= rate;
            }
        }
    }

    static void Square(std::uint8_t* out, std::int64_t frames, const TShape& shape) {
        const std::int64_t low = Delta<Is16>(shape.trough);
        const std::int64_t high = Delta<Is16>(shape.peak / 2);
        TCycleClock clock{shape.period, shape.firstCycleLen};
        for (std::int64_t frame = 0; frame < frames; ++frame) {
            PutFrame<Is16, Stereo, OntoSilence>(out + frame * kBpf, clock.pos < shape.halfLen ? low : high);
            clock.Advance();
        }
    }

    static void Triangle(std::uint8_t* out, std::int64_t frames, const TShape& shape) {
        const double inc = shape.peak / static_cast<double>(shape.halfLen);
        double v = shape.trough;
        TCycleClock clock{shape.period, shape.firstCycleLen};
        for (std::int64_t frame = 0; frame < frames; ++frame) {
            const double s = static_cast<double>(static_cast<std::int64_t>(v));
            if (clock.pos < shape.halfLen) {
                v += inc;
            } else {
                v -= inc;
                if (v < shape.trough) {
                    v = shape.trough;
                }
            }
            PutFrame<Is16, Stereo, OntoSilence>(out + frame * kBpf, Delta<Is16>(s));
            if (clock.Advance()) {
                v = shape.trough;
            }
        }
    }

    static void Sawtooth(std::uint8_t* out, std::int64_t frames, const TShape& shape) {
        const double inc = shape.peak / static_cast<double>(shape.firstCycleLen);
        double v = shape.trough;
        TCycleClock clock{shape.period, shape.firstCycleLen};
        for (std::int64_t frame = 0; frame < frames; ++frame) {
            const double s = static_cast<double>(static_cast<std::int64_t>(v));
            v += inc;
            PutFrame<Is16, Stereo, OntoSilence>(out + frame * kBpf, Delta<Is16>(s));
            if (clock.Advance()) {
                v = shape.trough;
            }
        }
    }

    // Draws from the process-wide generator (state := state x 134775813 + 1; the draw below n
    // is the high half of state x n), which the caller seeds for the render. Four frames at a
    // time take four consecutive states, each advanced by four steps at once, so the draws do
    // not wait on each other; the sequence and the generator's final state are unchanged.
    static void Noise(std::uint8_t* out, std::int64_t frames, const TShape& shape) {
        const auto range = static_cast<std::uint32_t>(static_cast<std::int64_t>(shape.peak + 1));
        constexpr std::uint32_t kMul = 134775813u, kAdd = 1u;
        constexpr std::uint32_t kMul2 = kMul * kMul, kAdd2 = kAdd * (kMul + 1u);
        constexpr std::uint32_t kMul4 = kMul2 * kMul2, kAdd4 = kAdd2 * (kMul2 + 1u);
        const std::int64_t groups = frames / 4;
        if (groups > 0) {
            std::uint32_t state[4];
            state[0] = RandSeed * kMul + kAdd;
            for (int i = 1; i < 4; ++i) {
                state[i] = state[i - 1] * kMul + kAdd;
            }
            for (std::int64_t g = 0; g < groups; ++g) {
                std::uint8_t* at = out + 4 * g * kBpf;
                for (int i = 0; i < 4; ++i) {
                    const auto draw =
                        static_cast<std::uint32_t>((static_cast<std::uint64_t>(state[i]) * range) >> 32);
                    PutFrame<Is16, Stereo, OntoSilence>(at + i * kBpf, Delta<Is16>(draw + shape.trough));
                }
                RandSeed = state[3];
                for (int i = 0; i < 4; ++i) {
                    state[i] = state[i] * kMul4 + kAdd4;
                }
            }
        }
        for (std::int64_t frame = groups * 4; frame < frames; ++frame) {
            const double s = Random(range) + shape.trough;
            PutFrame<Is16, Stereo, OntoSilence>(out + frame * kBpf, Delta<Is16>(s));
        }
    }

    static void Run(std::uint8_t* out, std::int64_t frames, const TOscillator& osc,
                    const TWaveFormat& format) {
        const TShape shape = MakeShape(osc, format);
        switch (osc.waveform) {
        case tgSine:
            SineByPhase(out, frames, osc.frequency, format.Rate(), shape.peak);
            break;
        case tgSquare:
            Square(out, frames, shape);
            break;
        case tgTriangle:
            Triangle(out, frames, shape);
            break;
        case tgSawtooth:
            Sawtooth(out, frames, shape);
            break;
        case tgNoise:
            Noise(out, frames, shape);
            break;
        }
    }
};

template <bool Is16, bool Stereo>
void RunForMode(std::uint8_t* out, std::int64_t frames, const TOscillator& osc, const TWaveFormat& format,
                bool ontoSilence) {
    if (ontoSilence) {
        TFrameLoop<Is16, Stereo, true>::Run(out, frames, osc, format);
    } else {
        TFrameLoop<Is16, Stereo, false>::Run(out, frames, osc, format);
    }
}

} // namespace

std::int32_t SinePhaseSample(std::int64_t fTimesNModRate, int rate, double peakSpan) {
    const double angle = kTwoPi * static_cast<double>(fTimesNModRate) / rate;
    return static_cast<std::int32_t>(std::sin(angle) / 2 * peakSpan);
}

bool OscillatorSounds(const TOscillator& osc, const TWaveFormat& format) {
    if (osc.amplitude <= 0 || osc.frequency <= 0 || osc.waveform > tgNoise) {
        return false;
    }
    const TShape shape = MakeShape(osc, format);
    if (shape.firstCycleLen < 1) {
        return false;
    }
    return osc.waveform != tgTriangle || shape.halfLen > 0;
}

std::int64_t RenderOscillator(std::uint8_t* samples, std::int64_t dataLen, const TWaveFormat& format,
                              const TOscillator& osc, bool ontoSilence) {
    if (dataLen <= 0 || !OscillatorSounds(osc, format)) {
        return 0;
    }
    const int bpf = format.BytesPerFrame();
    const std::int64_t frames = (dataLen + bpf - 1) / bpf;
    if (format.is16Bit) {
        format.stereo ? RunForMode<true, true>(samples, frames, osc, format, ontoSilence)
                      : RunForMode<true, false>(samples, frames, osc, format, ontoSilence);
    } else {
        format.stereo ? RunForMode<false, true>(samples, frames, osc, format, ontoSilence)
                      : RunForMode<false, false>(samples, frames, osc, format, ontoSilence);
    }
    return frames * bpf;
}

} // namespace quellar
