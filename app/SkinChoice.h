#pragma once
// The choice of the skin file at start-up: the process-wide generator, seeded from the clock,
// draws a number from 0 to 10 one thousand times and the last draw names the file.
#include "base/Random.h"

#include <cstdint>
#include <string>

namespace quellar {

inline constexpr int kSkinCount = 11;         // skin0.skn .. skin10.skn
inline constexpr int kSkinNumberDraws = 1000; // only the last draw counts

// Seeds the generator and returns the last of the draws.
inline int DrawSkinNumber(std::uint32_t seed) {
    RandSeed = seed;
    std::uint32_t draw = 0;
    for (int i = 0; i < kSkinNumberDraws; ++i) {
        draw = Random(kSkinCount);
    }
    return static_cast<int>(draw);
}

inline std::string SkinFileName(int number) {
    return "skin" + std::to_string(number) + ".skn";
}

} // namespace quellar
