#pragma once
// The LZHUF compressor for skin packages: LZSS with a binary search tree per first byte to find
// the longest match in the 4,096-byte window, literals and match lengths coded with the same
// adaptive Huffman tree the decoder keeps, match positions with the fixed position code.
// Output: a 32-bit little-endian length, then the bit stream, most significant bit first.
#include <cstdint>
#include <span>
#include <vector>

namespace quellar {

std::vector<std::uint8_t> LzhCompress(std::span<const std::uint8_t> data);

} // namespace quellar
