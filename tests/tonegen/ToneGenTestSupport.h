#pragma once
// Reading samples out of a TToneGen image.
#include "tonegen/ToneGen.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace quellar::test {

inline std::uint32_t U32At(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
inline std::uint16_t U16At(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

// The data length the header declares.
inline std::uint32_t DataLength(const TToneGen& t) {
    return U32At(t.GetDataBuffer() + 40);
}

// The 16-bit samples of the data region (channel interleaved), count of them from the start.
inline std::vector<std::int16_t> Samples16(const TToneGen& t, std::size_t count) {
    std::vector<std::int16_t> s(count);
    std::memcpy(s.data(), t.GetDataBuffer() + 44, count * 2);
    return s;
}

// Everything after the header: data and padding.
inline std::vector<std::uint8_t> BytesAfterHeader(const TToneGen& t) {
    const std::uint8_t* p = t.GetDataBuffer();
    return std::vector<std::uint8_t>(p + 44, p + t.DataSize());
}

} // namespace quellar::test
