#pragma once
// The geometry of a skinned window's frame: the frame sizes a skin gives, the client rectangle
// inside them, the kind of border a window style asks for, where the title plate goes, which
// caption buttons show and where, and what a hit on the frame means. Pure functions over plain
// values, so the window object only asks and draws.
#include "skin/painter/PaintGeometry.h"

#include <cstdint>

namespace quellar {

class TSkinData;
class TDataSkinSysButton;

// Widths of the four borders and the menu bar's height, in pixels.
struct TFrameSizes {
    int left = 0, top = 0, right = 0, bottom = 0, menu = 0;
    friend bool operator==(const TFrameSizes&, const TFrameSizes&) = default;
};

// What a window shows as: restored, maximised or minimised.
enum TWindowState : int { wsRestored = 0, wsMaximized = 1, wsMinimized = 2 };

// How a window's own style shapes its frame.
enum TBorderKind : int {
    bkSizeable = 0, // WS_THICKFRAME or WS_EX_WINDOWEDGE
    bkPopup = 2,    // WS_POPUP without a full caption: keeps its own frame, never painted by us
    bkFixed = 3,
};
TBorderKind BorderKindOf(std::uint32_t style, std::uint32_t exStyle);

// Caption-style flags of a window.
enum TCaptionFlag : unsigned {
    cfMaximizeBox = 1,
    cfMinimizeBox = 2,
    cfSystemMenu = 8,
    cfCaptionRemoved = 0x10, // WS_CAPTION was taken away by the skin
};
unsigned CaptionFlagsOf(std::uint32_t style, bool hasSystemMenu);

// Left and right from the widths of the "Left" and "Right" images divided by their frame
// counts (frames side by side), top and bottom from the heights of "Top" and "Bottom" divided by
// theirs (frames stacked). All zero for a popup border or a skin that is not loaded.
TFrameSizes FrameSizesOf(const TSkinData& skin, TBorderKind kind);

// The client rectangle of a window rectangle inside the frame. It never inverts: a window
// smaller than its frame gets an empty client at the frame's inner edge.
TSkinRect ClientRectOf(const TSkinRect& window, const TFrameSizes& frame);

// The window size that keeps a client size with the given frame.
struct TWindowSize {
    int width = 0, height = 0;
};
TWindowSize WindowSizeFor(int clientWidth, int clientHeight, const TFrameSizes& frame);

// The title plate and text box inside the title strip.
struct TTitleLayout {
    int textAlignment = 0; // 0 left + TextShift, 1 centred, 2 right - TextRightClip
    int textShift = 0;
    int textShiftVert = 0;
    int textRightClip = 0;
    int backLeft = 0;  // TXTBackleft
    int backRight = 0; // TXTBackRight
    bool rightToLeft = false;
    bool popup = false;              // WS_POPUP: the box may grow up to the caption buttons
    int rightAlignedButtonsLeft = 0; // right-most left edge of right-aligned caption buttons
};
// `strip` is (left width, 0, W - right width, top height); textWidth x textHeight is the
// measured caption. The result is the plate's box (the text box widened by the plate margins).
TSkinRect PlaceTitleBox(const TSkinRect& strip, int textWidth, int textHeight, const TTitleLayout& layout);

// What decides whether a caption button shows.
struct TCaptionState {
    int borderKind = bkSizeable;
    unsigned captionFlags = 0;
    bool active = true;
    bool maximized = false;
    bool mdiChildMaximized = false; // an MDI frame whose active child is maximised
    int menuHeight = 0;
};
bool CaptionButtonVisible(const TDataSkinSysButton& button, const TCaptionState& state);

// Where a button of width x height goes, by its Align. windowWidth is W; rightmostLeft is
// raised to the left edge of a right-aligned (Align 1) button. Buttons of Align 100 sit in the
// menu bar: menuBarLeftWidth is the LeftWidth of the skin's MenuBar element (0 without one).
struct TCaptionPlacement {
    int windowWidth = 0;
    TSkinRect titleBox;
    TFrameSizes frame;
    int menuBarLeftWidth = 0;
    bool rightToLeft = false;
};
TSkinRect PlaceCaptionButton(const TDataSkinSysButton& button, int width, int height,
                             const TCaptionPlacement& where, int& rightmostLeft);

// The hit-test answer on a skinned frame: the previous procedure's answer stands unless it is
// HTNOWHERE; then a point below y = 3 (window coordinates) is the caption, and one below the
// title bar the menu bar.
inline constexpr int HtNowhere = 0, HtCaption = 2, HtMenu = 5;
int SkinHitTest(int previousAnswer, int windowY, int topHeight);

// On a restored sizeable window the skin's borders resize it: the sizing code (HTLEFT 10 to
// HTBOTTOMRIGHT 17) of a point in window coordinates on the left, right or bottom border or in
// the top 4 rows, with 16-pixel corners; 0 elsewhere.
int SizingHitTest(int x, int y, int width, int height, const TFrameSizes& frame);

// Frame k of a border piece: 1 for an active window or a single-frame image, else 2.
int BorderFrame(bool active, int frameCount);

} // namespace quellar
