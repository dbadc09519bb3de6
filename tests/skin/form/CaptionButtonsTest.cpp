// The caption buttons laid out by themselves: their rectangles follow the window's width and
// the frame sizes, and hit-testing right after a resize finds the button under the point
// without a paint in between.
#include "skin/form/CaptionButtons.h"
#include "skin/model/WinSkinData.h"
#include "tests/support/SkinFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace quellar {
namespace {

// A close and a minimise button right-aligned, one at the left, one after the title box and
// one in the menu bar (a maximised MDI child's), each 16 x 14.
std::vector<std::uint8_t> ButtonSkin() {
    std::string ini = "[Personality]\nLeft=f.bmp\nRight=f.bmp\nTop=f.bmp\nBottom=f.bmp\n";
    const char* buttons[][4] = {{"Close", "0", "1", "22"},
                                {"Min", "2", "1", "40"},
                                {"Icon", "12", "0", "4"},
                                {"Help", "30", "3", "2"},
                                {"ChildClose", "62", "100", "10"}};
    for (const auto& b : buttons) {
        ini += std::string("[Button") + b[0] + "]\nAction=" + b[1] + "\nAlign=" + b[2] + "\nXcoord=" + b[3] +
               "\nYcoord=5\nVisibility=" + (std::string(b[2]) == "100" ? "100" : "0") +
               "\nVisibility1=0\nframe=4\nButtonImage=button.bmp\n";
    }
    return test::SkinFile(ini,
                          {{"f.bmp", test::Bmp(6, 6)},
                           {"button.bmp", test::Strip(16, 14, {0x101010, 0x202020, 0x303030, 0x404040})}});
}

class TFakeCaptionHost : public ICaptionHost, public TNCHost {
public:
    HWND Window() const override { return window; }
    TSkinData& Skin() const override { return *skin; }
    const TFrameSizes& Frame() const override { return frame; }
    TCaptionState CaptionState() const override {
        return {bkSizeable, cfMaximizeBox | cfMinimizeBox | cfSystemMenu, true, false, true, frame.menu};
    }
    bool RightToLeft() const override { return false; }
    int WindowState() const override { return wsRestored; }
    void SetWindowState(int) override {}
    TSkinRect TitleBoxFor(int width, int) override { return {frame.left + 30, 4, width / 2, 20}; }
    const TBitmap32& Icon() const override { return icon; }
    HMENU DropDownMenu() const override { return nullptr; }
    void SetDropDownMenu(HMENU) override {}
    void PaintItem(TNCObject&) override {}

    HWND window = nullptr;
    TSkinData* skin = nullptr;
    TFrameSizes frame{7, 24, 9, 5, 20};
    TBitmap32 icon;
};

TEST(CaptionButtons, RectanglesFollowTheWindowWidthAndHitTestingNeedsNoPaint) {
    TSkinData skin(nullptr);
    ASSERT_TRUE(skin.LoadSkinBytes(ButtonSkin()));
    TFakeCaptionHost host;
    host.skin = &skin;
    host.window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 30, 30, 200, 120, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, host.window);
    TCaptionButtons buttons(host, host);
    buttons.Build(skin);
    ASSERT_EQ(8u, buttons.List().size()) << "five, then the skin's three MDI buttons (no strip here)";
    // The menu-bar button sits frame.right + its Xcoord from the right, centred in the bar below
    // the title bar (the skin has no MenuBar element).
    const int barTop = 24 + (20 - 14) / 2;
    for (const int width : {200, 333, 641}) {
        SCOPED_TRACE(width);
        SetWindowPos(host.window, nullptr, 0, 0, width, 120, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        const TSkinRect expected[] = {{width - 22, 5, width - 6, 19},
                                      {width - 40, 5, width - 24, 19},
                                      {4, 5, 20, 19},
                                      {width / 2 + 2, 5, width / 2 + 18, 19},
                                      {width - 10 - 9, barTop, width - 10 - 9 + 16, barTop + 14}};
        // Asked straight after the resize: each button is found at its new place.
        for (std::size_t i = 0; i < 5; ++i) {
            const TSkinRect& r = expected[i];
            EXPECT_EQ(buttons.List()[i].get(), buttons.ButtonAt({r.left + 8, r.top + 7})) << "button " << i;
        }
        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_TRUE(buttons.List()[i]->visible) << "button " << i;
            EXPECT_EQ(expected[i], buttons.List()[i]->rect) << "button " << i;
        }
        EXPECT_EQ(nullptr, buttons.ButtonAt({width / 2 - 20, 10})) << "the title between them";
    }
    DestroyWindow(host.window);
}

} // namespace
} // namespace quellar
