// The Windows part of the skin definition: the ButtonFace brush made at every load and the
// system-menu image list, checked against the real Win32 objects.
#include "skin/model/SkinDataPlatform.h"
#include "skin/model/MenuImages.h"
#include "skin/model/WinSkinData.h"

#include "tests/support/SkinFiles.h"

#include <gtest/gtest.h>

namespace quellar {
namespace {

COLORREF BrushColour(HBRUSH brush) {
    LOGBRUSH info = {};
    EXPECT_EQ(GetObjectA(brush, sizeof(info), &info), static_cast<int>(sizeof(info)));
    return info.lbColor;
}

TEST(SkinDataPlatform, ButtonFaceBrushIsRemadeInTheSkinColourAtEveryLoad) {
    TSkinData d(nullptr);
    ASSERT_NE(d.Platform(), nullptr);
    EXPECT_EQ(d.Platform()->ButtonFaceBrush, nullptr) << "no skin, no brush";
    d.SetSkinStream(test::SkinFile("[Colours]\r\nButtonFace=10 20 30\r\n"));
    ASSERT_TRUE(d.LoadSkinStore());
    ASSERT_NE(d.Platform()->ButtonFaceBrush, nullptr);
    EXPECT_EQ(BrushColour(d.Platform()->ButtonFaceBrush), RGB(10, 20, 30));
    d.SetSkinStream(test::SkinFile("[Colours]\r\n"));
    ASSERT_TRUE(d.LoadSkinStore());
    EXPECT_EQ(BrushColour(d.Platform()->ButtonFaceBrush), GetSysColor(COLOR_BTNFACE))
        << "system colour resolved";
}

TEST(SkinDataPlatform, MenuImagesAreSixteenPixelPicturesWithWhiteMasked) {
    TSkinData d(nullptr);
    HIMAGELIST list = d.Platform()->MenuImages;
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(list), MenuImageCount);
    int cx = 0;
    int cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
    EXPECT_EQ(cx, 16);
    EXPECT_EQ(cy, 16);
    // Drawn transparently over black, a white (masked) corner pixel stays black.
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP target = CreateCompatibleBitmap(screen, 16, 16);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, target);
    RECT all = {0, 0, 16, 16};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ASSERT_TRUE(ImageList_Draw(list, 4, dc, 0, 0, ILD_TRANSPARENT));
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 0));
    EXPECT_NE(GetPixel(dc, 2, 2), RGB(0, 0, 0)) << "the maximise frame is drawn";
    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(dc);
}

} // namespace
} // namespace quellar
