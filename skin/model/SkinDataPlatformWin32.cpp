#include "skin/model/SkinDataPlatform.h"
#include "skin/model/WinSkinData.h"
#include "ui/Graphics.h"

#include <vector>

namespace quellar {

COLORREF ResolveColour(TSkinColor colour) {
    const auto value = static_cast<std::uint32_t>(colour);
    if ((value & 0xFF000000u) == 0xFF000000u) {
        return GetSysColor(static_cast<int>(value & 0xFF));
    }
    return static_cast<COLORREF>(value & 0x00FFFFFFu);
}

namespace {

// A device-dependent bitmap of the strip for the image list.
HBITMAP BitmapFromStrip(const TBitmap32& strip) {
    const BITMAPINFO info = TopDownDibInfo(strip.Width(), strip.Height());
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, strip.Width(), strip.Height());
    if (bitmap != nullptr) {
        SetDIBits(screen, bitmap, 0, static_cast<UINT>(strip.Height()), strip.Pixels().data(), &info,
                  DIB_RGB_COLORS);
    }
    ReleaseDC(nullptr, screen);
    return bitmap;
}

} // namespace

TSkinDataPlatform* CreateSkinDataPlatform(const TBitmap32& menuImages) {
    auto* platform = new TSkinDataPlatform;
    platform->MenuImages = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, menuImages.Width() / 16, 1);
    if (platform->MenuImages != nullptr && !menuImages.Empty()) {
        HBITMAP strip = BitmapFromStrip(menuImages);
        if (strip != nullptr) {
            ImageList_AddMasked(platform->MenuImages, strip, RGB(255, 255, 255));
            DeleteObject(strip);
        }
    }
    platform->AppIcon = nullptr;
    return platform;
}

void DestroySkinDataPlatform(TSkinDataPlatform* platform) {
    if (platform == nullptr) {
        return;
    }
    if (platform->MenuImages != nullptr) {
        ImageList_Destroy(platform->MenuImages);
    }
    if (platform->ButtonFaceBrush != nullptr) {
        DeleteObject(platform->ButtonFaceBrush);
    }
    if (platform->AppIcon != nullptr) {
        DeleteObject(platform->AppIcon);
    }
    delete platform;
}

void RecreateButtonFaceBrush(TSkinDataPlatform* platform, TSkinColor colour) {
    if (platform == nullptr) {
        return;
    }
    if (platform->ButtonFaceBrush != nullptr) {
        DeleteObject(platform->ButtonFaceBrush);
    }
    platform->ButtonFaceBrush = CreateSolidBrush(ResolveColour(colour));
}

void TSkinDataPlatformDeleter::operator()(TSkinDataPlatform* platform) const {
    DestroySkinDataPlatform(platform);
}

} // namespace quellar
