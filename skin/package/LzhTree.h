#pragma once
// The adaptive Huffman tree of LZHUF, shared by the decoder and the encoder: 314 symbols (the
// 256 byte values, then match lengths 3 to 60) as leaves of a 627-node tree whose node
// frequencies are kept in ascending order. Every decoded or encoded symbol bumps its leaf and
// reorders the tree; when the root reaches 0x8000 the tree is rebuilt with halved frequencies.
#include <array>
#include <cstdint>

namespace quellar::lzh {

constexpr int N = 4096;                     // ring buffer size
constexpr int F = 60;                       // longest match
constexpr int THRESHOLD = 2;                // a match is longer than this
constexpr int N_CHAR = 256 - THRESHOLD + F; // 314 symbols
constexpr int T = 2 * N_CHAR - 1;           // 627 nodes
constexpr int R = T - 1;                    // the root
constexpr int MAX_FREQ = 0x8000;

struct THuffTree {
    std::array<std::uint16_t, T + 1> freq{};      // the last one is a 0xFFFF sentinel
    std::array<std::uint16_t, T + N_CHAR> prnt{}; // entries T and up map a symbol to its leaf
    std::array<std::uint16_t, T> son{};           // values T and up are leaves (symbol + T)

    void StartHuff();
    void UpdateTree(int symbol);
    void RebuildTree();
};

// The fixed code of the upper 6 bits of a match position: d_code[i] is the value u and
// d_len[i] the code length for the code whose bits, left-aligned in a byte, give i.
struct TPositionTables {
    std::array<std::uint8_t, 256> d_code{};
    std::array<std::uint8_t, 256> d_len{};
    std::array<std::uint8_t, 64> p_code{}; // the code of u, left-aligned in a byte
    std::array<std::uint8_t, 64> p_len{};
};
const TPositionTables& PositionTables();

} // namespace quellar::lzh
