// TWinControl: a control with a window of its own: making, adopting and destroying the window,
// its place in the window's subclass chain, its child controls, routing the mouse to windowless
// children and painting them.
#include "ui/Controls.h"

#include "base/Exception.h"
#include "ui/WinUtil.h"

#include <algorithm>
#include <cctype>

namespace quellar {

namespace {
constexpr const char* kControlProp = "QuellarControl";

bool RegisterOwnClass(const std::string& name, WNDPROC proc) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExA(GetModuleHandleA(nullptr), name.c_str(), &existing)) {
        return true;
    }
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    // The control's link joins the chain at WM_NCCREATE (CreateWindowEx's last argument).
    wc.lpfnWndProc = proc != nullptr ? proc : SubclassChain::OwnClassProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hIcon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    wc.lpszClassName = name.c_str();
    return RegisterClassExA(&wc) != 0;
}
} // namespace

// ---- TWinControl ----

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    NotifyWatcher(); // while the window is still there to be given back
    DestroyHandle();
    for (TControl* c : controls_) {
        c->parent_ = nullptr;
    }
    controls_.clear();
}

TWinControl* TWinControl::FromHandle(HWND hwnd) {
    if (hwnd == nullptr) {
        return nullptr;
    }
    return static_cast<TWinControl*>(GetPropA(hwnd, kControlProp));
}

HWND TWinControl::Handle() {
    HandleNeeded();
    return handle_;
}

void TWinControl::HandleNeeded() {
    if (handle_ != nullptr) {
        return;
    }
    if (Parent() != nullptr) {
        Parent()->HandleNeeded(); // creates this window too
    }
    if (handle_ == nullptr) {
        CreateWnd();
    }
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.style = WS_CHILD | WS_CLIPSIBLINGS;
    if (Parent() != nullptr) {
        params.parent = Parent()->Handle();
    }
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    ownClass_ = params.className.empty();
    const std::string cls = !ownClass_                    ? params.className
                            : params.ownClassName.empty() ? std::string(ClassName())
                                                          : params.ownClassName;
    if (ownClass_ && !RegisterOwnClass(cls, params.classProc)) {
        throw Exception("Cannot register window class " + cls);
    }
    if (Visible()) {
        params.style |= WS_VISIBLE;
    }
    if (!Enabled()) {
        params.style |= WS_DISABLED;
    }
    if (tabStop_) {
        params.style |= WS_TABSTOP;
    }
    HWND hwnd = CreateWindowHandle(params, cls, ownClass_ ? static_cast<TSubclassHandler*>(&link_) : nullptr);
    if (hwnd == nullptr) {
        throw Exception("Error creating window " + Name());
    }
    AttachHandle(hwnd);
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
    InitializeWindow();
    for (TControl* c : controls_) {
        if (auto* w = dynamic_cast<TWinControl*>(c); w != nullptr && !w->HandleAllocated()) {
            w->CreateWnd();
        }
    }
    AlignControls();
}

HWND TWinControl::CreateWindowHandle(const TCreateParams& params, const std::string& className,
                                     TSubclassHandler* link) {
    return CreateWindowExA(params.exStyle, className.c_str(), caption_.c_str(), params.style, Left(), Top(),
                           Width(), WindowHeight(), params.parent, nullptr, GetModuleHandleA(nullptr), link);
}

HWND TWinControl::TakeHandle() {
    HWND hwnd = handle_;
    DetachHandle();
    return hwnd;
}

void TWinControl::AttachHandle(HWND hwnd) {
    handle_ = hwnd;
    SetPropA(hwnd, kControlProp, this);
    if (!ownClass_) { // our own classes joined at WM_NCCREATE
        SubclassChain::Attach(hwnd, &link_);
    }
}

void TWinControl::DetachHandle() {
    if (handle_ == nullptr) {
        return;
    }
    RemovePropA(handle_, kControlProp);
    SubclassChain::Detach(handle_, &link_);
    handle_ = nullptr;
    captureControl_ = nullptr;
}

void TWinControl::DestroyHandle() {
    if (handle_ == nullptr) {
        return;
    }
    HWND hwnd = handle_;
    // This object may be half destroyed: its window's last messages go straight to the default.
    DetachHandle();
    DestroyWindow(hwnd);
}

bool TWinControl::ChainMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    TWinControl& self = *this;
    if (self.handle_ == nullptr) {
        self.handle_ = window; // messages before CreateWindowEx returns (own classes)
        SetPropA(window, kControlProp, &self);
    }
    TMessage m{message, wParam, lParam, 0};
    try {
        m.Result = self.links_.Deliver(window, message, wParam, lParam);
    } catch (const std::exception& error) {
        ApplicationHandleException(error, &self);
    } catch (...) {
        // Nothing may unwind through the platform's frames.
        ApplicationHandleException(Exception("Unknown error"), &self);
    }
    if (message == WM_NCDESTROY) {
        self.DetachHandle();
    }
    result = m.Result;
    return true;
}

