#include "ui/ScrollCtrls.h"

#include <algorithm>

namespace quellar {

// ---- TScrollBar ----

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
}

void TScrollBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = "SCROLLBAR";
    params.style |= kind_ == TScrollBarKind::sbHorizontal ? SBS_HORZ : SBS_VERT;
}

void TScrollBar::InitializeWindow() {
    Apply();
}

int TScrollBar::Highest() const {
    return pageSize_ > 0 ? std::max(min_, max_ - pageSize_ + 1) : max_;
}

void TScrollBar::SetParams(int position, int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    const int before = position_;
    position_ = std::clamp(position, min_, Highest());
    Apply();
    if (position_ != before && OnChange && !Loading()) {
        OnChange(this);
    }
}

void TScrollBar::SetPageSize(int page) {
    pageSize_ = std::max(page, 0);
    SetParams(position_, min_, max_);
}

void TScrollBar::Apply() {
    if (!HandleAllocated()) {
        return;
    }
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    info.nMin = min_;
    info.nMax = max_;
    info.nPage = static_cast<UINT>(pageSize_);
    info.nPos = position_;
    SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

int TScrollBar::PositionFor(TScrollCode code, int trackPosition) const {
    switch (code) {
    case TScrollCode::scLineUp:
        return position_ - smallChange_;
    case TScrollCode::scLineDown:
        return position_ + smallChange_;
    case TScrollCode::scPageUp:
        return position_ - largeChange_;
    case TScrollCode::scPageDown:
        return position_ + largeChange_;
    case TScrollCode::scPosition:
    case TScrollCode::scTrack:
        return trackPosition;
    case TScrollCode::scTop:
        return min_;
    case TScrollCode::scBottom:
        return max_;
    case TScrollCode::scEndScroll:
        break;
    }
    return position_;
}

void TScrollBar::Scroll(TScrollCode code) {
    // The thumb's place in full: the message itself carries only 16 bits of it.
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(Handle(), SB_CTL, &info);
    int position = PositionFor(code, info.nTrackPos);
    if (OnScroll) {
        OnScroll(this, code, position);
    }
    SetPosition(position);
}

void TScrollBar::WndProc(TMessage& message) {
    if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) {
        const auto code = LOWORD(message.WParam);
        if (code <= SB_ENDSCROLL) {
            Scroll(static_cast<TScrollCode>(code));
        }
        return;
    }
    TWinControl::WndProc(message);
}

// ---- TCustomMemo ----

void TCustomMemo::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    params.style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
    const bool horizontal = scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth;
    const bool vertical = scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth;
    if (!horizontal) {
        params.style &= ~static_cast<DWORD>(ES_AUTOHSCROLL); // lines wrap at the right edge
    }
    params.style |= (horizontal ? WS_HSCROLL : 0) | (vertical ? WS_VSCROLL : 0);
}

std::vector<std::string> TCustomMemo::Lines() const {
    std::vector<std::string> lines;
    const std::string text = Text();
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (end == text.size() && line.empty() && start == text.size()) {
            break; // no empty line after a final line break
        }
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

void TCustomMemo::SetLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += (i == 0 ? "" : "\r\n") + lines[i];
    }
    SetText(text);
}

// ---- TScrollBox ----

TScrollBox::TScrollBox(TComponent* owner) : TWinControl(owner) {}

void TScrollBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.style |= WS_HSCROLL | WS_VSCROLL | WS_CLIPCHILDREN;
    params.exStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::UpdateRange() {
    if (!HandleAllocated()) {
        return;
    }
    // The contents measured where they would be unscrolled.
    int right = 0, bottom = 0;
    for (const TControl* c : Controls()) {
        right = std::max(right, c->Left() + c->Width() + offsetX_);
        bottom = std::max(bottom, c->Top() + c->Height() + offsetY_);
    }
    RECT client{};
    GetClientRect(Handle(), &client);
    const int extents[2] = {right, bottom};
    const int pages[2] = {static_cast<int>(client.right), static_cast<int>(client.bottom)};
    const int positions[2] = {offsetX_, offsetY_};
    for (int bar : {SB_HORZ, SB_VERT}) {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
        info.nMax = std::max(extents[bar] - 1, 0);
        info.nPage = static_cast<UINT>(std::max(pages[bar], 0));
        info.nPos = positions[bar];
        SetScrollInfo(Handle(), bar, &info, TRUE);
    }
}

void TScrollBox::Scroll(int bar, int code) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(Handle(), bar, &info);
    constexpr int kLine = 8;
    const int page = std::max(static_cast<int>(info.nPage), 1);
    int position = info.nPos;
    switch (code) {
    case SB_LINEUP:
        position -= kLine;
        break;
    case SB_LINEDOWN:
        position += kLine;
        break;
    case SB_PAGEUP:
        position -= page;
        break;
    case SB_PAGEDOWN:
        position += page;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        position = info.nTrackPos;
        break;
    case SB_TOP:
        position = info.nMin;
        break;
    case SB_BOTTOM:
        position = info.nMax;
        break;
    default:
        return;
    }
    position = std::clamp(position, info.nMin, std::max(info.nMin, info.nMax - page + 1));
    ScrollTo(bar == SB_HORZ ? position : offsetX_, bar == SB_VERT ? position : offsetY_);
}

void TScrollBox::ScrollTo(int x, int y) {
    const int dx = x - offsetX_, dy = y - offsetY_;
    if (dx == 0 && dy == 0) {
        return;
    }
    offsetX_ = x;
    offsetY_ = y;
    // Moved through the framework, so the controls' own bounds say where they are.
    for (TControl* c : Controls()) {
        c->SetBounds(c->Left() - dx, c->Top() - dy, c->Width(), c->Height());
    }
    UpdateRange();
    Invalidate();
}

void TScrollBox::WndProc(TMessage& message) {
    if ((message.Msg == WM_HSCROLL || message.Msg == WM_VSCROLL) && message.LParam == 0) {
        Scroll(message.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(message.WParam));
        return;
    }
    if (message.Msg == WM_SIZE) {
        TWinControl::WndProc(message);
        UpdateRange();
        return;
    }
    TWinControl::WndProc(message);
}

} // namespace quellar
