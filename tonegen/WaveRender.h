#pragma once
// Rendering one oscillator into PCM sample data. The tone is the sum of up to nine of them, each
// added onto what the earlier ones left.
//
// Per oscillator: P (peak span) = a x 65534 / 100 and T (trough) = -32767 x a / 100 for 16-bit,
// a x 254 / 100 and -127 x a / 100 for 8-bit; p = rate / f frames per period; cycle k ends at
// frame Trunc(k x p), so cycles have Trunc(p) or Trunc(p) + 1 frames and the mean frequency is
// exact; the sine alone runs on one continuous phase instead. Frames are written while the
// frame's first byte lies inside the data, so the last one may reach into the padding behind it.
// In stereo the right sample always equals the left one.
#include "tonegen/ToneGenTypes.h"
#include "tonegen/WaveHeader.h"

#include <cstdint>

namespace quellar {

struct TOscillator {
    std::int32_t amplitude = 0; // share in percent of full scale
    std::int32_t frequency = 0; // whole hertz
    TTGWave waveform = tgSine;
};

// Whether the oscillator writes anything: a positive share and frequency, a known waveform, a
// period of at least one frame, and for a triangle a half period of at least one frame.
bool OscillatorSounds(const TOscillator& osc, const TWaveFormat& format);

// Adds the oscillator onto samples[0..dataLen) (and the padding the last frame reaches). With
// ontoSilence the old content is not read: every frame is taken as silent, which gives the same
// bytes as adding onto a silent buffer. Returns the number of bytes written from the start
// (whole frames), 0 when the oscillator does not sound.
std::int64_t RenderOscillator(std::uint8_t* samples, std::int64_t dataLen, const TWaveFormat& format,
                              const TOscillator& osc, bool ontoSilence);

// The sine's sample at frame n from its exact phase: Trunc(sin(2 pi x ((f x n) mod rate) / rate)
// / 2 x P). The other waveforms keep their cycles of whole frames.
std::int32_t SinePhaseSample(std::int64_t fTimesNModRate, int rate, double peakSpan);

} // namespace quellar