void TWinControl::DefaultHandler(TMessage& message) {
    if (handle_ == nullptr) {
        message.Result = 0;
        return;
    }
    message.Result = SubclassChain::CallNext(handle_, message.Msg, message.WParam, message.LParam);
}

void TWinControl::InsertControl(TControl* control) {
    controls_.push_back(control);
    control->parent_ = this;
    if (auto* w = dynamic_cast<TWinControl*>(control); w != nullptr) {
        if (w->HandleAllocated() && handle_ != nullptr) {
            ::SetParent(w->handle_, handle_);
        } else if (handle_ != nullptr && !control->Loading()) {
            w->CreateWnd();
        }
    } else if (handle_ != nullptr) {
        control->Invalidate();
    }
}

void TWinControl::RemoveControl(TControl* control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    if (captureControl_ == control) {
        captureControl_ = nullptr;
    }
    control->parent_ = nullptr;
}

TGraphicControl* TWinControl::GraphicControlAt(POINT p) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        auto* g = dynamic_cast<TGraphicControl*>(*it);
        if (g == nullptr || !g->Visible()) {
            continue;
        }
        RECT r = g->BoundsRect();
        if (PtInRect(&r, p)) {
            return g;
        }
    }
    return nullptr;
}

std::string TWinControl::Caption() const {
    if (handle_ != nullptr) {
        return HwndGetText(handle_);
    }
    return caption_;
}

bool TWinControl::Focused() const {
    return handle_ != nullptr && GetFocus() == handle_;
}

void TWinControl::SetFocus() {
    ::SetFocus(Handle());
}

void TWinControl::Invalidate() {
    if (handle_ != nullptr) {
        InvalidateRect(handle_, nullptr, TRUE);
    }
}

void TWinControl::PaintControls(HDC dc) {
    RECT clip{};
    GetClipBox(dc, &clip);
    for (TControl* c : controls_) {
        auto* g = dynamic_cast<TGraphicControl*>(c);
        if (g == nullptr || !g->Visible()) {
            continue;
        }
        RECT bounds = g->BoundsRect();
        RECT overlap{};
        if (!IntersectRect(&overlap, &bounds, &clip)) {
            continue;
        }
        SavedDc saved(dc);
        OffsetViewportOrgEx(dc, g->Left(), g->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, g->Width(), g->Height());
        g->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
}

LRESULT TWinControl::Broadcast(UINT msg, WPARAM wParam, LPARAM lParam) {
    const std::vector<TControl*> children = controls_;
    for (TControl* c : children) {
        if (LRESULT r = c->Perform(msg, wParam, lParam); r != 0) {
            return r;
        }
        if (auto* w = dynamic_cast<TWinControl*>(c); w != nullptr) {
            if (LRESULT r = w->Broadcast(msg, wParam, lParam); r != 0) {
                return r;
            }
        }
    }
    return 0;
}

void TWinControl::Loaded() {
    TControl::Loaded();
    if (handle_ == nullptr && Parent() != nullptr && Parent()->HandleAllocated()) {
        CreateWnd();
    }
}

void TWinControl::PaintWindow(HDC dc) {
    RECT r{};
    GetClientRect(handle_, &r);
    FillRectColor(dc, r, Color());
}

LRESULT TWinControl::ControlColor(HDC dc) {
    SetTextColor(dc, ColorToRGB(Enabled() ? Font().Color() : clGrayText));
    SetBkColor(dc, ColorToRGB(Color()));
    if (brush_.Get() == nullptr) {
        brush_.Reset(CreateSolidBrush(ColorToRGB(Color())));
    }
    return reinterpret_cast<LRESULT>(brush_.Get());
}

bool TWinControl::ReflectToChild(TMessage& message) {
    HWND child = nullptr;
    UINT reflected = 0;
    switch (message.Msg) {
    case WM_COMMAND:
        child = reinterpret_cast<HWND>(message.LParam);
        reflected = CN_COMMAND;
        break;
    case WM_NOTIFY:
        child = reinterpret_cast<NMHDR*>(message.LParam)->hwndFrom;
        reflected = CN_NOTIFY;
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        child = reinterpret_cast<HWND>(message.LParam);
        reflected = message.Msg == WM_HSCROLL ? CN_HSCROLL : CN_VSCROLL;
        break;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
        child = reinterpret_cast<HWND>(message.LParam);
        reflected = CN_BASE + message.Msg;
        break;
    default:
        return false;
    }
    TWinControl* target = FromHandle(child);
    if (target == nullptr || target == this) {
        return false;
    }
    message.Result = target->Perform(reflected, message.WParam, message.LParam);
    return true;
}

void TWinControl::RouteMouse(TMessage& message) {
    POINT p{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
    TGraphicControl* target = captureControl_ != nullptr ? captureControl_ : GraphicControlAt(p);
    if (message.Msg == WM_MOUSEMOVE) {
        ApplicationMouseOver(target != nullptr ? static_cast<TControl*>(target) : this);
        TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, handle_, 0};
        TrackMouseEvent(&tme);
    }
    if (target == nullptr || (!target->Enabled() && captureControl_ == nullptr)) {
        DefaultHandler(message);
        return;
    }
    const LPARAM local = MAKELPARAM(p.x - target->Left(), p.y - target->Top());
    if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) {
        captureControl_ = target;
        SetCapture(handle_);
    }
    if (message.Msg == WM_LBUTTONUP) {
        // Released before the control sees the button-up, which may run a click handler: one
        // that opens a message box or a menu runs a loop in which the mouse must reach every
        // window by its place, not this one, and not the clicked control again.
        captureControl_ = nullptr;
        ReleaseCapture();
    }
    target->Perform(message.Msg, message.WParam, local);
}

