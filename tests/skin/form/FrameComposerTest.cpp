// The composed frame of a hand-made skin whose border pieces are flat colours (or columns of
// colours): every pixel of the result is known without running our painter twice.
#include "skin/form/FrameComposer.h"
#include "skin/model/WinSkinData.h"
#include "tests/support/SkinFiles.h"

#include <gtest/gtest.h>

namespace quellar {
namespace {

constexpr std::uint32_t Magenta = 0xFF00FF;

// Two frames of w x h: the first in colour a, the second in b, side by side or stacked; the outer
// top-left corner pixel of the first frame is cut.
std::vector<std::uint8_t> Strip(int w, int h, std::uint32_t a, std::uint32_t b, bool stacked) {
    TBitmap32 bitmap = test::FlatFrames(w, h, {a, b}, stacked);
    bitmap.SetPixel(0, 0, Magenta);
    return EncodeBitmapFile(bitmap);
}

class FrameComposer : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string ini =
            "[Personality]\nLeft=l.bmp\nLeftFrame=2\nRight=r.bmp\nRightFrame=2\nRightTrans=" +
            std::string(rightTrans) +
            "\nTop=t.bmp\nTopFrame=2\nBottom=b.bmp\nBottomFrame=2\n"
            "LeftTopHeight=3\nLeftBotHeight=2\n";
        const auto file = test::SkinFile(ini, {{"l.bmp", Strip(4, 10, 0x110000, 0x220000, false)},
                                               {"r.bmp", Strip(3, 10, 0x001100, 0x002200, false)},
                                               {"t.bmp", Strip(20, 6, 0x000011, 0x000022, true)},
                                               {"b.bmp", Strip(20, 5, 0x111111, 0x222222, true)}});
        ASSERT_TRUE(skin.LoadSkinBytes(file));
    }
    const char* rightTrans = "1";
    TSkinData skin{nullptr};
};

TEST_F(FrameComposer, FrameSizesComeFromTheBorderImagesDividedByTheirFrames) {
    EXPECT_EQ((TFrameSizes{4, 6, 3, 5, 0}), FrameSizesOf(skin, bkFixed));
    EXPECT_EQ(TFrameSizes{}, FrameSizesOf(skin, bkPopup));
}

TEST_F(FrameComposer, BordersTakeTheirPlacesAndTheirActiveOrInactiveFrame) {
    const TFrameSizes frame = FrameSizesOf(skin, bkFixed);
    struct Probe {
        int x, y;
        std::uint32_t active, inactive;
    } probes[] = {
        {0, 0, Magenta, 0x220000},    // the corner cut of the left piece, kept unscaled (top margin 3)
        {1, 15, 0x110000, 0x220000},  // left side runs the full height
        {38, 29, 0x001100, 0x002200}, // right side, bottom row
        {4, 0, Magenta, 0x000022},    // the top's own cut corner, at its left end (between the sides)
        {20, 3, 0x000011, 0x000022},  // top
        {20, 27, 0x111111, 0x222222}, // bottom, between the sides
        {20, 15, Magenta, Magenta},   // the client part is not drawn
    };
    for (const bool active : {true, false}) {
        const TBitmap32 composed = ComposeBorders(skin, 40, 30, frame, active);
        for (const Probe& p : probes) {
            EXPECT_EQ(active ? p.active : p.inactive, composed.Pixel(p.x, p.y))
                << p.x << "," << p.y << " " << active;
        }
    }
}

TEST_F(FrameComposer, RegionPlanShapesTransparentBordersAndTakesOthersWhole) {
    const TFrameSizes frame = FrameSizesOf(skin, bkFixed);
    const TRegionPlan plan = PlanRegion(skin, 40, 30, frame, bkFixed);
    ASSERT_FALSE(plan.whole);
    EXPECT_EQ((TSkinRect{4, 6, 37, 25}), plan.client);
    ASSERT_EQ(4u, plan.strips.size());
    EXPECT_EQ((TSkinRect{0, 0, 4, 30}), plan.strips[0].rect);
    EXPECT_EQ((TSkinRect{4, 0, 37, 6}), plan.strips[2].rect);
    for (const TRegionStrip& s : plan.strips) {
        EXPECT_TRUE(s.shaped);
    }
    EXPECT_TRUE(PlanRegion(skin, 40, 30, frame, bkPopup).strips.empty()); // popup: the client part only
}

// A top border of four columns in four colours (two stacked frames), drawn 8 wide: stretched it
// shows each column twice (A A B B C C D D), tiled it shows the four twice (A B C D A B C D).
TEST(FrameComposerStretch, ABorderWithStretch1IsStretchedAndAnyOtherValueTiles) {
    constexpr std::uint32_t A = 0x0000AA, B = 0x00BB00, C = 0xCC0000, D = 0xDDDDDD;
    const std::uint32_t columns[] = {A, B, C, D};
    TBitmap32 top(4, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            top.SetPixel(x, y, columns[x]);
        }
    }
    const struct {
        const char* stretch;         // the TopStretch line, empty for none
        std::uint32_t second, fifth; // the pixels at x = 1 and x = 4
    } rows[] = {
        {"", A, C},               // absent: 1
        {"TopStretch=1\n", A, C}, // stretched
        {"TopStretch=0\n", B, A}, // tiled
        {"TopStretch=2\n", B, A}, // tiled: only 1 stretches
    };
    for (const auto& row : rows) {
        TSkinData skin{nullptr};
        ASSERT_TRUE(skin.LoadSkinBytes(
            test::SkinFile(std::string("[Personality]\nTop=t.bmp\nTopFrame=2\n") + row.stretch,
                           {{"t.bmp", EncodeBitmapFile(top)}})));
        const TBitmap32 composed = ComposeBorders(skin, 8, 10, FrameSizesOf(skin, bkFixed), true);
        EXPECT_EQ(row.second, composed.Pixel(1, 0)) << row.stretch;
        EXPECT_EQ(row.fifth, composed.Pixel(4, 0)) << row.stretch;
    }
}

class OpaqueFrame : public FrameComposer {
protected:
    void SetUp() override {
        rightTrans = "0";
        FrameComposer::SetUp();
    }
};

TEST_F(OpaqueFrame, OneTransparentBorderLessStillShapesTheOthers) {
    const TRegionPlan plan = PlanRegion(skin, 40, 30, FrameSizesOf(skin, bkFixed), bkFixed);
    ASSERT_EQ(4u, plan.strips.size());
    EXPECT_FALSE(plan.strips[1].shaped); // the right border is taken whole
    // Opaque: its magenta corner pixel is drawn as it is.
    EXPECT_EQ(Magenta, ComposeBorders(skin, 40, 30, FrameSizesOf(skin, bkFixed), true).Pixel(37, 0));
}

} // namespace
} // namespace quellar
