#pragma once
// JPEG pictures decoded with libjpeg into 8-bit RGB rows. Portable: no platform calls, so the
// decoder is tested natively (and under the sanitizers) on good and damaged files.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quellar {

struct TRgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb; // width * height * 3 bytes, rows top to bottom
};

// Pictures larger than this many pixels are refused rather than decoded (a damaged header must
// not make the program ask for gigabytes).
inline constexpr std::uint64_t kMaxJpegPixels = 64ull * 1024 * 1024;

// Decodes a whole JPEG file image; raises Exception("JPEG error: ...") on damaged or truncated
// data, an unsupported colour space or a picture over kMaxJpegPixels.
TRgbImage DecodeJpeg(std::span<const std::uint8_t> bytes);

// Reads and decodes a file; raises Exception("Cannot open file \"<name>\"") when it cannot be
// read, or as DecodeJpeg.
TRgbImage LoadJpegFile(const std::string& fileName);

} // namespace quellar
