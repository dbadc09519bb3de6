#include "skin/model/BitmapFile.h"

#include <gtest/gtest.h>

namespace quellar {
namespace {

void Put16(std::vector<std::uint8_t>& o, std::uint32_t v) {
    o.push_back(static_cast<std::uint8_t>(v));
    o.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& o, std::uint32_t v) {
    Put16(o, v);
    Put16(o, v >> 16);
}

struct BmpSpec {
    int bits = 24;
    int width = 2;
    int height = 2;
    bool topDown = false;
    std::uint32_t compression = 0;
    std::vector<std::uint32_t> palette;          // 0x00RRGGBB
    std::vector<std::uint32_t> masks;            // after a 40-byte header when given
    std::vector<std::vector<std::uint8_t>> rows; // in file order, unpadded
};

std::vector<std::uint8_t> Build(const BmpSpec& s) {
    const std::uint32_t stride = ((static_cast<std::uint32_t>(s.width) * s.bits + 31) / 32) * 4;
    const std::uint32_t extra = static_cast<std::uint32_t>(s.masks.size() * 4 + s.palette.size() * 4);
    const std::uint32_t dataAt = 54 + extra;
    std::vector<std::uint8_t> o{'B', 'M'};
    Put32(o, dataAt + stride * static_cast<std::uint32_t>(s.height));
    Put32(o, 0);
    Put32(o, dataAt);
    Put32(o, 40);
    Put32(o, static_cast<std::uint32_t>(s.width));
    Put32(o, static_cast<std::uint32_t>(s.topDown ? -s.height : s.height));
    Put16(o, 1);
    Put16(o, static_cast<std::uint32_t>(s.bits));
    Put32(o, s.compression);
    Put32(o, 0);
    Put32(o, 0);
    Put32(o, 0);
    Put32(o, static_cast<std::uint32_t>(s.palette.size()));
    Put32(o, 0);
    for (std::uint32_t m : s.masks) {
        Put32(o, m);
    }
    for (std::uint32_t c : s.palette) {
        Put32(o, c);
    }
    for (const auto& row : s.rows) {
        std::vector<std::uint8_t> padded = row;
        padded.resize(stride, 0);
        o.insert(o.end(), padded.begin(), padded.end());
    }
    return o;
}

TEST(BitmapFile, DecodesEveryUncompressedDepth) {
    BmpSpec one{1, 10, 1, false, 0, {0x000000, 0xFFFFFF}, {}, {{0b10100000, 0b01000000}}};
    const TBitmap32 b1 = DecodeBitmapFile(Build(one));
    ASSERT_EQ(b1.Width(), 10);
    EXPECT_EQ(b1.Pixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(b1.Pixel(1, 0), 0u);
    EXPECT_EQ(b1.Pixel(2, 0), 0xFFFFFFu);
    EXPECT_EQ(b1.Pixel(9, 0), 0xFFFFFFu);

    BmpSpec four{4, 3, 1, false, 0, {0x111111, 0x222222, 0x333333}, {}, {{0x21, 0x00}}};
    const TBitmap32 b4 = DecodeBitmapFile(Build(four));
    EXPECT_EQ(b4.Pixel(0, 0), 0x333333u);
    EXPECT_EQ(b4.Pixel(1, 0), 0x222222u);
    EXPECT_EQ(b4.Pixel(2, 0), 0x111111u);

    BmpSpec eight{8, 2, 1, false, 0, {0x010203, 0xA0B0C0}, {}, {{1, 0}}};
    const TBitmap32 b8 = DecodeBitmapFile(Build(eight));
    EXPECT_EQ(b8.Pixel(0, 0), 0xA0B0C0u);
    EXPECT_EQ(b8.Pixel(1, 0), 0x010203u);

    BmpSpec rgb555{16, 1, 1, false, 0, {}, {}, {{0x00, 0x7C}}}; // red at full
    EXPECT_EQ(DecodeBitmapFile(Build(rgb555)).Pixel(0, 0), 0xFF0000u);
    BmpSpec rgb565{16, 1, 1, false, 3, {}, {0xF800, 0x07E0, 0x001F}, {{0xE0, 0x07}}}; // green at full
    EXPECT_EQ(DecodeBitmapFile(Build(rgb565)).Pixel(0, 0), 0x00FF00u);

    BmpSpec rgb24{24, 1, 1, false, 0, {}, {}, {{0x30, 0x20, 0x10}}};
    EXPECT_EQ(DecodeBitmapFile(Build(rgb24)).Pixel(0, 0), 0x102030u);
    BmpSpec rgb32{32, 1, 1, false, 0, {}, {}, {{0x30, 0x20, 0x10, 0x99}}};
    EXPECT_EQ(DecodeBitmapFile(Build(rgb32)).Pixel(0, 0), 0x102030u);
    BmpSpec fields32{
        32, 1, 1, false, 3, {}, {0x0000FF00, 0x00FF0000, 0xFF000000}, {{0x00, 0x11, 0x22, 0x33}}};
    EXPECT_EQ(DecodeBitmapFile(Build(fields32)).Pixel(0, 0), 0x112233u);
}

TEST(BitmapFile, RowsAreBottomUpUnlessTheHeightIsNegative) {
    BmpSpec s{24, 1, 2, false, 0, {}, {}, {{0, 0, 0xFF}, {0xFF, 0, 0}}};
    const TBitmap32 up = DecodeBitmapFile(Build(s));
    EXPECT_EQ(up.Pixel(0, 0), 0x0000FFu) << "the last stored row is the top";
    EXPECT_EQ(up.Pixel(0, 1), 0xFF0000u);
    s.topDown = true;
    const TBitmap32 down = DecodeBitmapFile(Build(s));
    EXPECT_EQ(down.Pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(down.Pixel(0, 1), 0x0000FFu);
}

TEST(BitmapFile, PaletteIndexBeyondThePaletteIsBlack) {
    BmpSpec s{8, 1, 1, false, 0, {0xFFFFFF}, {}, {{200}}};
    EXPECT_EQ(DecodeBitmapFile(Build(s)).Pixel(0, 0), 0u);
}

TEST(BitmapFile, CompressedDamagedOrTruncatedFilesGiveAnEmptyBitmap) {
    BmpSpec rle{8, 2, 2, false, 1, {0xFFFFFF}, {}, {{0, 0}, {0, 0}}};
    EXPECT_TRUE(DecodeBitmapFile(Build(rle)).Empty()) << "RLE";
    BmpSpec good{24, 4,  4,  false,
                 0,  {}, {}, std::vector<std::vector<std::uint8_t>>(4, std::vector<std::uint8_t>(12, 7))};
    std::vector<std::uint8_t> bytes = Build(good);
    EXPECT_FALSE(DecodeBitmapFile(bytes).Empty());
    for (std::size_t cut :
         {std::size_t{0}, std::size_t{2}, std::size_t{20}, std::size_t{53}, bytes.size() - 1}) {
        EXPECT_TRUE(DecodeBitmapFile(std::span(bytes).first(cut)).Empty()) << "cut at " << cut;
    }
    std::vector<std::uint8_t> badMagic = bytes;
    badMagic[0] = 'X';
    EXPECT_TRUE(DecodeBitmapFile(badMagic).Empty());
    std::vector<std::uint8_t> badDepth = bytes;
    badDepth[28] = 7;
    EXPECT_TRUE(DecodeBitmapFile(badDepth).Empty());
    std::vector<std::uint8_t> hugeWidth = bytes;
    hugeWidth[21] = 0x7F; // width 0x7F000004
    EXPECT_TRUE(DecodeBitmapFile(hugeWidth).Empty());
    std::vector<std::uint8_t> hugeHeader = bytes;
    hugeHeader[17] = 0xFF; // info header size beyond the file
    EXPECT_TRUE(DecodeBitmapFile(hugeHeader).Empty());
}

TEST(BitmapFile, EncoderOutputReadsBackInEightAndTwentyFourBits) {
    TBitmap32 few(7, 3, 0x123456);
    few.SetPixel(6, 2, 0xFF00FF);
    const auto eight = EncodeBitmapFile(few);
    EXPECT_EQ(eight[28], 8);
    EXPECT_EQ(DecodeBitmapFile(eight), few);
    TBitmap32 many(40, 10);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 40; ++x) {
            many.SetPixel(x, y, static_cast<std::uint32_t>(x * 1000 + y));
        }
    }
    const auto deep = EncodeBitmapFile(many);
    EXPECT_EQ(deep[28], 24);
    EXPECT_EQ(DecodeBitmapFile(deep), many);
}

TEST(Bitmap32, MirrorAndCopyKeepRowsAndClipToTheBitmap) {
    TBitmap32 b(3, 2);
    b.SetPixel(0, 0, 1);
    b.SetPixel(2, 1, 2);
    const TBitmap32 m = MirrorBitmap(b);
    EXPECT_EQ(m.Pixel(2, 0), 1u);
    EXPECT_EQ(m.Pixel(0, 1), 2u);
    const TBitmap32 part = b.Copy(2, 1, 5, 5);
    EXPECT_EQ(part.Width(), 1);
    EXPECT_EQ(part.Height(), 1);
    EXPECT_EQ(part.Pixel(0, 0), 2u);
    EXPECT_TRUE(b.Copy(5, 0, 2, 2).Empty());
}

} // namespace
} // namespace quellar
