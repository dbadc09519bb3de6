#include "ui/Controls.h"

#include "base/Exception.h"
#include "ui/MenuMnemonic.h"
#include "ui/WinUtil.h"

#include <algorithm>
#include <cctype>

namespace quellar {

bool IsAccel(unsigned ch, const std::string& caption) {
    const char mnemonic = MnemonicOf(caption);
    return mnemonic != 0 &&
           std::toupper(static_cast<unsigned char>(mnemonic)) == std::toupper(static_cast<int>(ch & 0xFF));
}

// ---- TControl ----

TControl::TControl(TComponent* owner) : TComponent(owner) {
    WindowProc = [this](TMessage& m) { WndProc(m); };
    links_.Attach(&ownLink_);
    font_.SetColor(clWindowText);
}

TControl::~TControl() {
    NotifyWatcher();
    ApplicationControlDestroyed(this);
    if (parent_ != nullptr) {
        if (parent_->HandleAllocated()) {
            RECT r = BoundsRect(); // a windowless control leaves its place to be repainted
            InvalidateRect(parent_->handle_, &r, TRUE);
        }
        parent_->RemoveControl(this);
    }
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) {
        return;
    }
    if (parent_ != nullptr) {
        parent_->RemoveControl(this);
    }
    if (parent != nullptr) {
        parent->InsertControl(this);
        if (parentFont_) {
            font_ = parent->Font();
            FontChanged();
            parentFont_ = true;
        }
        ParentColorChanged(parent->Color());
    }
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) {
        return;
    }
    if (dynamic_cast<TGraphicControl*>(this) != nullptr) {
        Invalidate(); // the old place
    }
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    BoundsChanged();
    if (parent_ != nullptr && align_ != TAlign::alNone && !Loading()) {
        parent_->AlignControls();
    }
}

void TControl::SetAlign(TAlign align) {
    align_ = align;
    if (parent_ != nullptr && !Loading()) {
        parent_->AlignControls();
    }
}

void TControl::SetCaption(const std::string& text) {
    if (text == Caption()) {
        return;
    }
    caption_ = text;
    TextChanged();
}

void TControl::SetEnabled(bool enabled) {
    if (enabled != enabled_) {
        enabled_ = enabled;
        Perform(CM_ENABLEDCHANGED);
    }
}

void TControl::SetVisible(bool visible) {
    if (visible != visible_) {
        visible_ = visible;
        VisibleChanged();
    }
}

bool TControl::Showing() const {
    if (!visible_) {
        return false;
    }
    return parent_ == nullptr || parent_->Showing();
}

void TControl::SetFont(const TFont& font) {
    font_ = font;
    parentFont_ = false;
    FontChanged();
}

void TControl::ParentFontChanged(const TFont& font) {
    if (parentFont_) {
        font_ = font;
        FontChanged();
    }
}

void TControl::SetColor(TColor color) {
    parentColor_ = false;
    if (color != color_) {
        color_ = color;
        ColorChanged();
    }
}

void TControl::SetParentColor(bool parentColor) {
    parentColor_ = parentColor;
    if (parentColor_ && parent_ != nullptr) {
        ParentColorChanged(parent_->Color());
    }
}

void TControl::ParentColorChanged(TColor color) {
    if (parentColor_ && color != color_) {
        color_ = color;
        ColorChanged();
    }
}

void TControl::NotifyWatcher() {
    if (TControlWatcher* watcher = watcher_; watcher != nullptr) {
        watcher_ = nullptr;
        watcher->ControlDestroying(*this);
    }
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto* win = dynamic_cast<const TWinControl*>(this);
    return links_.Deliver(win != nullptr ? win->handle_ : nullptr, msg, wParam, lParam);
}

bool TControl::OwnHandling(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    (void)window;
    TMessage m{message, wParam, lParam, 0};
    WindowProc(m);
    result = m.Result;
    return true;
}

void TControl::Click() {
    if (OnClick) {
        OnClick(this);
    }
}

void TControl::Invalidate() {}

POINT TControl::ClientToScreen(POINT p) const {
    const TControl* c = this;
    while (c != nullptr) {
        const auto* win = dynamic_cast<const TWinControl*>(c);
        if (win != nullptr && win->HandleAllocated()) {
            ::ClientToScreen(const_cast<TWinControl*>(win)->Handle(), &p);
            return p;
        }
        p.x += c->left_;
        p.y += c->top_;
        c = c->parent_;
    }
    return p;
}

void TControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_ENABLEDCHANGED:
        EnabledChanged();
        break;
    default:
        DefaultHandler(message);
        break;
    }
}

// ---- TGraphicControl ----

void TGraphicControl::Invalidate() {
    TWinControl* p = Parent();
    if (p != nullptr && p->HandleAllocated()) {
        RECT r = BoundsRect();
        InvalidateRect(p->Handle(), &r, TRUE);
    }
}

void TGraphicControl::VisibleChanged() {
    TWinControl* p = Parent();
    if (p != nullptr && p->HandleAllocated()) {
        RECT r = BoundsRect();
        InvalidateRect(p->Handle(), &r, TRUE);
    }
}

void TGraphicControl::WndProc(TMessage& message) {
    const int x = static_cast<short>(LOWORD(message.LParam));
    const int y = static_cast<short>(HIWORD(message.LParam));
    switch (message.Msg) {
    case WM_PAINT:
        if (message.WParam != 0) {
            Paint(reinterpret_cast<HDC>(message.WParam));
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        MouseDown(x, y);
        break;
    case WM_LBUTTONUP:
        MouseUp(x, y);
        break;
    case WM_MOUSEMOVE:
        MouseMove(x, y);
        break;
    default:
        TControl::WndProc(message);
        break;
    }
}

} // namespace quellar
