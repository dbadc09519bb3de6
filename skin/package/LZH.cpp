#include "skin/package/LZH.h"

#include <array>
#include <new>

namespace quellar {

using namespace lzh;

struct TLZH::TTables {
    std::array<std::uint8_t, N + F - 1> text{};
    THuffTree tree;
};

namespace {

// Bytes from memory; past the end it reads nothing.
struct SpanInput {
    std::span<const std::uint8_t> bytes;
    std::size_t pos = 0;
    int Next() { return pos < bytes.size() ? bytes[pos++] : -1; }
};

// Into a buffer sized for the longest possible output (the size asked plus one match).
struct BufferOutput {
    std::uint8_t* next;
    void Put(std::uint8_t b) { *next++ = b; }
};

// One byte per call through the read procedure, as a stream-driven decoder does.
struct ProcInput {
    const TLZH::TReadProc& read;
    int Next() {
        std::uint8_t b = 0;
        std::uint16_t actual = 0;
        read(&b, 1, actual);
        return actual == 1 ? b : -1;
    }
};

struct ProcOutput {
    const TLZH::TWriteProc& write;
    void Put(std::uint8_t b) {
        std::uint16_t actual = 0;
        write(&b, 1, actual);
    }
};

// The 16-bit bit buffer: refilled a byte at a time while 8 or fewer bits are valid.
template <class Input> struct BitReader {
    Input& in;
    std::uint16_t& buf;
    std::uint8_t& len;

    void Refill() {
        while (len <= 8) {
            const int b = in.Next();
            const unsigned byte = b < 0 ? 0u : static_cast<unsigned>(b);
            buf = static_cast<std::uint16_t>(buf | (byte << (8 - len)));
            len = static_cast<std::uint8_t>(len + 8);
        }
    }
    int GetBit() {
        Refill();
        const int bit = buf >> 15;
        buf = static_cast<std::uint16_t>(buf << 1);
        --len;
        return bit;
    }
    int GetByte() {
        Refill();
        const int byte = buf >> 8;
        buf = static_cast<std::uint16_t>(buf << 8);
        len = static_cast<std::uint8_t>(len - 8);
        return byte;
    }
};

template <class Input> int DecodeChar(THuffTree& tree, BitReader<Input>& bits) {
    int node = tree.son[R];
    while (node < T) {
        node = tree.son[node + bits.GetBit()];
    }
    const int symbol = node - T;
    tree.UpdateTree(symbol);
    return symbol;
}

template <class Input> int DecodePosition(BitReader<Input>& bits, const TPositionTables& pt) {
    int i = bits.GetByte();
    const int upper = pt.d_code[i] << 6;
    for (int extra = pt.d_len[i] - 2; extra > 0; --extra) {
        i = (i << 1) + bits.GetBit();
    }
    return upper | (i & 63);
}

} // namespace

TLZH::TLZH() = default;
TLZH::~TLZH() = default;

void TLZH::InitTables() {
    bitBuffer_ = 0;
    bitCount_ = 0;
    try {
        tables_ = std::make_unique<TTables>();
    } catch (const std::bad_alloc&) {
        throw ElzhException(LzhNoMemoryMessage);
    }
}

void TLZH::FreeTables() {
    tables_.reset();
}

std::int64_t TLZH::MaxOutputFor(std::size_t inputBytes) {
    return static_cast<std::int64_t>(inputBytes) * 8 * F / 10 + F;
}

template <class Input, class Output> void TLZH::DecodeLoop(std::int32_t textSize, Input& in, Output& out) {
    InitTables();
    // The tables go in every case, also when an error ends the decoding.
    struct Release {
        TLZH& self;
        ~Release() { self.FreeTables(); }
    } release{*this};

    THuffTree& tree = tables_->tree;
    auto& text = tables_->text;
    tree.StartHuff();
    // The first N - F bytes are spaces; the last F are never referred to by a valid stream
    // before they are written, and are zero.
    std::fill(text.begin(), text.begin() + (N - F), static_cast<std::uint8_t>(' '));
    BitReader<Input> bits{in, bitBuffer_, bitCount_};
    const TPositionTables& positions = PositionTables();
    int r = N - F;
    for (std::int64_t count = 0; count < textSize;) {
        const int symbol = DecodeChar(tree, bits);
        if (symbol < 256) {
            out.Put(static_cast<std::uint8_t>(symbol));
            text[r] = static_cast<std::uint8_t>(symbol);
            r = (r + 1) & (N - 1);
            ++count;
            continue;
        }
        const int start = (r - DecodePosition(bits, positions) - 1) & (N - 1);
        const int length = symbol - 255 + THRESHOLD;
        for (int k = 0; k < length; ++k) {
            const std::uint8_t b = text[(start + k) & (N - 1)];
            out.Put(b);
            text[r] = b;
            r = (r + 1) & (N - 1);
        }
        count += length;
    }
}

std::vector<std::uint8_t> TLZH::DecodeBuffer(std::span<const std::uint8_t> input, std::int32_t textSize) {
    if (textSize > MaxOutputFor(input.size())) {
        throw ElzhException(LzhTooLongMessage);
    }
    std::vector<std::uint8_t> result(textSize > 0 ? static_cast<std::size_t>(textSize) + F - 1 : 0);
    SpanInput in{input};
    BufferOutput out{result.data()};
    DecodeLoop(textSize, in, out);
    result.resize(static_cast<std::size_t>(out.next - result.data()));
    return result;
}

void TLZH::Decode(std::int32_t textSize, const TWriteProc& write, const TReadProc& read) {
    ProcInput in{read};
    ProcOutput out{write};
    DecodeLoop(textSize, in, out);
}

} // namespace quellar
