#pragma once
// The tone generator's enumerations, one byte each, ordinals counting from 0.
#include <cstdint>

namespace quellar {

// Oscillator shape.
enum TTGWave : std::uint8_t { tgSine, tgSquare, tgTriangle, tgSawtooth, tgNoise };
// Sample width: 16-bit signed PCM or 8-bit unsigned PCM (128 is the zero line).
enum TTGResolution : std::uint8_t { tg16Bit, tg8Bit };
// Sample rate: tgHiQ is 96,000 samples per second, tgLoQ 44,100.
enum TTGQuality : std::uint8_t { tgHiQ, tgLoQ };
// Index 0..7 into the modulation table.
enum TTGAMLevel : std::uint8_t {
    tgAMLevel1,
    tgAMLevel2,
    tgAMLevel3,
    tgAMLevel4,
    tgAMLevel5,
    tgAMLevel6,
    tgAMLevel7,
    tgAMLevel8
};

static_assert(sizeof(TTGWave) == 1 && sizeof(TTGResolution) == 1 && sizeof(TTGQuality) == 1 &&
              sizeof(TTGAMLevel) == 1);

// Number of entries in the modulation table.
inline constexpr int kAMEntryCount = 8;

} // namespace quellar
