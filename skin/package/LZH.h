#pragma once
// TLZH: the LZHUF decoder of skin packages. LZSS over a 4,096-byte ring buffer with adaptively
// Huffman-coded literals and match lengths and a fixed code for the upper bits of a match
// position. The bit stream is read most significant bit first; an exhausted input yields zero
// bits. A match is always copied whole, so the output may run up to 59 bytes past the size asked.
#include "base/Exception.h"
#include "skin/package/LzhTree.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace quellar {

class ElzhException : public Exception {
public:
    using Exception::Exception;
};

inline constexpr const char* LzhNoMemoryMessage = "LZH : Cannot get memory for dictionary tables";
// Freeing cannot fail here; the text is kept so callers can recognise the decoder's messages.
inline constexpr const char* LzhFreeErrorMessage = "LZH : Error freeing memory for dictionary tables";
inline constexpr const char* LzhTooLongMessage =
    "LZH : Length field exceeds what the compressed data can hold";

class TLZH {
public:
    // The read procedure: reads up to count bytes into buffer, reports the number read.
    using TReadProc = std::function<void(std::uint8_t* buffer, std::uint16_t count, std::uint16_t& actual)>;
    // The write procedure: writes count bytes, reports the number written.
    using TWriteProc =
        std::function<void(const std::uint8_t* buffer, std::uint16_t count, std::uint16_t& actual)>;

    TLZH();
    ~TLZH();
    TLZH(const TLZH&) = delete;
    TLZH& operator=(const TLZH&) = delete;

    // Decodes textSize bytes (or up to 59 more) from a bit stream held in memory. Raises
    // ElzhException when textSize is more than the stream could produce even with every match
    // at its longest, so a damaged length field never makes it allocate.
    std::vector<std::uint8_t> DecodeBuffer(std::span<const std::uint8_t> input, std::int32_t textSize);

    // The same decoding through read and write procedures called with one byte at a time.
    void Decode(std::int32_t textSize, const TWriteProc& write, const TReadProc& read);

    // The most output a stream of inputBytes bytes can produce: one 60-byte match per 10 bits.
    static std::int64_t MaxOutputFor(std::size_t inputBytes);

private:
    struct TTables;

    void InitTables();
    void FreeTables();
    template <class Input, class Output> void DecodeLoop(std::int32_t textSize, Input& in, Output& out);

    std::uint16_t bitBuffer_ = 0; // input bits not used yet, the next one the most significant
    std::uint8_t bitCount_ = 0;   // how many of bitBuffer_'s bits are input
    std::unique_ptr<TTables> tables_;
};

} // namespace quellar
