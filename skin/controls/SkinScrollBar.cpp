#include "skin/controls/SkinScrollBar.h"

#include "skin/controls/ControlPaint.h"
#include "skin/model/SkinDataPlatform.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/Raster.h"

#include <algorithm>

namespace quellar {

namespace {
constexpr int kThickness = 16;   // the work bitmap's thickness, scaled to the arrow size on the window
constexpr int kLargest = 10000;  // bars and windows beyond this are not drawn
constexpr int kArrowFrames = 23; // the "Scrollbar" strip
constexpr int kMinThumbNt = 8;   // the smallest thumb of a bar with a page
constexpr int kArrowFrame[4] = {1, 5, 9, 13}; // left, right, up, down; pressed is the next frame

TScrollValues ReadValues(HWND window, int bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    if (!GetScrollInfo(window, bar, &info)) {
        return {};
    }
    return {info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos};
}
} // namespace

TSkinScrollBar::~TSkinScrollBar() {
    alive_.reset();
}

void TSkinScrollBar::Attach(TControlSkinSet& owner, TSkinData& skin, const TSkinTarget& target) {
    auto* windowed = dynamic_cast<TWinControl*>(target.control);
    const bool buffered = windowed != nullptr && windowed->DoubleBuffered();
    TSkinTarget frameOnly = target;
    frameOnly.colorFlag = false;
    TSkinControl::Attach(owner, skin, frameOnly);
    // The bars live in the frame: a buffered client paint gains nothing and the platform's own
    // controls (edits) paint themselves better unbuffered.
    if (windowed != nullptr) {
        windowed->SetDoubleBuffered(buffered);
    }
}

void TSkinScrollBar::AfterAttach() {
    tracking_ = horzBusy_ = vertBusy_ = false;
    SetWindowPos(hold_.Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool TSkinScrollBar::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_NCCALCSIZE:
        hold_.PassOn(message);
        return false;
    case WM_NCMOUSEMOVE:
        return message.WParam != HTHSCROLL && message.WParam != HTVSCROLL;
    case WM_NCLBUTTONDOWN:
        return !ownThumbDrag_ || !StartThumbDrag(message);
    case WM_HSCROLL:
    case WM_VSCROLL:
        ScrollMessage(message);
        return false;
    case WM_CAPTURECHANGED:
        if (tracking_) {
            dragEnded_ = true; // taken away by someone else: wake the loop so it ends
            PostMessageA(hold_.Handle(), WM_NULL, 0, 0);
        }
        return true;
    default:
        return TSkinControl::BeforeMessage(message);
    }
}

void TSkinScrollBar::ScrollMessage(TMessage& message) {
    const bool horizontal = message.Msg == WM_HSCROLL;
    switch (LOWORD(message.WParam)) {
    case SB_LINEUP:
        partState_ = horizontal ? 1 : 3;
        break;
    case SB_LINEDOWN:
        partState_ = horizontal ? 2 : 4;
        break;
    case SB_THUMBTRACK:
        partState_ = horizontal ? 5 : 6;
        break;
    default:
        partState_ = 0;
        break;
    }
    bool& busy = horizontal ? horzBusy_ : vertBusy_;
    busy = true; // the control redraws that bar its own way meanwhile
    const std::weak_ptr<bool> alive = alive_;
    hold_.PassOn(message);
    if (alive.expired() || LifeState() != slAttached) {
        return;
    }
    busy = false;
    Repaint();
}

void TSkinScrollBar::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_NCPAINT:
        Repaint();
        break;
    case WM_PRINT:
        Repaint(reinterpret_cast<HDC>(message.WParam));
        break;
    case WM_PAINT:
        // A client paint may come with a buffer's or the client's DC: the bars are in the frame.
        Repaint();
        break;
    default:
        TSkinControl::AfterMessage(message);
        break;
    }
}

bool TSkinScrollBar::Measure() {
    HWND window = hold_.Handle();
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
    const bool horizontal = (style & WS_HSCROLL) != 0 || horzBusy_;
    const bool vertical = (style & WS_VSCROLL) != 0 || vertBusy_;
    RECT outer{}, client{};
    if ((!horizontal && !vertical) || !GetWindowRect(window, &outer) || !GetClientRect(window, &client) ||
        outer.left > kLargest || outer.top > kLargest) {
        return false;
    }
    arrow_ = GetSystemMetrics(SM_CXHSCROLL);
    const TScrollFrame frame{static_cast<int>(outer.right - outer.left),
                             static_cast<int>(outer.bottom - outer.top),
                             static_cast<int>(client.right),
                             static_cast<int>(client.bottom),
                             horizontal,
                             vertical,
                             (exStyle & WS_EX_LEFTSCROLLBAR) != 0,
                             arrow_,
                             GetSystemMetrics(SM_CXEDGE)};
    const TBarLayout layout = LayOutBars(frame);
    bars_[bHorz].rect = layout.horizontal;
    bars_[bVert].rect = layout.vertical;
    corner_ = layout.corner;
    return true;
}

