#pragma once
// Lets a small fuzz input stand for a large one, so the fuzzer reaches files of millions of
// lines, sections or pixels. An input that begins with the byte 0xE5 is a recipe: a 32-bit
// repeat count, a 16-bit head length and a 16-bit unit length (little-endian), then the head,
// the unit and the tail. It stands for the head, the unit repeated (each 0x01 byte of a copy
// replaced by the copy's number in decimal, so repeated sections can have names of their own),
// then the tail, cut off at MaxExpandedBytes. Any other input stands for itself.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quellar::fuzz {

inline constexpr std::uint8_t RecipeMark = 0xE5;
inline constexpr std::size_t MaxExpandedBytes = 24u << 20;

inline std::vector<std::uint8_t> ExpandRecipe(std::span<const std::uint8_t> in) {
    if (in.size() < 9 || in[0] != RecipeMark) {
        return std::vector<std::uint8_t>(in.begin(), in.end());
    }
    const std::uint32_t repeat = in[1] | in[2] << 8 | in[3] << 16 | static_cast<std::uint32_t>(in[4]) << 24;
    const std::size_t headLength = in[5] | in[6] << 8;
    const std::size_t unitLength = in[7] | in[8] << 8;
    const auto rest = in.subspan(9);
    const auto head = rest.first(std::min(headLength, rest.size()));
    const auto afterHead = rest.subspan(head.size());
    const auto unit = afterHead.first(std::min(unitLength, afterHead.size()));
    const auto tail = afterHead.subspan(unit.size());
    std::vector<std::uint8_t> out(head.begin(), head.end());
    const bool numbered = std::find(unit.begin(), unit.end(), 0x01) != unit.end();
    if (!numbered && !unit.empty() && repeat > 0) {
        // The copies doubled at a time: millions of one-byte units in a few steps.
        const std::size_t start = out.size();
        const std::size_t total = std::min<std::size_t>(std::size_t{repeat} * unit.size(), MaxExpandedBytes);
        out.insert(out.end(), unit.begin(), unit.end());
        while (out.size() - start < total) {
            const std::size_t n = std::min(out.size() - start, total - (out.size() - start));
            out.resize(out.size() + n);
            std::copy_n(out.begin() + static_cast<std::ptrdiff_t>(start), n,
                        out.end() - static_cast<std::ptrdiff_t>(n));
        }
        out.resize(start + total);
    }
    for (std::uint32_t i = 0; numbered && i < repeat && out.size() < MaxExpandedBytes; ++i) {
        const std::string number = std::to_string(i);
        for (std::uint8_t b : unit) {
            if (b == 0x01) {
                out.insert(out.end(), number.begin(), number.end());
            } else {
                out.push_back(b);
            }
        }
    }
    out.insert(out.end(), tail.begin(), tail.end());
    if (out.size() > MaxExpandedBytes) {
        out.resize(MaxExpandedBytes);
    }
    return out;
}

} // namespace quellar::fuzz
