#include "skin/form/FrameGeometry.h"

#include "skin/model/WinSkinData.h"

#include <algorithm>

namespace quellar {

namespace {
// Style bits of the platform, kept here so this file builds anywhere.
constexpr std::uint32_t kPopup = 0x80000000, kCaption = 0x00C00000, kThickFrame = 0x00040000,
                        kSysMenu = 0x00080000, kMinimizeBox = 0x00020000, kMaximizeBox = 0x00010000;
constexpr std::uint32_t kExWindowEdge = 0x00000100;

int Divided(int size, int frameCount) {
    return size / std::max(1, frameCount);
}
} // namespace

TBorderKind BorderKindOf(std::uint32_t style, std::uint32_t exStyle) {
    if ((style & kPopup) != 0 && (style & kCaption) != kCaption) {
        return bkPopup;
    }
    return ((exStyle & kExWindowEdge) != 0 || (style & kThickFrame) != 0) ? bkSizeable : bkFixed;
}

unsigned CaptionFlagsOf(std::uint32_t style, bool hasSystemMenu) {
    unsigned flags = 0;
    if ((style & kMaximizeBox) != 0) {
        flags |= cfMaximizeBox;
    }
    if ((style & kMinimizeBox) != 0) {
        flags |= cfMinimizeBox;
    }
    if ((style & kSysMenu) != 0 || hasSystemMenu) {
        flags |= cfSystemMenu;
    }
    return flags;
}

TFrameSizes FrameSizesOf(const TSkinData& skin, TBorderKind kind) {
    if (kind == bkPopup || !skin.SkinLoaded()) {
        return {};
    }
    const TDataSkinBorder& l = *skin.Model().FrameLeft;
    const TDataSkinBorder& r = *skin.Model().FrameRight;
    const TDataSkinBorder& t = *skin.Model().FrameTop;
    const TDataSkinBorder& b = *skin.Model().FrameBottom;
    return {Divided(l.Image.Width(), l.FrameCount), Divided(t.Image.Height(), t.FrameCount),
            Divided(r.Image.Width(), r.FrameCount), Divided(b.Image.Height(), b.FrameCount), 0};
}

TSkinRect ClientRectOf(const TSkinRect& window, const TFrameSizes& frame) {
    using I = std::int64_t;
    TSkinRect client{
        SaturateInt(I{window.left} + frame.left), SaturateInt(I{window.top} + frame.top + frame.menu),
        SaturateInt(I{window.right} - frame.right), SaturateInt(I{window.bottom} - frame.bottom)};
    client.right = std::max(client.right, client.left);
    client.bottom = std::max(client.bottom, client.top);
    return client;
}

TWindowSize WindowSizeFor(int clientWidth, int clientHeight, const TFrameSizes& frame) {
    using I = std::int64_t;
    return {SaturateInt(I{clientWidth} + frame.left + frame.right),
            SaturateInt(I{clientHeight} + frame.top + frame.bottom + frame.menu)};
}

TSkinRect PlaceTitleBox(const TSkinRect& strip, int textWidth, int textHeight, const TTitleLayout& layout) {
    using I = std::int64_t;
    const I stripWidth = strip.Width();
    const I stripHeight = strip.Height();
    const I boxWidth = I{textWidth} + layout.backLeft + layout.backRight;
    I dx = 0;
    const int alignment = layout.rightToLeft ? 2 : layout.textAlignment;
    switch (alignment) {
    case 0:
        dx = layout.textShift;
        break;
    case 1:
        dx = (stripWidth - boxWidth) / 2;
        break;
    case 2:
        dx = stripWidth - layout.textRightClip - boxWidth;
        break;
    default:
        break;
    }
    const I dy = (stripHeight - textHeight) / 2 + layout.textShiftVert / 2;
    const I left = strip.left + dx;
    const I top = strip.top + dy;
    I right = left + boxWidth;
    if (layout.popup) {
        right = std::max(right, I{layout.rightAlignedButtonsLeft} - 5);
    } else {
        right = std::min(right, I{strip.right} - layout.textRightClip);
    }
    return {SaturateInt(left), SaturateInt(top), SaturateInt(right), SaturateInt(top + textHeight)};
}

namespace {
bool FirstCondition(const TDataSkinSysButton& b, const TCaptionState& s) {
    const bool maxBox = (s.captionFlags & cfMaximizeBox) != 0;
    const bool minBox = (s.captionFlags & cfMinimizeBox) != 0;
    const bool sysMenu = (s.captionFlags & cfSystemMenu) != 0;
    const int v = b.Visibility;
    switch (v) {
    case 0:
        return s.borderKind != bkFixed ? (b.Action != 0 || sysMenu) : false;
    case 1:
        return s.maximized;
    case 2:
        return !s.maximized;
    case 3:
        return s.active;
    case 4:
        return !s.active;
    case 6:
        return maxBox && sysMenu;
    case 7:
        return !maxBox;
    case 8:
        return minBox && sysMenu;
    case 9:
        return !minBox;
    case 100:
        return s.mdiChildMaximized && s.menuHeight > 0;
    default:
        return v >= 200 && v <= 2000;
    }
}

bool SecondCondition(const TDataSkinSysButton& b, const TCaptionState& s, bool first) {
    const bool maxBox = (s.captionFlags & cfMaximizeBox) != 0;
    const bool minBox = (s.captionFlags & cfMinimizeBox) != 0;
    const int v = b.Visibility1;
    switch (v) {
    case 0:
        return true;
    case 1:
        return s.maximized;
    case 2:
        return !s.maximized;
    case 3:
        return s.active;
    case 4:
        return !s.active;
    case 6:
        return maxBox;
    case 7:
        return !maxBox;
    case 8:
        return minBox;
    case 9:
        return !minBox;
    case 100:
        return first;
    default:
        return v >= 200 && v <= 2000;
    }
}
} // namespace

bool CaptionButtonVisible(const TDataSkinSysButton& button, const TCaptionState& state) {
    const bool first = FirstCondition(button, state);
    if (!first || !SecondCondition(button, state, first)) {
        return false;
    }
    if (button.Action == 1 && (state.captionFlags & cfMaximizeBox) == 0) {
        return false;
    }
    return !(button.Action == 2 && (state.captionFlags & cfMinimizeBox) == 0);
}

TSkinRect PlaceCaptionButton(const TDataSkinSysButton& button, int width, int height,
                             const TCaptionPlacement& where, int& rightmostLeft) {
    using I = std::int64_t;
    I x = 0;
    I y = 0;
    switch (button.Align) {
    case 0:
        x = button.Xcoord;
        y = button.Ycoord;
        break;
    case 1:
        x = I{where.windowWidth} - button.Xcoord;
        y = button.Ycoord;
        rightmostLeft = std::max(rightmostLeft, SaturateInt(x));
        break;
    case 2:
    case 8:
        x = I{where.titleBox.left} - width - button.Xcoord;
        y = button.Ycoord;
        break;
    case 3:
    case 9:
        x = I{button.Xcoord} + where.titleBox.right;
        y = button.Ycoord;
        break;
    case 100:
        y = where.frame.top + (I{where.frame.menu} - height) / 2;
        x = where.rightToLeft
                ? I{button.Xcoord} + where.menuBarLeftWidth + where.frame.left
                : I{where.windowWidth} - button.Xcoord - where.frame.right - where.menuBarLeftWidth;
        break;
    default:
        break;
    }
    return {SaturateInt(x), SaturateInt(y), SaturateInt(x + width), SaturateInt(y + height)};
}

int SkinHitTest(int previousAnswer, int windowY, int topHeight) {
    if (previousAnswer != HtNowhere) {
        return previousAnswer;
    }
    if (windowY > topHeight) {
        return HtMenu;
    }
    return windowY > 3 ? HtCaption : HtNowhere;
}

int SizingHitTest(int x, int y, int width, int height, const TFrameSizes& frame) {
    constexpr int kCorner = 16;
    const bool top = y <= 3;
    using I = std::int64_t;
    const bool bottom = y >= I{height} - frame.bottom;
    const bool left = x < frame.left;
    const bool right = x >= I{width} - frame.right;
    if (!(top || bottom || left || right)) {
        return HtNowhere;
    }
    const bool nearLeft = x < std::max(frame.left, kCorner);
    const bool nearRight = x >= I{width} - std::max(frame.right, kCorner);
    const bool nearTop = y < kCorner;
    const bool nearBottom = y >= I{height} - std::max(frame.bottom, kCorner);
    if ((top && nearLeft) || (left && nearTop)) {
        return 13; // HTTOPLEFT
    }
    if ((top && nearRight) || (right && nearTop)) {
        return 14; // HTTOPRIGHT
    }
    if ((bottom && nearLeft) || (left && nearBottom)) {
        return 16; // HTBOTTOMLEFT
    }
    if ((bottom && nearRight) || (right && nearBottom)) {
        return 17; // HTBOTTOMRIGHT
    }
    return left ? 10 : right ? 11 : top ? 12 : 15;
}

int BorderFrame(bool active, int frameCount) {
    return (active || frameCount <= 1) ? 1 : 2;
}

} // namespace quellar
