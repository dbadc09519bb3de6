#include "skin/painter/RegionStrips.h"

#include <gtest/gtest.h>

namespace quellar {
namespace {

constexpr std::uint32_t Magenta = 0xFF00FF;

std::vector<TRegionChunk> Chunks(const TBitmap32& bitmap, int dx = 0, int dy = 0) {
    std::vector<TRegionChunk> chunks;
    ForEachRegionChunk(bitmap, dx, dy, 1, Magenta, [&](const TRegionChunk& c) { chunks.push_back(c); });
    return chunks;
}

TEST(RegionStrips, RunsOfVisiblePixelsBecomeMovedStrips) {
    TBitmap32 bitmap(5, 2, Magenta);
    bitmap.SetPixel(1, 0, 0x123456);
    bitmap.SetPixel(2, 0, 0);
    bitmap.SetPixel(4, 0, 0xFFFFFF);
    bitmap.SetPixel(0, 1, 0xFF00FE); // blue off the key by one below it: visible
    const std::vector<TRegionChunk> chunks = Chunks(bitmap, 10, -3);
    ASSERT_EQ(chunks.size(), 1u);
    const std::vector<TSkinRect> expected = {{11, -3, 13, -2}, {14, -3, 15, -2}, {10, -2, 11, -1}};
    EXPECT_EQ(chunks[0].rects, expected);
    EXPECT_EQ(chunks[0].bounds, (TSkinRect{10, -3, 15, -1}));
}

TEST(RegionStrips, ToleranceWidensTheKeyUpwards) {
    struct TCase {
        std::uint32_t pixel;
        int tolerance;
        bool key;
    };
    const TCase cases[] = {
        {Rgb32(255, 1, 255), 1, true},   {Rgb32(255, 2, 255), 1, false}, {Rgb32(254, 0, 255), 1, false},
        {Rgb32(255, 0, 255), 0, true},   {Rgb32(255, 1, 255), 0, false}, {Rgb32(255, 0, 255), -1, false},
        {Rgb32(255, 9, 255), 500, true},
    };
    for (const TCase& c : cases) {
        std::size_t rects = 0;
        ForEachRegionChunk(TBitmap32(1, 1, c.pixel), 0, 0, c.tolerance, Magenta,
                           [&](const TRegionChunk& chunk) { rects += chunk.rects.size(); });
        EXPECT_EQ(rects, c.key ? 0u : 1u) << std::hex << c.pixel << " tolerance " << std::dec << c.tolerance;
    }
}

TEST(RegionStrips, HandsOutChunksOfAtMost2000) {
    const std::vector<TRegionChunk> none = Chunks(TBitmap32(4, 3, Magenta));
    ASSERT_EQ(none.size(), 1u);
    EXPECT_TRUE(none[0].rects.empty());
    EXPECT_EQ(none[0].bounds, TSkinRect{});

    // 2500 single visible pixels, every other pixel of 10 rows.
    TBitmap32 bitmap(500, 10, Magenta);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 500; x += 2) {
            bitmap.SetPixel(x, y, 0);
        }
    }
    const std::vector<TRegionChunk> chunks = Chunks(bitmap);
    ASSERT_EQ(chunks.size(), 2u);
    EXPECT_EQ(chunks[0].rects.size(), 2000u);
    EXPECT_EQ(chunks[1].rects.size(), 500u);
    EXPECT_EQ(chunks[0].bounds, (TSkinRect{0, 0, 499, 8}));
    EXPECT_EQ(chunks[1].rects.front(), (TSkinRect{0, 8, 1, 9}));
    EXPECT_EQ(chunks[1].bounds, (TSkinRect{0, 8, 499, 10}));
}

} // namespace
} // namespace quellar
