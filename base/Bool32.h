#pragma once
// A 32-bit Boolean as the tone generator stores its flags: true is written as all bits set,
// and any non-zero value reads as true.
#include <cstdint>

namespace quellar {

class Bool32 {
public:
    constexpr Bool32() = default;
    constexpr Bool32(bool value) : raw_(value ? -1 : 0) {} // NOLINT: converts like a plain bool
    static constexpr Bool32 FromRaw(std::int32_t raw) {
        Bool32 b;
        b.raw_ = raw;
        return b;
    }
    constexpr operator bool() const { return raw_ != 0; } // NOLINT: reads like a plain bool
    constexpr std::int32_t Raw() const { return raw_; }

private:
    std::int32_t raw_ = 0;
};

static_assert(sizeof(Bool32) == 4);

} // namespace quellar
