#include "tonegen/WaveHeader.h"

#include <cstring>

namespace quellar {

namespace {
void PutU32(std::uint8_t* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}
void PutU16(std::uint8_t* at, std::uint16_t value) {
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}
} // namespace

TWaveFormat MakeWaveFormat(TTGResolution resolution, TTGQuality quality, bool stereo) {
    TWaveFormat format;
    format.is16Bit = resolution != tg8Bit;
    format.highRate = quality != tgLoQ;
    format.stereo = stereo;
    return format;
}

std::int64_t WaveDataLength(const TWaveFormat& format, std::int32_t durationMs) {
    const std::int64_t perChannel =
        static_cast<std::int64_t>(format.BytesPerSample()) * durationMs * format.FramesPer10ms() / 10;
    return format.stereo ? perChannel * 2 : perChannel;
}

std::array<std::uint8_t, kWaveHeaderSize> BuildWaveHeader(bool stereo, bool is16Bit, bool isHighRate,
                                                          std::uint32_t dataLen) {
    const std::uint16_t channels = stereo ? 2 : 1;
    const std::uint32_t rate = isHighRate ? 96000 : 44100;
    const std::uint16_t bits = is16Bit ? 16 : 8;
    std::array<std::uint8_t, kWaveHeaderSize> h{};
    std::memcpy(&h[0], "RIFF", 4);
    PutU32(&h[4], dataLen + 36);
    std::memcpy(&h[8], "WAVE", 4);
    std::memcpy(&h[12], "fmt ", 4);
    PutU32(&h[16], 16);
    PutU16(&h[20], 1); // PCM
    PutU16(&h[22], channels);
    PutU32(&h[24], rate);
    PutU32(&h[28], channels * rate * (bits / 8u));
    PutU16(&h[32], static_cast<std::uint16_t>((bits / 8) * channels));
    PutU16(&h[34], bits);
    std::memcpy(&h[36], "data", 4);
    PutU32(&h[40], dataLen);
    return h;
}

} // namespace quellar
