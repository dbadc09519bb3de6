#pragma once
// The Windows bitmap file format (.bmp): a 14-byte file header, an info header (12, 40, 52,
// 56, 108 or 124 bytes), an optional palette and the pixel rows, each padded to 4 bytes,
// bottom-up (positive height) or top-down (negative height).
#include "skin/model/Bitmap32.h"

#include <cstdint>
#include <span>
#include <vector>

namespace quellar {

// Larger pictures are no skin's business; refusing them bounds the memory a file can ask for.
inline constexpr std::int64_t MaxBitmapPixels = std::int64_t{1} << 24;

// Decodes 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed or with bit-field masks. Any
// other compression, a damaged header, pixel data shorter than its rows, or more than maxPixels
// pixels give an empty bitmap (the size is checked before any pixel is decoded).
TBitmap32 DecodeBitmapFile(std::span<const std::uint8_t> bytes, std::int64_t maxPixels = MaxBitmapPixels);

// The pixels a bitmap file's header declares (width times height), or -1 when the header is
// not one DecodeBitmapFile reads.
std::int64_t BitmapFilePixels(std::span<const std::uint8_t> bytes);

// Encodes as 8 bits per pixel with a palette when the bitmap has at most 256 colours, else as
// 24 bits per pixel; bottom-up rows.
std::vector<std::uint8_t> EncodeBitmapFile(const TBitmap32& bitmap);

} // namespace quellar
