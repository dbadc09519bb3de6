// Skin files made to take the program down: each load ends as the damaged-file rules say
// (not loaded, or loaded with empty or shared pictures), within a bound on the memory it holds
// and a time that grows linearly with the file, and never with an exception past the loader.
#include "skin/model/BitmapFile.h"
#include "skin/model/SkinDescription.h"
#include "skin/model/WinSkinData.h"
#include "skin/package/SkinReader.h"
#include "tests/skin/CountingAllocator.h"
#include "tests/skin/HostileSkins.h"

#include "tests/support/SkinFiles.h"
#include "tests/support/SkinMessageCatcher.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <algorithm>
#include <functional>

namespace quellar {
namespace {

constexpr std::int64_t MB = 1 << 20;

// Every picture the description of a hostile package names, element by element.
std::vector<const TBitmap32*> Pictures(const TSkinData& d) {
    std::vector<const TBitmap32*> out = {&d.Model().FrameLeft->Image, &d.Model().FrameTop->Image,
                                         &d.Model().Title->Image, &d.Model().Buttons->Image,
                                         &d.Model().Buttons->CheckImage};
    const TDataSkinObject* optional[] = {d.Model().Progress.get(), d.Model().MenuBar.get(),
                                         d.Model().Toolbars.get(), d.Model().Scrollbar.get(),
                                         d.Model().TrackbarThumbUp.get()};
    for (const TDataSkinObject* e : optional) {
        out.push_back(e == nullptr ? nullptr : &e->Image);
    }
    return out;
}

struct Family {
    const char* name;
    std::function<std::vector<std::uint8_t>()> package;
    bool loads;
    int bitmapsDecoded;     // bitmap members decoded once each
    bool picturesShared;    // every key's picture is the one decoded member
    std::int64_t extraHeld; // what the load may hold beyond two copies of the package
};

TEST(HostileSkinTest, EachFamilyEndsAsADamagedFileInBoundedMemory) {
    const Family families[] = {
        // 20 million empty names: the reader stops after the 1002nd, builds nothing more.
        {"names", [] { return test::ManyNamesPackage(20'000'000); }, false, 0, false, 1 * MB},
        // One 4096 x 4096 bitmap in every key: past the skin's pixel bound, so each picture is
        // empty and nothing is decoded.
        {"one huge bitmap", [] { return test::OneHugeBitmapPackage(4096); }, true, 0, false, 1 * MB},
        // One 2048 x 2048 bitmap (16 MB) in every key: within the bound, decoded once and shared;
        // only the combo button's mirror image and the MDI buttons' cuts are pictures of their own.
        {"one large bitmap", [] { return test::OneHugeBitmapPackage(2048); }, true, 1, true, 49 * MB},
        // Twenty different 2048 x 2048 bitmaps: decoded until the bound is reached, the rest empty.
        {"many large bitmaps", [] { return test::ManyHugeBitmapsPackage(2048, 20); }, true,
         static_cast<int>(MaxSkinPixels / (2048 * 2048)), false, 4 * MaxSkinPixels + 1 * MB},
    };
    test::SkinMessageCatcher messages;
    for (const Family& f : families) {
        SCOPED_TRACE(f.name);
        const std::vector<std::uint8_t> package = f.package();
        TSkinData d(nullptr);
        test::ResetPeak();
        EXPECT_EQ(d.LoadSkinPackage(package), f.loads);
        const std::int64_t peak = test::PeakSinceReset();
        EXPECT_EQ(d.SkinLoaded(), f.loads);
        EXPECT_LE(peak, 2 * static_cast<std::int64_t>(package.size()) + f.extraHeld);
        EXPECT_EQ(d.LoadStats().BitmapsDecoded, f.bitmapsDecoded);
        EXPECT_LE(d.LoadStats().PixelsDecoded, MaxSkinPixels);
        if (f.loads && f.bitmapsDecoded == 0) {
            for (const TBitmap32* p : Pictures(d)) {
                ASSERT_NE(p, nullptr);
                EXPECT_TRUE(p->Empty());
            }
        }
        if (f.picturesShared) {
            const TBitmap32& first = d.Model().FrameLeft->Image;
            EXPECT_EQ(first.Width(), 2048);
            for (const TBitmap32* p : Pictures(d)) {
                ASSERT_NE(p, nullptr);
                EXPECT_TRUE(p->SharesPixelsWith(first));
            }
        }
    }
    EXPECT_TRUE(messages.messages.empty());
}

// How the load time grows with the number of sections is measured in the skin benchmark.
TEST(HostileSkinTest, ManySectionsStillLeaveTheUsableOnesRead) {
    TSkinData d(nullptr);
    ASSERT_TRUE(d.LoadSkinPackage(test::ManySectionsPackage(100'000)));
    EXPECT_EQ(d.Model().FrameLeft->Image.Width(), 4) << "the usable sections after the extra ones are read";
    EXPECT_EQ(d.Model().Colours.ButtonFace, 0x001E140Au);
}

TEST(HostileSkinTest, AnyFailureWhileLoadingEndsAsNotLoaded) {
    const std::vector<std::uint8_t> good = test::SkinFile(
        "[Personality]\r\nLeft=l.bmp\r\n[Colours]\r\nMenu=1 2 3\r\n", {{"l.bmp", test::Bmp(8, 40)}});
    TSkinData d(nullptr);
    ASSERT_TRUE(d.LoadSkinBytes(good));

    // Memory running out at any point of the load, from the first allocation to the last.
    bool loaded = false;
    for (std::int64_t limit = 1; !loaded; limit *= 2) {
        test::FailAllocationsAbove(limit);
        loaded = d.LoadSkinBytes(good);
        test::FailAllocationsAbove(0);
        EXPECT_EQ(d.SkinLoaded(), loaded);
        if (!loaded) {
            EXPECT_FALSE(d.LoadStats().Failure.empty()) << "limit " << limit;
        }
    }

    // The decoder's exception: a length field beyond what the stream can hold.
    std::vector<std::uint8_t> tooLong = good;
    tooLong[3] = 0x03;
    EXPECT_FALSE(d.LoadSkinBytes(tooLong));
    EXPECT_NE(d.LoadStats().Failure.find("LZH"), std::string::npos);

    // A description larger than a skin's description may be.
    std::string big = "[Colours]\r\n";
    big.resize(MaxSkinDescriptionBytes + 1, ';');
    EXPECT_FALSE(d.LoadSkinPackage(BuildSkinPackage({{"skin.ini", test::Bytes(big)}})));
    EXPECT_FALSE(d.SkinLoaded());
}

} // namespace
} // namespace quellar
