#pragma once
// The attack/hold/decay/sustain/release envelope, applied in place to rendered samples.
//
// Percentages are of the data's frames. When attack + hold + decay + release exceed 100 they are
// scaled down to fill it exactly and the sustain phase vanishes. The level ramps from 0 to full
// over the attack, stays full over the hold, falls to the sustain level over the decay, stays
// there over the sustain and falls to 0 over the release. Each phase reaches one frame further
// than its length, and a phase that runs to the end also shapes the frame just past the last
// whole frame, which lies (at least partly) in the padding behind the data.
#include "tonegen/WaveHeader.h"

#include <cstdint>

namespace quellar {

struct TEnvelope {
    std::int32_t attack = 10;  // percent of the duration
    std::int32_t hold = 5;     // percent of the duration
    std::int32_t decay = 20;   // percent of the duration
    std::int32_t sustain = 50; // percent of full level
    std::int32_t release = 30; // percent of the duration
};

// One phase as it runs: frames first..first + length (inclusive, none past the end).
struct TEnvelopePhase {
    enum Kind { attack, hold, decay, sustain, release } kind;
    std::int64_t first = 0;
    std::int64_t length = 0;
};

// The phases that run for dataLen bytes of frames of bytesPerFrame, in order (at most five).
// Returns how many were written to phases.
int PlanEnvelope(const TEnvelope& envelope, std::int64_t dataLen, int bytesPerFrame,
                 TEnvelopePhase phases[5]);

// Shapes samples[0..dataLen) and the frame behind them. samples must stay writable for one
// frame past dataLen div bytes per frame.
void ApplyEnvelope(std::uint8_t* samples, std::int64_t dataLen, const TWaveFormat& format,
                   const TEnvelope& envelope);

} // namespace quellar
