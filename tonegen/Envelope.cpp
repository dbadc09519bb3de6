#include "tonegen/Envelope.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <type_traits>

namespace quellar {

namespace {

// Where the loader can pick a function variant by the processor (ELF on x86-64), the envelope is
// also compiled for 256-bit vectors; the arithmetic and so every output bit stay the same.
#if defined(__GNUC__) && defined(__x86_64__) && defined(__ELF__) && !defined(__SANITIZE_ADDRESS__)
#define QUELLAR_ENVELOPE_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define QUELLAR_ENVELOPE_CLONES
#endif
#if defined(__GNUC__)
#define QUELLAR_INLINE_INTO_CLONES [[gnu::always_inline]] inline
#else
#define QUELLAR_INLINE_INTO_CLONES inline
#endif

// One frame as a whole word: the left sample is read as a signed value (8-bit: the byte minus
// 128) and every output goes into both channels. Words and double arithmetic keep the loops
// below open to the compiler's vectorizer; every product k x x is below 2^53 and so exact in a
// double, the same value the 64-bit integer product converts to.
template <bool Is16, bool Stereo> struct TFrameAccess {
    using Word = std::conditional_t<Is16, std::conditional_t<Stereo, std::uint32_t, std::uint16_t>,
                                    std::conditional_t<Stereo, std::uint16_t, std::uint8_t>>;
    static constexpr int kBpf = sizeof(Word);

    QUELLAR_INLINE_INTO_CLONES static double Read(const std::uint8_t* frame) {
        Word w;
        std::memcpy(&w, frame, sizeof w);
        if constexpr (Is16) {
            return static_cast<std::int16_t>(static_cast<std::uint16_t>(w));
        } else {
            return static_cast<std::int32_t>(static_cast<std::uint8_t>(w)) - 128;
        }
    }

    // y is a whole number within the sample range; its low bits are written.
    QUELLAR_INLINE_INTO_CLONES static void Write(std::uint8_t* frame, std::int32_t y) {
        Word w;
        if constexpr (Is16) {
            w = static_cast<Word>(static_cast<std::uint16_t>(y) * (Stereo ? 0x10001u : 1u));
        } else {
            w = static_cast<Word>(static_cast<std::uint8_t>(y + 128) * (Stereo ? 0x101u : 1u));
        }
        std::memcpy(frame, &w, sizeof w);
    }

    // Applies gain(k, x) to frames first..last, k counting from 0 at first.
    template <class Gain>
    QUELLAR_INLINE_INTO_CLONES static void Shape(std::uint8_t* samples, std::int64_t first, std::int64_t last,
                                                 Gain gain) {
        std::uint8_t* frame = samples + first * kBpf;
        const auto count = static_cast<std::int32_t>(last - first + 1);
        for (std::int32_t k = 0; k < count; ++k) {
            Write(frame + static_cast<std::ptrdiff_t>(k) * kBpf,
                  gain(static_cast<double>(k), Read(frame + static_cast<std::ptrdiff_t>(k) * kBpf)));
        }
    }

    QUELLAR_INLINE_INTO_CLONES static void Run(std::uint8_t* samples, std::int64_t lastFrame,
                                               const TEnvelopePhase& phase, double level,
                                               std::int32_t sustain) {
        const std::int64_t last = std::min(phase.first + phase.length, lastFrame);
        if (last < phase.first) {
            return;
        }
        const auto len = static_cast<double>(phase.length);
        switch (phase.kind) {
        case TEnvelopePhase::attack: {
            const double scale = 1.0 / len;
            Shape(samples, phase.first, last,
                  [scale](double k, double x) { return static_cast<std::int32_t>((k * x) * scale); });
            break;
        }
        case TEnvelopePhase::hold:
            Shape(samples, phase.first, last, [](double, double x) { return static_cast<std::int32_t>(x); });
            break;
        case TEnvelopePhase::decay: {
            const double scale = (100.0 - sustain) / len / 100.0;
            Shape(samples, phase.first, last, [scale](double k, double x) {
                return static_cast<std::int32_t>(x) - static_cast<std::int32_t>((k * x) * scale);
            });
            break;
        }
        case TEnvelopePhase::sustain:
            Shape(samples, phase.first, last,
                  [level](double, double x) { return static_cast<std::int32_t>(x * level); });
            break;
        case TEnvelopePhase::release: {
            const double scale = level / len;
            Shape(samples, phase.first, last, [scale, len](double k, double x) {
                return static_cast<std::int32_t>(((len - k) * x) * scale);
            });
            break;
        }
        }
    }
};

template <bool Is16, bool Stereo>
QUELLAR_INLINE_INTO_CLONES void ApplyPhases(std::uint8_t* samples, std::int64_t dataLen,
                                            const TEnvelope& envelope) {
    using Access = TFrameAccess<Is16, Stereo>;
    TEnvelopePhase phases[5];
    const int count = PlanEnvelope(envelope, dataLen, Access::kBpf, phases);
    const std::int64_t lastFrame = dataLen / Access::kBpf;
    const double level = envelope.sustain / 100.0;
    for (int i = 0; i < count; ++i) {
        Access::Run(samples, lastFrame, phases[i], level, envelope.sustain);
    }
}

// One variant set per sample format (multiversioned functions cannot be templates).
QUELLAR_ENVELOPE_CLONES void ApplyMono16(std::uint8_t* samples, std::int64_t dataLen, const TEnvelope& e) {
    ApplyPhases<true, false>(samples, dataLen, e);
}
QUELLAR_ENVELOPE_CLONES void ApplyStereo16(std::uint8_t* samples, std::int64_t dataLen, const TEnvelope& e) {
    ApplyPhases<true, true>(samples, dataLen, e);
}
QUELLAR_ENVELOPE_CLONES void ApplyMono8(std::uint8_t* samples, std::int64_t dataLen, const TEnvelope& e) {
    ApplyPhases<false, false>(samples, dataLen, e);
}
QUELLAR_ENVELOPE_CLONES void ApplyStereo8(std::uint8_t* samples, std::int64_t dataLen, const TEnvelope& e) {
    ApplyPhases<false, true>(samples, dataLen, e);
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
        format.stereo ? ApplyStereo16(samples, dataLen, envelope) : ApplyMono16(samples, dataLen, envelope);
    } else {
        format.stereo ? ApplyStereo8(samples, dataLen, envelope) : ApplyMono8(samples, dataLen, envelope);
    }
}

} // namespace quellar