void TSkinScrollBar::ReadThumb(TBarIndex bar) {
    TBar& b = bars_[bar];
    const auto length = static_cast<int>(bar == bHorz ? b.rect.Width() : b.rect.Height());
    b.values = ReadValues(hold_.Handle(), bar == bHorz ? SB_HORZ : SB_VERT);
    // A degenerate range (a memo emptied after scrolling) keeps the last thumb for the hit
    // test, but has nothing to scroll: no thumb is shown, as the platform's own bar shows none.
    b.thumbShown =
        ComputeThumb(b.values, length, arrow_, kMinThumbNt, GetSystemMetrics(SM_CXHTHUMB), b.thumb);
}

void TSkinScrollBar::PaintSkin(HDC dc, const RECT& rect) {
    (void)rect; // the bars' places come from the frame's own measures
    const TDataSkinObject* arrows = Skin().Model().Scrollbar.get();
    if (arrows == nullptr || arrows->Image.Empty() || !Measure()) {
        return;
    }
    if (!bars_[bHorz].rect.Empty() && !horzBusy_) {
        PaintBar(dc, bHorz);
    }
    if (!bars_[bVert].rect.Empty() && !vertBusy_) {
        PaintBar(dc, bVert);
    }
    if (!corner_.Empty()) {
        HBRUSH face = CreateSolidBrush(FaceColour(Skin()));
        const RECT r{corner_.left, corner_.top, corner_.right, corner_.bottom};
        FillRect(dc, &r, face);
        DeleteObject(face);
    }
}

void TSkinScrollBar::PaintBar(HDC dc, TBarIndex bar) {
    const bool horz = bar == bHorz;
    TBar& b = bars_[bar];
    const auto length = static_cast<int>(horz ? b.rect.Width() : b.rect.Height());
    if (length <= 0 || length > kLargest) {
        return;
    }
    // Composed lying down whatever the bar's direction; a vertical bar is turned when scaled.
    const int w = horz ? length : kThickness, h = horz ? kThickness : length;
    auto along = [horz](int from, int to) {
        return horz ? TSkinRect{from, 0, to, kThickness} : TSkinRect{0, from, kThickness, to};
    };
    TBitmap32 work(w, h, PixelOf(ResolveColour(Skin().Model().Colours.Scrollbar)));
    const int a = length < 2 * arrow_ ? length / 2 : arrow_;
    if (const TDataSkinObject* track =
            horz ? Skin().Model().HorzScroll.get() : Skin().Model().VertScroll.get();
        track != nullptr) {
        DrawFrame(work, along(a, length - a), *track, 4, 1);
    }
    const TDataSkinObject& strip = *Skin().Model().Scrollbar.get();
    const int first = kArrowFrame[horz ? 0 : 2] + (partState_ == (horz ? 1 : 3) ? 1 : 0);
    const int second = kArrowFrame[horz ? 1 : 3] + (partState_ == (horz ? 2 : 4) ? 1 : 0);
    const TBitmap32& image = strip.Image;
    StretchPixels(work, along(0, a), image, FrameCell(image.Width(), image.Height(), kArrowFrames, first),
                  TTransparency::trMagenta);
    StretchPixels(work, along(length - a, length), image,
                  FrameCell(image.Width(), image.Height(), kArrowFrames, second), TTransparency::trMagenta);
    ReadThumb(bar);
    const TDataSkinObject* thumb =
        horz ? Skin().Model().HorzScrollThumb.get() : Skin().Model().VertScrollThumb.get();
    if (thumb != nullptr && !thumb->Image.Empty() && b.thumbShown && b.thumb.track >= b.thumb.length &&
        b.thumb.length > 0) {
        const int frame = partState_ == (horz ? 5 : 6) ? 2 : 1;
        const TSkinRect at = along(arrow_ + b.thumb.offset, arrow_ + b.thumb.offset + b.thumb.length);
        const TBitmap32 face = ComposeNineSlice(
            thumb->Image, FrameCell(thumb->Image.Width(), thumb->Image.Height(), thumb->FrameCount, frame),
            static_cast<int>(at.Width()), static_cast<int>(at.Height()),
            {thumb->LeftWidth, thumb->TopHeight, thumb->RightWidth, thumb->BottomHeight}, false);
        CopyPixels(work, at.left, at.top, face, {0, 0, face.Width(), face.Height()},
                   thumb->Trans == 1 ? TTransparency::trMagenta : TTransparency::trOpaque);
    }
    HDC source = SharedPaintSurface().Load(work);
    if (source != nullptr) {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, b.rect.left, b.rect.top, static_cast<int>(b.rect.Width()),
                   static_cast<int>(b.rect.Height()), source, 0, 0, w, h, SRCCOPY);
    }
}

} // namespace quellar
