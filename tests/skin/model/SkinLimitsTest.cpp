// Hostile numbers in a skin description end inside the engine's ranges at load, each with a
// warning, within a bounded amount of memory; the geometry that adds window sizes to them stops
// at the int limits instead of wrapping (the sanitizer build halts on a signed overflow).
#include "skin/form/FrameGeometry.h"
#include "skin/menu/MenuBarLayout.h"
#include "skin/model/WinSkinData.h"
#include "tests/skin/CountingAllocator.h"
#include "tests/skin/HostileSkins.h"
#include "tests/support/SkinFiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace quellar {
namespace {

constexpr int IntMax = std::numeric_limits<int>::max();
constexpr int IntMin = std::numeric_limits<int>::min();

// Every element the cases below read exists, drawn from one small picture.
const std::string BaseDescription = "[Personality]\r\nLeft=p.bmp\r\nmenuBar=p.bmp\r\n"
                                    "[MenuItem]\r\nImage=p.bmp\r\n[HorzScrollThumb]\r\nImage=p.bmp\r\n"
                                    "[Button1]\r\nButtonImage=p.bmp\r\nAction=1\r\n";

// A value as written, as the model holds it, and whether the load warns about it.
struct Value {
    const char* written;
    int read;
    bool warned;
};
struct NumberCase {
    const char* section;
    const char* key;
    std::function<int(const TSkinData&)> read;
    std::vector<Value> values;
};

bool Warned(const std::vector<std::string>& warnings, const std::string& text) {
    for (const std::string& w : warnings) {
        if (w.find(text) != std::string::npos) {
            return true;
        }
    }
    return false;
}

TEST(SkinLimitsTest, HostileNumbersEndInsideTheirRangesWithAWarning) {
    const auto sysButton = [](const TSkinData& d) -> const TDataSkinSysButton& {
        return *d.Model().SysButtons[0];
    };
    const NumberCase cases[] = {
        {"MenuItem",
         "LeftWidth",
         [](const TSkinData& d) { return d.Model().MenuItem->LeftWidth; },
         {{"0", 0, false},
          {"-1", 0, true},
          {"1025", 1024, true},
          {"2147483647", 1024, true},
          {"-2147483648", 0, true}}},
        {"Personality",
         "LeftTopHeight",
         [](const TSkinData& d) { return d.Model().FrameLeft->TopHeight; },
         {{"1024", 1024, false}, {"-7", 0, true}, {"2000000", 1024, true}}},
        {"Personality",
         "LeftFrame",
         [](const TSkinData& d) { return d.Model().FrameLeft->FrameCount; },
         {{"0", 1, true}, {"-3", 1, true}, {"64", 64, false}, {"65", 64, true}, {"2147483647", 64, true}}},
        {"Personality",
         "TextShift",
         [](const TSkinData& d) { return d.Model().Title->LeftWidth; },
         {{"0", 0, false},
          {"-4096", -4096, false},
          {"100000", 4096, true},
          {"-4097", -4096, true},
          {"-2147483648", -4096, true}}},
        {"Personality",
         "TXTBackleft",
         [](const TSkinData& d) { return d.Model().Title->TXTBackleft; },
         {{"60000000", 1024, true}, {"-1", 0, true}, {"2147483647", 1024, true}}},
        {"Personality",
         "TextAlignment",
         [](const TSkinData& d) { return d.Model().Title->TextAlignment; },
         {{"2", 2, false}, {"3", 2, true}, {"-1", 0, true}}},
        {"Personality",
         "TileLeftMenu",
         [](const TSkinData& d) { return d.Model().MenuBar->LeftWidth; },
         {{"-100000", 0, true}, {"2147483647", 1024, true}}},
        {"Fonts",
         "FontHeight",
         [](const TSkinData& d) { return d.Model().Title->FontHeight; },
         {{"-2147483648", -256, true}, {"257", 256, true}}},
        {"Button1",
         "Xcoord",
         [&](const TSkinData& d) { return sysButton(d).Xcoord; },
         {{"2147483647", 4096, true}, {"-4097", -4096, true}, {"4096", 4096, false}}},
        {"Button1",
         "frame",
         [&](const TSkinData& d) { return sysButton(d).FrameCount; },
         {{"-1", 3, true}, {"65", 64, true}}}, // -1 becomes 0, "count it from the picture": 1 x 1 is 3 frames
        {"HorzScrollThumb",
         "FrameCount",
         [](const TSkinData& d) { return d.Model().HorzScrollThumb->FrameCount; },
         {{"0", 1, true}, {"2147483647", 64, true}}},
        // A flag: any value is one of its two meanings, so none is changed.
        {"Personality",
         "LeftTrans",
         [](const TSkinData& d) { return d.Model().FrameLeft->Trans; },
         {{"2147483647", IntMax, false}, {"-2147483648", IntMin, false}}},
        // Outside 0 .. 2000 a caption button never shows; it is left out and only the three MDI
        // buttons remain.
        {"Button1",
         "Visibility",
         [](const TSkinData& d) { return static_cast<int>(d.Model().SysButtons.size()); },
         {{"2000", 4, false}, {"2001", 3, true}, {"-1", 3, true}}},
    };
    const std::vector<std::uint8_t> picture = test::MonochromeBmp(1, 1);
    for (const NumberCase& c : cases) {
        for (const Value& v : c.values) {
            const std::string line = std::string(c.key) + "=" + v.written;
            SCOPED_TRACE("[" + std::string(c.section) + "] " + line);
            const std::string ini = BaseDescription + "[" + c.section + "]\r\n" + line + "\r\n";
            const std::vector<std::uint8_t> file = test::SkinFile(ini, {{"p.bmp", picture}});
            TSkinData d(nullptr);
            std::vector<std::string> warnings;
            test::ResetPeak();
            ASSERT_TRUE(d.LoadSkinBytes(file, &warnings));
            EXPECT_LT(test::PeakSinceReset(), 256 << 10);
            EXPECT_EQ(c.read(d), v.read);
            EXPECT_EQ(Warned(warnings, "[" + std::string(c.section) + "] " + line + ": outside"), v.warned);
        }
    }
}

TEST(SkinLimitsTest, PicturesWithFramesTooLargeAreLeftEmpty) {
    struct PictureCase {
        const char* description;
        int width, height;
        std::function<const TBitmap32&(const TSkinData&)> picture;
        bool kept;
    };
    const PictureCase cases[] = {
        // 8,000,000 x 1 in two frames: a 4,000,000-pixel border.
        {"[Personality]\r\nLeft=p.bmp\r\nLeftFrame=2\r\n", 8'000'000, 1,
         [](const TSkinData& d) -> const TBitmap32& { return d.Model().FrameLeft->Image; }, false},
        // Two frames of exactly 4096: kept.
        {"[Personality]\r\nLeft=p.bmp\r\nLeftFrame=2\r\n", 8192, 1,
         [](const TSkinData& d) -> const TBitmap32& { return d.Model().FrameLeft->Image; }, true},
        // Top frames are stacked: 8192 rows make two frames of 4096, 8194 two of 4097.
        {"[Personality]\r\nTop=p.bmp\r\nTopFrame=2\r\n", 1, 8192,
         [](const TSkinData& d) -> const TBitmap32& { return d.Model().FrameTop->Image; }, true},
        {"[Personality]\r\nTop=p.bmp\r\nTopFrame=2\r\n", 1, 8194,
         [](const TSkinData& d) -> const TBitmap32& { return d.Model().FrameTop->Image; }, false},
        // A progress chunk of 1 x 200,000.
        {"[Progress]\r\nBitmap=q.bmp\r\nChunk=p.bmp\r\nStyle=1\r\n", 1, 200'000,
         [](const TSkinData& d) -> const TBitmap32& { return d.Model().Progress->Image2; }, false},
        // A one-frame check mark 5000 pixels wide.
        {"[Buttons]\r\nCheckButton=p.bmp\r\nCheckButtonFrame=1\r\n", 5000, 13,
         [](const TSkinData& d) -> const TBitmap32& { return d.Model().Buttons->CheckImage; }, false},
    };
    for (const PictureCase& c : cases) {
        SCOPED_TRACE(std::string(c.description) + std::to_string(c.width) + " x " + std::to_string(c.height));
        const std::vector<std::uint8_t> file = test::SkinFile(
            c.description, {{"p.bmp", test::MonochromeBmp(c.width, c.height)}, {"q.bmp", test::Bmp(2, 2)}});
        TSkinData d(nullptr);
        std::vector<std::string> warnings;
        test::ResetPeak();
        ASSERT_TRUE(d.LoadSkinBytes(file, &warnings));
        // The decoded picture (4 bytes a pixel) and the file, held at most once more each.
        EXPECT_LE(test::PeakSinceReset(),
                  2 * (4 * std::int64_t{c.width} * c.height + std::int64_t(file.size())) + (256 << 10));
        EXPECT_EQ(c.picture(d).Empty(), !c.kept);
        EXPECT_EQ(Warned(warnings, "larger than 4096 x 4096: left empty"), !c.kept);
    }
}

TEST(SkinLimitsTest, SumsOfSizesAndOffsetsStopAtTheIntLimits) {
    const TFrameSizes frame{5, 30, 5, 6, 20};
    const TWindowSize size = WindowSizeFor(IntMax - 4, IntMin + 1, frame);
    EXPECT_EQ(size.width, IntMax);
    EXPECT_EQ(size.height, IntMin + 57);
    EXPECT_EQ(ClientRectOf({IntMin, IntMin, IntMax, IntMax}, frame),
              (TSkinRect{IntMin + 5, IntMin + 50, IntMax - 5, IntMax - 6}));

    TDataSkinSysButton button("B");
    button.Align = 1;
    button.Xcoord = -4096;
    int rightmost = 0;
    TCaptionPlacement where;
    where.windowWidth = IntMax - 100;
    EXPECT_EQ(PlaceCaptionButton(button, 18, 18, where, rightmost), (TSkinRect{IntMax, 0, IntMax, 18}));
    EXPECT_EQ(rightmost, IntMax);

    TTitleLayout title;
    title.textShift = 4096;
    title.backLeft = title.backRight = 1024;
    const TSkinRect box = PlaceTitleBox({IntMax - 10, 0, IntMax, 30}, IntMax, 14, title);
    EXPECT_EQ(box, (TSkinRect{IntMax, 8, IntMax, 22}));

    std::vector<TBarItem> items(2);
    items[0].hasCaption = items[1].hasCaption = true;
    items[0].textWidth = items[1].textWidth = IntMax;
    LayOutBarItems(items, {0, 20, 100, 40}, 6, false);
    EXPECT_EQ(items[0].rect, (TSkinRect{6, 20, IntMax, 39}));
    EXPECT_EQ(items[1].rect, (TSkinRect{IntMax, 20, IntMax, 39}));

    EXPECT_TRUE(TBitmap32(4, 4).Copy(IntMax, IntMax, IntMax, IntMax).Empty());
    EXPECT_EQ(TBitmap32(4, 4).Copy(2, 1, IntMax, IntMax).Width(), 2);
}

} // namespace
} // namespace quellar
