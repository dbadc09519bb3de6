#include "SkinArt.h"

#include "skin/model/WinSkinData.h"
#include "skin/painter/Raster.h"
#include "skin/painter/RegionStrips.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quellar {
namespace {

// Border piece frame 1 composed to rect and copied in, the way the frame painter does it: frames
// one above the other for top and bottom, the middle stretched when the Stretch value is 1.
void DrawBorder(TBitmap32& window, const TDataSkinBorder& e, const TSkinRect& rect, bool stacked) {
    const int w = static_cast<int>(rect.Width());
    const int h = static_cast<int>(rect.Height());
    const TSkinRect cell = FrameCell(e.Image.Width(), e.Image.Height(), e.FrameCount, 1, stacked);
    const TBitmap32 piece = ComposeNineSlice(
        e.Image, cell, w, h, {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}, e.Tile != 0);
    CopyPixels(window, rect.left, rect.top, piece, {0, 0, w, h}, TTransparency::trOpaque);
}

// A w x h window of the skin: the client area black, the four border pieces around it.
TBitmap32 ComposeWindow(const TSkinData& d, int w, int h) {
    const TDataSkinBorder& left = *d.Model().FrameLeft;
    const TDataSkinBorder& right = *d.Model().FrameRight;
    const TDataSkinBorder& top = *d.Model().FrameTop;
    const TDataSkinBorder& bottom = *d.Model().FrameBottom;
    const int l = left.Image.Width() / left.FrameCount;
    const int r = right.Image.Width() / right.FrameCount;
    const int t = top.Image.Height() / top.FrameCount;
    const int b = bottom.Image.Height() / bottom.FrameCount;
    TBitmap32 window(w, h, KeyColour);
    DrawBorder(window, left, {0, 0, l, h}, false);
    DrawBorder(window, right, {w - r, 0, w, h}, false);
    DrawBorder(window, top, {l, 0, w - r, t}, true);
    DrawBorder(window, bottom, {l, h - b, w - r, h}, true);
    CopyPixels(window, l, t, TBitmap32(w - l - r, h - t - b), {0, 0, w - l - r, h - t - b},
               TTransparency::trOpaque);
    return window;
}

// The first visible x of every row (the region is one run per row, symmetric); -1 when a row
// has no run or more than one, or its run is not centred.
std::vector<int> RowStarts(const TBitmap32& window) {
    std::vector<std::vector<TSkinRect>> rows(static_cast<std::size_t>(window.Height()));
    ForEachRegionChunk(window, 0, 0, 1, KeyColour, [&](const TRegionChunk& c) {
        for (const TSkinRect& run : c.rects) {
            rows[static_cast<std::size_t>(run.top)].push_back(run);
        }
    });
    std::vector<int> starts;
    for (const auto& runs : rows) {
        const bool single = runs.size() == 1 && runs[0].left == window.Width() - runs[0].right;
        starts.push_back(single ? runs[0].left : -1);
    }
    return starts;
}

TEST(SkinArtFrame, CornersAreCutInTheSidesAndThePiecesJoinWithoutHoles) {
    // border 5, title 26, radius 9: the top corners reach past the sides into the top's ends;
    // the bottom corners have radius min(9 / 2, 5 - 1) = 4.
    struct TCase {
        const char* corner;
        std::vector<int> top;    // first visible x of rows 0, 1, ...
        std::vector<int> bottom; // of rows H-1, H-2, ...
    };
    const TCase cases[] = {
        {"round", {6, 4, 3, 2, 1, 1}, {2, 1}},
        {"bevel", {9, 8, 7, 6, 5, 4, 3, 2, 1}, {4, 3, 2, 1}},
        {"notch", {4, 4, 4, 4}, {2, 2}},
        {"square", {}, {}},
    };
    constexpr int W = 473;
    constexpr int H = 400;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.corner);
        const std::string style =
            std::string("[Style]\nname=Test\nframe=40 60 90\nframe2=90 130 190\ncorner=") + c.corner +
            "\nradius=9\nborder=5\ntitle=26\npattern=none\n";
        TSkinData data(nullptr);
        std::vector<std::string> warnings;
        ASSERT_TRUE(data.LoadSkinBytes(BuildSkinFile(art::DrawSkin(art::ParseSkinStyle(style))), &warnings));
        EXPECT_EQ(warnings, std::vector<std::string>{});
        const TBitmap32 window = ComposeWindow(data, W, H);

        std::vector<int> expected(H, 0);
        std::copy(c.top.begin(), c.top.end(), expected.begin());
        std::copy(c.bottom.begin(), c.bottom.end(), expected.rbegin());
        EXPECT_EQ(RowStarts(window), expected);
        // Halfway down the title bar one colour runs from the left outline to the right one: the
        // sides carry the title bar's gradient.
        for (int x = 1; x < W - 1; ++x) {
            ASSERT_EQ(window.Pixel(x, 13), window.Pixel(W / 2, 13)) << "x " << x;
        }
    }
}

} // namespace
} // namespace quellar
