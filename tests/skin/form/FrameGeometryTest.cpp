// Where a skinned frame puts things: client rectangle, title box, caption buttons, hit codes,
// and the caption buttons' state machine. Numbers worked out by hand.
#include "skin/form/FrameGeometry.h"
#include "skin/form/NCObject.h"
#include "skin/model/SkinElements.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quellar {
namespace {

TEST(FrameGeometry, ClientRectKeepsInsideTheFrameAndNeverInverts) {
    const TFrameSizes frame{5, 26, 5, 5, 0};
    EXPECT_EQ((TSkinRect{105, 226, 595, 495}), ClientRectOf({100, 200, 600, 500}, frame));
    // Smaller than its frame: an empty client at the frame's inner edge, not an inverted one.
    const TSkinRect tiny = ClientRectOf({0, 0, 6, 20}, frame);
    EXPECT_EQ(tiny.right, tiny.left);
    EXPECT_EQ(tiny.bottom, tiny.top);
    // The main window keeps its 449 x 347 client whatever the frame.
    const TWindowSize size = WindowSizeFor(449, 347, {7, 30, 6, 8, 0});
    EXPECT_EQ(462, size.width);
    EXPECT_EQ(385, size.height);
}

TEST(FrameGeometry, BorderKindAndCaptionFlagsFollowTheStyle) {
    constexpr std::uint32_t popup = 0x80000000, caption = 0x00C00000, thick = 0x00040000,
                            sysMenu = 0x00080000;
    EXPECT_EQ(bkPopup, BorderKindOf(popup, 0));
    EXPECT_EQ(bkFixed, BorderKindOf(popup | caption, 0));
    EXPECT_EQ(bkSizeable, BorderKindOf(caption | thick, 0));
    EXPECT_EQ(bkSizeable, BorderKindOf(caption, 0x100)); // WS_EX_WINDOWEDGE
    EXPECT_EQ(cfSystemMenu | cfMinimizeBox, CaptionFlagsOf(sysMenu | 0x00020000, false));
    EXPECT_EQ(cfSystemMenu, CaptionFlagsOf(0, true)); // a system menu without the style bit
}

TEST(FrameGeometry, TitleBoxFollowsAlignmentShiftsAndClip) {
    const TSkinRect strip{5, 0, 205, 26}; // 200 wide, 26 high
    struct Case {
        int alignment;
        bool rtl, popup;
        int buttonsLeft;
        TSkinRect expected;
    } cases[] = {
        {0, false, false, 0, {5 + 6, 8, 5 + 6 + 70, 18}},   // TextShift 6
        {1, false, false, 0, {5 + 65, 8, 5 + 65 + 70, 18}}, // (200 - 70) / 2 = 65
        {2, false, false, 0, {5 + 122, 8, 5 + 192, 18}},    // 200 - 8 - 70 = 122
        {7, false, false, 0, {5, 8, 5 + 70, 18}},           // unknown alignment: 0
        {0, true, false, 0, {5 + 122, 8, 5 + 192, 18}},     // right-to-left: as alignment 2
        {0, false, true, 160, {5 + 6, 8, 155, 18}},         // popup: reaches to buttons - 5
    };
    for (const Case& c : cases) {
        TTitleLayout layout;
        layout.textAlignment = c.alignment;
        layout.textShift = 6;
        layout.textShiftVert = 1; // halved toward zero: no shift
        layout.textRightClip = 8;
        layout.backLeft = 4;
        layout.backRight = 6;
        layout.rightToLeft = c.rtl;
        layout.popup = c.popup;
        layout.rightAlignedButtonsLeft = c.buttonsLeft;
        // 60 x 10 of text, widened by the plate's 4 + 6; vertically (26 - 10) / 2 = 8.
        EXPECT_EQ(c.expected, PlaceTitleBox(strip, 60, 10, layout)) << c.alignment << c.rtl << c.popup;
    }
    // A long caption is cut at the strip's right end less TextRightClip.
    TTitleLayout layout;
    layout.textRightClip = 8;
    EXPECT_EQ(197, PlaceTitleBox(strip, 500, 10, layout).right);
}

TEST(FrameGeometry, CaptionButtonVisibilityTable) {
    struct Case {
        int visibility, visibility1, action;
        unsigned flags;
        bool active, maximized;
        int borderKind;
        bool visible;
    } cases[] = {
        {0, 0, 0, cfSystemMenu, true, false, bkSizeable, true},
        {0, 0, 0, 0, true, false, bkSizeable, false},              // close needs a system menu
        {0, 0, 5, 0, true, false, bkFixed, false},                 // fixed border hides visibility 0
        {0, 0, 1, cfSystemMenu, true, false, bkSizeable, false},   // maximise without the box
        {200, 0, 2, cfSystemMenu, true, false, bkSizeable, false}, // minimise without the box
        {1, 0, 5, 0, true, true, bkSizeable, true},                // shown while maximised
        {2, 0, 5, 0, true, true, bkSizeable, false},
        {3, 4, 5, 0, true, false, bkSizeable, false}, // active, but second says inactive
        {4, 100, 5, 0, false, false, bkSizeable, true},
        {6, 6, 1, cfMaximizeBox | cfSystemMenu, true, false, bkSizeable, true},
        {8, 0, 2, cfMinimizeBox, true, false, bkSizeable, false}, // needs a system menu too
        {9, 9, 5, 0, true, false, bkSizeable, true},
        {5, 0, 5, 0xFF, true, false, bkSizeable, false}, // never
        {2001, 0, 5, 0, true, false, bkSizeable, false}, // outside 200..2000: never
        {2000, 2000, 5, 0, true, false, bkSizeable, true},
        {100, 100, 7, 0, true, false, bkSizeable, false}, // MDI buttons: only with a maximised child
    };
    for (const Case& c : cases) {
        TDataSkinSysButton b("B");
        b.Visibility = c.visibility;
        b.Visibility1 = c.visibility1;
        b.Action = c.action;
        TCaptionState state{c.borderKind, c.flags, c.active, c.maximized, false, 0};
        EXPECT_EQ(c.visible, CaptionButtonVisible(b, state)) << c.visibility << "/" << c.visibility1;
    }
}

TEST(FrameGeometry, CaptionButtonsArePlacedByTheirAlignment) {
    TCaptionPlacement where;
    where.windowWidth = 300;
    where.titleBox = {40, 5, 140, 20};
    where.frame = {5, 26, 5, 5, 20};
    where.menuBarLeftWidth = 3;
    struct Case {
        int align, x, y;
        bool rtl;
        TSkinRect expected;
        int rightmost;
    } cases[] = {
        {0, 7, 4, false, {7, 4, 25, 20}, 0},        {1, 24, 4, false, {276, 4, 294, 20}, 276},
        {2, 2, 4, false, {20, 4, 38, 20}, 0},       // left of the title: 40 - 18 - 2
        {9, 2, 4, false, {142, 4, 160, 20}, 0},     // right of the title
        {100, 30, 0, false, {262, 28, 280, 44}, 0}, // menu bar: 300 - 30 - 5 - 3; 26 + (20 - 16) / 2
        {100, 30, 0, true, {38, 28, 56, 44}, 0},    // right to left: 30 + 3 + 5
        {42, 9, 9, false, {0, 0, 18, 16}, 0},       // unknown alignment stays at 0, 0
    };
    for (const Case& c : cases) {
        TDataSkinSysButton b("B");
        b.Align = c.align;
        b.Xcoord = c.x;
        b.Ycoord = c.y;
        where.rightToLeft = c.rtl;
        int rightmost = 0;
        EXPECT_EQ(c.expected, PlaceCaptionButton(b, 18, 16, where, rightmost)) << c.align;
        EXPECT_EQ(c.rightmost, rightmost) << c.align;
    }
}

TEST(FrameGeometry, HitTestOnlyReplacesNowhere) {
    EXPECT_EQ(HtNowhere, SkinHitTest(HtNowhere, 2, 26)); // the top 3 rows stay nothing
    EXPECT_EQ(HtCaption, SkinHitTest(HtNowhere, 4, 26));
    EXPECT_EQ(HtMenu, SkinHitTest(HtNowhere, 27, 26));
    EXPECT_EQ(12, SkinHitTest(12, 10, 26)); // HTTOP from the previous procedure stands
    // A sizeable window of 300 x 200 with borders 5, 26, 5, 5.
    const TFrameSizes frame{5, 26, 5, 5, 0};
    struct Sizing {
        int x, y, code;
    } sizing[] = {{2, 100, 10},  {297, 100, 11}, {150, 1, 12},   {150, 197, 15}, {2, 2, 13},   {10, 1, 13},
                  {298, 10, 14}, {2, 190, 16},   {290, 198, 17}, {150, 10, 0},   {150, 100, 0}};
    for (const Sizing& c : sizing) {
        EXPECT_EQ(c.code, SizingHitTest(c.x, c.y, 300, 200, frame)) << c.x << "," << c.y;
    }
    EXPECT_EQ(1, BorderFrame(false, 1));
    EXPECT_EQ(2, BorderFrame(false, 2));
    EXPECT_EQ(1, BorderFrame(true, 2));
}

// Records the painted states.
struct Host : TNCHost {
    void PaintItem(TNCObject& item) override { painted.push_back(item.state); }
    std::vector<int> painted;
};

TEST(NCObject, PressEnterLeaveMoveTheOneHotItem) {
    Host host;
    TNCObject a(host), b(host);
    a.Enter();
    a.Enter(); // already hot: nothing
    EXPECT_EQ(&a, host.hotItem);
    b.Press(); // a leaves first
    EXPECT_EQ(&b, host.hotItem);
    EXPECT_EQ(nsNormal, a.state);
    b.Release();
    EXPECT_EQ(nsHot, b.state);
    EXPECT_EQ(&b, host.hotItem);
    b.Leave();
    EXPECT_EQ(nullptr, host.hotItem);
    EXPECT_EQ((std::vector<int>{nsHot, nsNormal, nsPressed, nsHot, nsNormal}), host.painted);
    // A hidden item changes nothing.
    a.visible = false;
    a.Press();
    EXPECT_EQ(nullptr, host.hotItem);
    // A freed hot item is not left behind in its host.
    {
        TNCObject c(host);
        c.Enter();
    }
    EXPECT_EQ(nullptr, host.hotItem);
}

} // namespace
} // namespace quellar
