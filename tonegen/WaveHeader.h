#pragma once
// The sample format a tone is rendered in, the data length it gives, and the 44-byte RIFF/WAVE
// header in front of the samples.
#include "tonegen/ToneGenTypes.h"

#include <array>
#include <cstdint>

namespace quellar {

inline constexpr int kWaveHeaderSize = 44;
// Bytes after the data: part of the image and of an exported file, outside the RIFF chunk.
inline constexpr int kWavePaddingSize = 32;

struct TWaveFormat {
    bool is16Bit = true;
    bool stereo = false;
    bool highRate = true;

    int BytesPerSample() const { return is16Bit ? 2 : 1; }
    int Channels() const { return stereo ? 2 : 1; }
    int BytesPerFrame() const { return BytesPerSample() * Channels(); }
    int Rate() const { return highRate ? 96000 : 44100; }
    int FramesPer10ms() const { return highRate ? 960 : 441; }
    // The value of a silent sample byte: 0 for 16-bit, 128 for 8-bit.
    std::uint8_t SilenceByte() const { return is16Bit ? 0 : 128; }
};

TWaveFormat MakeWaveFormat(TTGResolution resolution, TTGQuality quality, bool stereo);

// Bytes of sample data for a tone of durationMs: bytes per sample x duration x frames per 10 ms
// div 10, doubled in stereo. At 44,100 per second the division truncates, so a 16-bit channel
// can end in half a sample.
std::int64_t WaveDataLength(const TWaveFormat& format, std::int32_t durationMs);

// The RIFF/WAVE header for dataLen bytes of PCM data (dataLen already doubled for stereo).
std::array<std::uint8_t, kWaveHeaderSize> BuildWaveHeader(bool stereo, bool is16Bit, bool isHighRate,
                                                          std::uint32_t dataLen);

} // namespace quellar
