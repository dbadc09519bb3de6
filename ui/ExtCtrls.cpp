#include "ui/ExtCtrls.h"

#include "base/Exception.h"

#include "ui/ExceptionBoundary.h"
#include "ui/Forms.h"
#include "ui/JpegDecode.h"

#include <map>

namespace quellar {

// ---- TCustomPanel ----

TCustomPanel::TCustomPanel(TComponent* owner) : TWinControl(owner) {}

void TCustomPanel::SetBevelInner(TBevelCut cut) {
    bevelInner_ = cut;
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut cut) {
    bevelOuter_ = cut;
    Invalidate();
}

void TCustomPanel::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.style |= WS_CLIPCHILDREN;
    if (borderStyle_ == TPanelBorder::bsSingle) {
        params.exStyle |= WS_EX_CLIENTEDGE;
    }
}

void TCustomPanel::AdjustClientRect(RECT& rect) const {
    const int bevels =
        (bevelOuter_ != TBevelCut::bvNone ? 1 : 0) + (bevelInner_ != TBevelCut::bvNone ? 1 : 0);
    InflateRect(&rect, -bevels, -bevels); // one pixel per bevel
}

void TCustomPanel::PaintWindow(HDC dc) {
    RECT r{};
    GetClientRect(Handle(), &r);
    FillRectColor(dc, r, Color());
    auto bevel = [&](TBevelCut cut) {
        if (cut == TBevelCut::bvNone) {
            return;
        }
        DrawEdge(dc, &r, cut == TBevelCut::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    };
    bevel(bevelOuter_);
    bevel(bevelInner_);
    const std::string text = caption_;
    if (!text.empty()) {
        DcSelect font(dc, Font().Handle());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(Font().Color()));
        DrawTextA(dc, text.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

// ---- TImage ----

void TImage::SetPicture(const TBitmap& picture) {
    picture_.CopyFrom(picture.Handle());
    fileName_.clear();
    Invalidate();
}

void TImage::LoadFromFile(const std::string& fileName) {
    const TRgbImage image = LoadJpegFile(fileName);
    TBitmap bitmap(image.width, image.height);
    if (bitmap.Empty()) {
        throw Exception("Out of system resources");
    }
    std::uint32_t* out = bitmap.Pixels();
    const std::size_t count = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* p = &image.rgb[i * 3];
        out[i] = (static_cast<std::uint32_t>(p[0]) << 16) | (static_cast<std::uint32_t>(p[1]) << 8) | p[2];
    }
    picture_ = std::move(bitmap);
    fileName_ = fileName;
    Invalidate();
}

bool TImage::LoadFromResource(const std::string& name) {
    TBitmap bitmap;
    if (!bitmap.LoadFromResource(name.c_str())) {
        return false;
    }
    picture_ = std::move(bitmap);
    fileName_.clear();
    Invalidate();
    return true;
}

void TImage::SetStretch(bool stretch) {
    stretch_ = stretch;
    Invalidate();
}

void TImage::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Invalidate();
}

void TImage::Paint(HDC dc) {
    if (picture_.Empty()) {
        return;
    }
    if (transparent_ && !stretch_) {
        const std::uint32_t key =
            picture_.Pixels()[static_cast<std::size_t>(picture_.Height() - 1) * picture_.Width()];
        const RECT all{0, 0, picture_.Width(), picture_.Height()};
        DrawTransparent(dc, 0, 0, picture_, all, RGB((key >> 16) & 0xFF, (key >> 8) & 0xFF, key & 0xFF));
        return;
    }
    MemoryDc source;
    DcSelect sel(source.Get(), picture_.Handle());
    if (stretch_) {
        const int previous = SetStretchBltMode(dc, HALFTONE);
        StretchBlt(dc, 0, 0, Width(), Height(), source.Get(), 0, 0, picture_.Width(), picture_.Height(),
                   SRCCOPY);
        SetStretchBltMode(dc, previous);
    } else {
        BitBlt(dc, 0, 0, picture_.Width(), picture_.Height(), source.Get(), 0, 0, SRCCOPY);
    }
}

// ---- TTimer ----

namespace {
std::map<UINT_PTR, TTimer*>& RunningTimers() {
    static std::map<UINT_PTR, TTimer*> timers;
    return timers;
}
} // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
    enabled_ = false;
    UpdateTimer();
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled != enabled_) {
        enabled_ = enabled;
        UpdateTimer();
    }
}

void TTimer::SetInterval(unsigned milliseconds) {
    if (milliseconds != interval_) {
        interval_ = milliseconds;
        UpdateTimer();
    }
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
    OnTimer = std::move(handler);
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    if (id_ != 0) {
        KillTimer(nullptr, id_);
        RunningTimers().erase(id_);
        id_ = 0;
    }
    if (enabled_ && interval_ != 0 && OnTimer && !Destroying()) {
        id_ = SetTimer(nullptr, 0, interval_, &TimerProc);
        if (id_ != 0) {
            RunningTimers()[id_] = this;
            ++starts_;
        }
    }
}

void CALLBACK TTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    auto it = RunningTimers().find(id);
    if (it == RunningTimers().end()) {
        return;
    }
    TTimer* timer = it->second;
    // The handler's errors go to the application's error box; whatever escapes that (a
    // non-standard exception, a box that cannot be shown) stops here: the tick is lost.
    Guarded(
        [timer] {
            try {
                if (timer->OnTimer) {
                    timer->OnTimer(timer);
                }
            } catch (const std::exception& error) {
                ApplicationHandleException(error, timer);
            }
        },
        [] {});
}

} // namespace quellar
