#include "skin/package/LZH.h"
#include "skin/package/LzhEncoder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <numeric>
#include <random>

namespace quellar {
namespace {

using namespace lzh;

std::vector<std::uint8_t> Decode(const std::vector<std::uint8_t>& file) {
    const std::int32_t size = file[0] | file[1] << 8 | file[2] << 16 | file[3] << 24;
    TLZH lzh;
    return lzh.DecodeBuffer(std::span(file).subspan(4), size);
}

// A stream made by another implementation of the algorithm (golden/README.md says which and how).
TEST(LzhGolden, AStreamMadeElsewhereDecodesToItsInput) {
    const auto read = [](const char* name) {
        std::ifstream in(std::string(QUELLAR_SOURCE_DIR "/tests/skin/package/golden/") + name,
                         std::ios::binary);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
    };
    const std::vector<std::uint8_t> text = read("golden.bin"), stream = read("golden.lh1");
    ASSERT_EQ(4474u, text.size());
    ASSERT_EQ(1571u, stream.size());
    TLZH lzh;
    std::vector<std::uint8_t> decoded = lzh.DecodeBuffer(stream, static_cast<std::int32_t>(text.size()));
    ASSERT_GE(decoded.size(), text.size());
    decoded.resize(text.size());
    EXPECT_EQ(text, decoded);
}

// Writes symbols and positions with the decoder's own starting tree, bit by bit, so tests can
// build streams the encoder would never make.
class StreamBuilder {
public:
    StreamBuilder() { tree_.StartHuff(); }
    void Symbol(int symbol) {
        std::vector<int> path;
        for (int k = tree_.prnt[symbol + T]; k != R; k = tree_.prnt[k]) {
            path.push_back(k & 1);
        }
        for (auto it = path.rbegin(); it != path.rend(); ++it) {
            Bit(*it);
        }
        tree_.UpdateTree(symbol);
    }
    void Position(int position) {
        const TPositionTables& t = PositionTables();
        const int u = position >> 6;
        for (int i = t.p_len[u] - 1; i >= 0; --i) {
            Bit((t.p_code[u] >> (8 - t.p_len[u] + i)) & 1);
        }
        for (int i = 5; i >= 0; --i) {
            Bit((position >> i) & 1);
        }
    }
    std::vector<std::uint8_t> Finish() {
        if (used_ > 0) {
            bytes_.push_back(static_cast<std::uint8_t>(acc_ << (8 - used_)));
        }
        return bytes_;
    }

private:
    void Bit(int b) {
        acc_ = static_cast<std::uint8_t>(acc_ << 1 | b);
        if (++used_ == 8) {
            bytes_.push_back(acc_);
            used_ = 0;
        }
    }
    THuffTree tree_;
    std::vector<std::uint8_t> bytes_;
    std::uint8_t acc_ = 0;
    int used_ = 0;
};

TEST(LzhTables, PositionCodesFollowTheFixedLengths) {
    const TPositionTables& t = PositionTables();
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(t.d_code[i], 0);
        EXPECT_EQ(t.d_len[i], 3);
    }
    EXPECT_EQ(t.d_code[32], 1);
    EXPECT_EQ(t.d_len[32], 4);
    EXPECT_EQ(t.d_code[80], 4); // 32 + 3 * 16: the first 5-bit code
    EXPECT_EQ(t.d_len[80], 5);
    EXPECT_EQ(t.d_code[255], 63);
    EXPECT_EQ(t.d_len[255], 8);
    std::vector<int> codesOfLength(9); // how many of the 256 codes have 0 .. 8 bits
    for (int i = 0; i < 256; ++i) {
        ++codesOfLength[t.d_len[i]];
    }
    EXPECT_EQ(codesOfLength, (std::vector<int>{0, 0, 0, 32, 48, 64, 48, 48, 16}));
}

// Every leaf hangs under the root and parents and children agree.
void ExpectConsistent(const THuffTree& tree) {
    for (int s = 0; s < N_CHAR; ++s) {
        int node = tree.prnt[s + T];
        ASSERT_EQ(tree.son[node], s + T);
        int steps = 0;
        while (node != R && steps++ < T) {
            const int parent = tree.prnt[node];
            ASSERT_TRUE(tree.son[parent] == node || tree.son[parent] + 1 == node);
            node = parent;
        }
        ASSERT_EQ(node, R);
    }
    for (int i = 0; i < T - 1; ++i) {
        ASSERT_LE(tree.freq[i], tree.freq[i + 1]) << "frequencies out of order at " << i;
    }
}

TEST(LzhTree, RootCountsSymbolsAndRebuildsAtMaxFrequency) {
    THuffTree tree;
    tree.StartHuff();
    EXPECT_EQ(tree.freq[R], 314);
    ExpectConsistent(tree);
    std::mt19937 rng(7);
    for (int i = 0; i < 32454; ++i) {
        tree.UpdateTree(static_cast<int>(rng() % 40)); // skewed: a deep, lopsided tree
    }
    EXPECT_EQ(tree.freq[R], MAX_FREQ);
    ExpectConsistent(tree);
    tree.UpdateTree(5);
    EXPECT_LT(tree.freq[R], MAX_FREQ / 2 + N_CHAR + 2) << "leaf frequencies were halved first";
    EXPECT_GT(tree.freq[R], MAX_FREQ / 2);
    ExpectConsistent(tree);
}

TEST(LzhDecode, MatchAtTheVeryStartYieldsSpaces) {
    StreamBuilder s;
    s.Symbol(256 + 7); // a match of 10 bytes
    s.Position(0);     // just behind the write position: the space-filled part
    s.Symbol('x');
    TLZH lzh;
    const auto out = lzh.DecodeBuffer(s.Finish(), 11);
    EXPECT_EQ(std::string(out.begin(), out.end()), std::string(10, ' ') + "x");
}

TEST(LzhDecode, MatchIsCopiedWholePastTheSizeAsked) {
    StreamBuilder s;
    s.Symbol('a');
    s.Symbol(256 + 57); // 60 bytes repeating the 'a' just written
    s.Position(0);
    TLZH lzh;
    const auto out = lzh.DecodeBuffer(s.Finish(), 2);
    EXPECT_EQ(out.size(), 61u);
    EXPECT_EQ(std::string(out.begin(), out.end()), std::string(61, 'a'));
}

TEST(LzhDecode, ExhaustedInputReadsAsZeroBits) {
    TLZH lzh;
    const auto out = lzh.DecodeBuffer({}, 40); // 40 is within what one bit-less stream may claim
    EXPECT_GE(out.size(), 40u);
    TLZH again;
    EXPECT_EQ(again.DecodeBuffer({}, 40), out) << "zero bits decode the same way every time";
}

// Beyond what the data can hold is refused; zero or a negative length produces nothing.
TEST(LzhDecode, LengthsOutsideWhatTheDataCanHoldAreRefusedOrEmpty) {
    TLZH lzh;
    const std::vector<std::uint8_t> tiny(10, 0x55), bits(16, 0xA5);
    EXPECT_THROW(lzh.DecodeBuffer(tiny, 0x7FFFFFFF), ElzhException);
    EXPECT_THROW(lzh.DecodeBuffer(tiny, static_cast<std::int32_t>(TLZH::MaxOutputFor(10) + 1)),
                 ElzhException);
    EXPECT_NO_THROW(lzh.DecodeBuffer(tiny, static_cast<std::int32_t>(TLZH::MaxOutputFor(10))));
    EXPECT_TRUE(lzh.DecodeBuffer(bits, 0).empty());
    EXPECT_TRUE(lzh.DecodeBuffer(bits, -5).empty());
}

TEST(LzhDecode, ByteProceduresGiveTheSameOutputOneByteAtATime) {
    std::vector<std::uint8_t> data(5000);
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<std::uint8_t>((i * i) % 251 % 17);
    }
    const auto file = LzhCompress(data);
    std::size_t readPos = 4;
    int readCalls = 0;
    std::vector<std::uint8_t> written;
    TLZH lzh;
    lzh.Decode(
        static_cast<std::int32_t>(data.size()),
        [&](const std::uint8_t* buffer, std::uint16_t count, std::uint16_t& actual) {
            EXPECT_EQ(count, 1);
            written.insert(written.end(), buffer, buffer + count);
            actual = count;
        },
        [&](std::uint8_t* buffer, std::uint16_t count, std::uint16_t& actual) {
            EXPECT_EQ(count, 1);
            ++readCalls;
            actual = readPos < file.size() ? 1 : 0;
            if (actual == 1) {
                *buffer = file[readPos++];
            }
        });
    EXPECT_EQ(written, data);
    EXPECT_EQ(written, Decode(file));
    EXPECT_GE(readCalls, static_cast<int>(file.size() - 4));
}

