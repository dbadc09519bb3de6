// The artwork as Win32 icons: the pixels and their alpha arrive unchanged.
#include "TrayTestSupport.h"

#include "tray/TrayArtwork.h"

#include <gtest/gtest.h>

namespace quellar {
namespace {

// The icon's colour bitmap as 32-bit ARGB rows from the top.
std::vector<std::uint32_t> IconPixels(HICON icon, int size) {
    ICONINFO info{};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size * size), 0);
    if (!GetIconInfo(icon, &info)) {
        return {};
    }
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = size;
    header.bmiHeader.biHeight = -size;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    HDC dc = GetDC(nullptr);
    const int rows =
        GetDIBits(dc, info.hbmColor, 0, static_cast<UINT>(size), pixels.data(), &header, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return rows == size ? pixels : std::vector<std::uint32_t>{};
}

TEST(TrayArtwork, RadarFramesBecomeIconsWithTheDrawnPixels) {
    TTrayIconSet frames(TTrayIconSet::CreateRadarFrames());
    ASSERT_EQ(16, frames.Count());
    for (int i = 0; i < frames.Count(); i += 5) {
        ASSERT_NE(nullptr, frames.GetIcon(i));
        EXPECT_EQ(art::RadarFrame(i).argb, IconPixels(frames.GetIcon(i), 16)) << "frame " << i;
    }
    EXPECT_EQ(nullptr, frames.GetIcon(16));
    EXPECT_EQ(nullptr, frames.GetIcon(-1));
}

TEST(TrayArtwork, ProgramIconAndMenuPicturesAreMade) {
    HICON program = CreateProgramIcon();
    ASSERT_NE(nullptr, program);
    EXPECT_EQ(art::ProgramIcon(32).argb, IconPixels(program, 32));
    DestroyIcon(program);
    TTrayIconSet pictures(TTrayIconSet::CreateMenuPictures());
    ASSERT_EQ(4, pictures.Count());
    EXPECT_EQ(art::MenuPicture(art::mpExit).argb, IconPixels(pictures.GetIcon(3), 16));
}

TEST(TrayArtwork, AnimatedIconStepsThroughTheRadarFrames) {
    TTrayShellRecorder shell;
    TTrayIconSet frames(TTrayIconSet::CreateRadarFrames());
    TCoolTrayIcon tray(nullptr);
    tray.SetShell(&shell);
    tray.Loaded();
    tray.SetIconList(&frames);
    tray.SetCycleIcons(true);
    SendMessageA(tray.MessageWindow(), WM_TIMER, 1, 0);
    EXPECT_EQ(art::RadarFrame(1).argb, IconPixels(tray.Icon(), 16));
}

} // namespace
} // namespace quellar
