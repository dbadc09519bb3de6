// The thumb drag the scroll bar skin runs itself: the mouse is captured and the thread's
// messages are taken here, waiting for each, until the button is let go, Esc is pressed, the
// capture is lost or the program is asked to quit.
#include "skin/controls/SkinScrollBar.h"

#include <windowsx.h>

#include <algorithm>

namespace quellar {

namespace {
// Moves beyond this many pixels are taken as this many: the track is never longer.
constexpr long long kOffsetLimit = 1 << 20;

// The pointer of a mouse message in screen coordinates: taken from the message itself, so a
// queued move counts where it happened, not where the pointer is by the time it is read.
POINT ScreenPointOf(const MSG& msg) {
    POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    if (msg.message == WM_MOUSEMOVE) {
        ClientToScreen(msg.hwnd, &p);
    }
    return p;
}

// However the loop ends, the skin is left not tracking and not busy, and the capture is given
// back; nothing of a skin freed meanwhile is touched.
class TDragReset {
public:
    TDragReset(std::weak_ptr<bool> alive, bool& tracking, bool& horzBusy, bool& vertBusy, HWND window)
        : alive_(std::move(alive)), tracking_(tracking), horzBusy_(horzBusy), vertBusy_(vertBusy),
          window_(window) {}
    ~TDragReset() {
        if (!alive_.expired()) {
            tracking_ = horzBusy_ = vertBusy_ = false;
        }
        if (GetCapture() == window_) {
            ReleaseCapture();
        }
    }
    TDragReset(const TDragReset&) = delete;
    TDragReset& operator=(const TDragReset&) = delete;

private:
    std::weak_ptr<bool> alive_;
    bool& tracking_;
    bool& horzBusy_;
    bool& vertBusy_;
    HWND window_;
};
} // namespace

bool TSkinScrollBar::StartThumbDrag(const TMessage& press) {
    if ((press.WParam != HTHSCROLL && press.WParam != HTVSCROLL) || !Measure()) {
        return false;
    }
    const TBarIndex bar = press.WParam == HTHSCROLL ? bHorz : bVert;
    ReadThumb(bar);
    RECT window{};
    GetWindowRect(hold_.Handle(), &window);
    // The press and the bar measured in the same (window) coordinates, from the bar's start.
    const POINT at{GET_X_LPARAM(press.LParam), GET_Y_LPARAM(press.LParam)};
    const int p =
        bar == bHorz ? at.x - window.left - bars_[bar].rect.left : at.y - window.top - bars_[bar].rect.top;
    partState_ = bar == bHorz ? 5 : 6;
    if (!bars_[bar].thumbShown || HitTestBar(p, arrow_, bars_[bar].thumb) != shThumb) {
        return false;
    }
    Repaint();
    RunDrag(bar, at);
    return true;
}

void TSkinScrollBar::RunDrag(TBarIndex bar, POINT start) {
    HWND window = hold_.Handle();
    const std::weak_ptr<bool> alive = alive_;
    const TBar from = bars_[bar]; // the range and track the drag maps onto
    int last = from.values.position;
    TDragReset reset(alive, tracking_, horzBusy_, vertBusy_, window);
    tracking_ = true;
    dragEnded_ = false;
    SetCapture(window);
    MSG msg{};
    while (!dragEnded_) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam)); // for the loop that runs the program
            break;
        }
        if (got < 0) {
            break;
        }
        if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP ||
            (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)) {
            break;
        }
        if (msg.message != WM_MOUSEMOVE && msg.message != WM_NCMOUSEMOVE) {
            TranslateMessage(&msg);
        }
        DispatchMessageA(&msg);
        if (alive.expired() || !IsWindow(window)) {
            return;
        }
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
            const POINT p = ScreenPointOf(msg);
            const long long moved = bar == bHorz ? p.x - start.x : p.y - start.y;
            const auto offset = static_cast<int>(
                std::clamp<long long>(from.thumb.offset + moved, -kOffsetLimit, kOffsetLimit));
            Follow(bar, from, offset, last);
            if (alive.expired() || !IsWindow(window)) {
                return;
            }
        }
    }
    FinishDrag(bar, last);
}

void TSkinScrollBar::Follow(TBarIndex bar, const TBar& at, int offset, int& last) {
    const TDragStep step = DragPosition(offset, at.values, at.thumb);
    if (step.position == last) {
        return;
    }
    // The full position goes to the bar before the control hears of it: the message carries
    // only its low 16 bits, and a control with a larger range reads it back from the bar.
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_POS;
    info.nPos = step.position;
    SetScrollInfo(hold_.Handle(), bar == bHorz ? SB_HORZ : SB_VERT, &info, FALSE);
    bars_[bar].thumb.offset = step.offset;
    last = step.position;
    SendMessageA(hold_.Handle(), bar == bHorz ? WM_HSCROLL : WM_VSCROLL,
                 MAKEWPARAM(SB_THUMBTRACK, static_cast<WORD>(step.position)), 0);
}

void TSkinScrollBar::FinishDrag(TBarIndex bar, int last) {
    tracking_ = false;
    HWND window = hold_.Handle();
    const UINT message = bar == bHorz ? WM_HSCROLL : WM_VSCROLL;
    const std::weak_ptr<bool> alive = alive_;
    SendMessageA(window, message, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(last)), 0);
    if (!alive.expired() && IsWindow(window)) {
        PostMessageA(window, message, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
    }
}

} // namespace quellar