class LzhRoundTrip : public ::testing::TestWithParam<std::vector<std::uint8_t>> {};

TEST_P(LzhRoundTrip, DecoderReadsBackExactlyWhatTheEncoderWrote) {
    const std::vector<std::uint8_t>& data = GetParam();
    const auto file = LzhCompress(data);
    ASSERT_GE(file.size(), 4u);
    auto out = Decode(file);
    ASSERT_GE(out.size(), data.size());
    out.resize(data.size());
    EXPECT_EQ(out, data);
}

std::vector<std::vector<std::uint8_t>> RoundTripCases() {
    std::vector<std::vector<std::uint8_t>> cases;
    cases.push_back({});
    cases.push_back({'q'});
    cases.push_back(std::vector<std::uint8_t>(1000, ' ')); // all matches into the spaces
    cases.push_back(std::vector<std::uint8_t>(70000, 0));  // long runs, many rebuilds
    std::vector<std::uint8_t> all(256 * 3);
    std::iota(all.begin(), all.end(), 0);
    cases.push_back(all); // every byte value
    std::mt19937 rng(42);
    std::vector<std::uint8_t> noise(50000);
    for (auto& b : noise) {
        b = static_cast<std::uint8_t>(rng());
    }
    cases.push_back(noise); // incompressible, > 32,454 symbols
    std::vector<std::uint8_t> text;
    while (text.size() < 100000) {
        const std::string word =
            "[Section" + std::to_string(rng() % 50) + "]\r\nKey=" + std::to_string(rng() % 7) + "\r\n";
        text.insert(text.end(), word.begin(), word.end());
    }
    cases.push_back(text); // window wraps many times
    return cases;
}

INSTANTIATE_TEST_SUITE_P(VariedData, LzhRoundTrip, ::testing::ValuesIn(RoundTripCases()));

} // namespace
} // namespace quellar