// A framework window paints its background, a platform control itself; the windowless
// controls on top are painted into the same device context. A device context in wParam is
// painted as it is (the whole client area), without a paint cycle of the window's own.
void TWinControl::PaintHandler(TMessage& message) {
    if (!ownClass_ && std::none_of(controls_.begin(), controls_.end(), [](TControl* c) {
            return dynamic_cast<TGraphicControl*>(c) != nullptr;
        })) {
        DefaultHandler(message);
        return;
    }
    auto given = reinterpret_cast<HDC>(message.WParam);
    PAINTSTRUCT ps{};
    HDC dc = given != nullptr ? given : BeginPaint(handle_, &ps);
    if (ownClass_) {
        PaintWindow(dc);
    } else {
        TMessage inner{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
        DefaultHandler(inner);
    }
    PaintControls(dc);
    if (given == nullptr) {
        EndPaint(handle_, &ps);
    }
}

void TWinControl::PaintBuffered() {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(handle_, &ps);
    RECT client{};
    GetClientRect(handle_, &client);
    {
        const MemoryDc memory(dc);
        const GdiObject bitmap(
            CreateCompatibleBitmap(dc, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1)));
        if (memory.Get() != nullptr && bitmap.Get() != nullptr) {
            DcSelect selected(memory.Get(), bitmap.Get());
            // Through the links, so a skin in front of the control paints into the bitmap too.
            Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory.Get()), 0);
            Perform(WM_PAINT, reinterpret_cast<WPARAM>(memory.Get()), 0);
            BitBlt(dc, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
        } else {
            Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0); // no memory: paint directly
        }
    }
    EndPaint(handle_, &ps);
}

void TWinControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_PAINT:
        if (doubleBuffered_ && message.WParam == 0) {
            PaintBuffered();
        } else {
            PaintHandler(message);
        }
        break;
    case WM_ERASEBKGND:
        if (ownClass_) {
            message.Result = 1; // painted with the rest in WM_PAINT
        } else {
            DefaultHandler(message);
        }
        break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        RouteMouse(message);
        break;
    case WM_MOUSELEAVE:
        ApplicationMouseOver(nullptr);
        DefaultHandler(message);
        break;
    case WM_SIZE:
        DefaultHandler(message);
        AlignControls();
        break;
    case WM_KILLFOCUS:
        DefaultHandler(message);
        Perform(CM_EXIT);
        break;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
        if (!ReflectToChild(message)) {
            DefaultHandler(message);
        }
        break;
    case CN_CTLCOLORBTN:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORLISTBOX:
        message.Result = ControlColor(reinterpret_cast<HDC>(message.WParam));
        break;
    default:
        TControl::WndProc(message);
        break;
    }
}

void TWinControl::BoundsChanged() {
    if (handle_ != nullptr) {
        MoveWindow(handle_, Left(), Top(), Width(), WindowHeight(), TRUE);
    }
}

void TWinControl::TextChanged() {
    if (handle_ != nullptr) {
        SetWindowTextA(handle_, caption_.c_str());
    }
}

void TWinControl::EnabledChanged() {
    if (handle_ != nullptr) {
        EnableWindow(handle_, Enabled() ? TRUE : FALSE);
    }
}

void TWinControl::VisibleChanged() {
    if (handle_ != nullptr) {
        ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
    }
}

void TWinControl::ColorChanged() {
    brush_.Reset(); // platform controls ask for their background brush again
    Invalidate();
    for (TControl* c : controls_) {
        c->ParentColorChanged(Color());
    }
}

void TWinControl::FontChanged() {
    brush_.Reset();
    if (handle_ != nullptr) {
        SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
    }
    for (TControl* c : controls_) {
        c->ParentFontChanged(Font());
    }
}

void TWinControl::AlignControls() {
    if (handle_ == nullptr) {
        return;
    }
    RECT client{};
    GetClientRect(handle_, &client);
    AdjustClientRect(client);
    for (TControl* c : controls_) {
        if (c->align_ == TAlign::alTop) {
            c->SetBounds(client.left, client.top, client.right - client.left, c->Height());
            client.top += c->Height();
        }
    }
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (c->align_ == TAlign::alBottom) {
            c->SetBounds(client.left, client.bottom - c->Height(), client.right - client.left, c->Height());
            client.bottom -= c->Height();
        } else if (c->align_ == TAlign::alClient) {
            c->SetBounds(client.left, client.top, client.right - client.left, client.bottom - client.top);
        }
    }
}

} // namespace quellar
