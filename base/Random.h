#pragma once
// The process-wide pseudo-random generator. One 32-bit state for the whole program: the main
// window seeds it from the clock and draws the skin number from it, and the tone generator's
// noise borrows it (state 1 for every render) and puts it back afterwards.
#include <cstdint>

namespace quellar {

// The generator's state. Read and written only on the user-interface thread.
extern std::uint32_t RandSeed;

// A draw below n: advances the state (state * 134775813 + 1, modulo 2^32) and returns the high
// 32 bits of the 64-bit product state * n, a whole number in 0..n-1 (0 when n is 0).
inline std::uint32_t Random(std::uint32_t n) {
    RandSeed = RandSeed * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(RandSeed) * n) >> 32);
}

// Saves the generator's state on construction and puts it back on destruction, so a piece of
// code can use a fixed seed without disturbing the rest of the program's sequence.
class RandSeedGuard {
public:
    explicit RandSeedGuard(std::uint32_t temporarySeed) : saved_(RandSeed) { RandSeed = temporarySeed; }
    ~RandSeedGuard() { RandSeed = saved_; }
    RandSeedGuard(const RandSeedGuard&) = delete;
    RandSeedGuard& operator=(const RandSeedGuard&) = delete;

private:
    std::uint32_t saved_;
};

} // namespace quellar
