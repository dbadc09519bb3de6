#include "ui/Forms.h"

#include "base/Exception.h"
#include "ui/Dialogs.h"
#include "ui/ErrorText.h"
#include "ui/ExceptionBoundary.h"
#include "ui/HintWindow.h"
#include "ui/Menus.h"

#include <commctrl.h>

#include <algorithm>

namespace quellar {

TApplication* Application = nullptr;

namespace {
constexpr UINT_PTR kHintTimer = 1;
constexpr UINT kHintPauseMs = 500;    // rest time of the mouse before a hint shows
constexpr int kHintCursorOffset = 20; // the hint's distance below the cursor, in pixels

TCustomForm* FormOf(HWND hwnd) {
    HWND root = GetAncestor(hwnd, GA_ROOT);
    return dynamic_cast<TCustomForm*>(TWinControl::FromHandle(root));
}

bool FocusWants(UINT code) {
    HWND focus = GetFocus();
    return focus != nullptr && (SendMessageA(focus, WM_GETDLGCODE, 0, 0) & code) != 0;
}
} // namespace

void ApplicationHandleException(const std::exception& error, const TComponent* source) {
    if (Application != nullptr) {
        Application->HandleException(error, source);
    } else {
        ShowMessageBox(nullptr, WithFullStop(error.what()), "Error", MB_OK | MB_ICONSTOP);
    }
}

void ApplicationControlDestroyed(TControl* control) {
    if (Application != nullptr) {
        Application->ControlDestroyed(control);
    }
}

void ApplicationMouseOver(TControl* control) {
    if (Application != nullptr) {
        Application->MouseOver(control);
    }
}

// ---- TApplication ----

TApplication::TApplication() : TComponent(nullptr) {
    if (Application == nullptr) {
        Application = this;
    }
}

TApplication::~TApplication() {
    // The forms go first (they are owned), while the application window still exists.
    while (!Components().empty()) {
        delete Components().back();
    }
    delete hint_;
    hint_ = nullptr;
    if (handle_ != nullptr) {
        DestroyWindow(handle_);
    }
    if (Application == this) {
        Application = nullptr;
    }
}

void TApplication::Initialize() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_USEREX_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    if (handle_ != nullptr) {
        return;
    }
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    if (!GetClassInfoExA(GetModuleHandleA(nullptr), "TApplication", &wc)) {
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = AppWndProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hIcon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.lpszClassName = "TApplication";
        RegisterClassExA(&wc);
    }
    // Zero-sized at the screen's centre: it is never seen, only its taskbar entry is.
    const int cx = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int cy = GetSystemMetrics(SM_CYSCREEN) / 2;
    handle_ = CreateWindowExA(0, "TApplication", title_.c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, cx, cy,
                              0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (handle_ == nullptr) {
        throw Exception("Cannot create the application window");
    }
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
    if (handle_ != nullptr) {
        SetWindowTextA(handle_, title_.c_str());
    }
}

LRESULT CALLBACK TApplication::AppWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return Guarded([&] { return AppMessage(hwnd, msg, wParam, lParam); },
                   [&] { return DefWindowProcA(hwnd, msg, wParam, lParam); });
}

LRESULT TApplication::AppMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TApplication* app = Application;
    if (app != nullptr && app->handle_ == hwnd) {
        switch (msg) {
        case WM_TIMER:
            if (wParam == kHintTimer) {
                KillTimer(hwnd, kHintTimer);
                app->ShowHintNow();
                return 0;
            }
            break;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_RESTORE && IsIconic(hwnd)) {
                app->Restore();
                return 0;
            }
            break;
        case WM_MEASUREITEM:
        case WM_DRAWITEM: // items of the popup menu it shows
            if (DispatchPopupOwnerDraw(msg, lParam)) {
                return TRUE;
            }
            break;
        case WM_MENUCHAR:
            if (LRESULT answer = 0; AnswerMenuChar(wParam, lParam, answer)) {
                return answer;
            }
            break;
        case WM_CLOSE:
            if (app->mainForm_ != nullptr) {
                app->mainForm_->Close();
            }
            return 0;
        default:
            break;
        }
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void TApplication::Run() {
    if (terminateRequested_) {
        terminated_ = true; // told to end before the loop ran: the main form is never shown
        return;
    }
    if (mainForm_ != nullptr && ShowMainForm) {
        if (handle_ != nullptr) {
            ShowWindow(handle_, SW_SHOWNORMAL);
        }
        mainForm_->Show();
    }
    while (!terminated_) {
        HandleMessage();
    }
}

void TApplication::Terminate() {
    if (!terminateRequested_) {
        terminateRequested_ = true;
        PostQuitMessage(0);
    }
}

bool TApplication::HandleMessage() {
    MSG msg;
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
        terminated_ = true;
        return false;
    }
    Dispatch(msg);
    return true;
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            return;
        }
        Dispatch(msg);
    }
}

void TApplication::Dispatch(MSG& msg) {
    if (PreTranslate(msg)) {
        return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

bool TApplication::PreTranslate(MSG& msg) {
    switch (msg.message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        CancelHint();
        break;
    default:
        break;
    }
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        // A menu item's shortcut acts before the focused control sees the key.
        TCustomForm* form = FormOf(msg.hwnd);
        if (const int shortCut = ShortCutOfKey(msg.wParam, msg.lParam);
            form != nullptr && shortCut != 0 && form->IsShortCut(shortCut)) {
            return true;
        }
    }
    const bool dialogChar =
        msg.message == WM_SYSCHAR || (msg.message == WM_CHAR && !FocusWants(DLGC_WANTCHARS));
    if (dialogChar) {
        if (TCustomForm* form = FormOf(msg.hwnd); form != nullptr) {
            return form->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0;
        }
    }
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && !FocusWants(DLGC_WANTTAB)) {
        if (TCustomForm* form = FormOf(msg.hwnd); form != nullptr) {
            const bool back = GetKeyState(VK_SHIFT) < 0;
            if (HWND next = GetNextDlgTabItem(form->Handle(), GetFocus(), back ? TRUE : FALSE)) {
                SetFocus(next);
            }
            return true;
        }
    }
    return false;
}

void TApplication::HandleException(const std::exception& error, const TComponent* source) {
    auto& open = errorSources_;
    if (source != nullptr && std::find(open.begin(), open.end(), source) != open.end()) {
        return;
    }
    open.push_back(source);
    // The source leaves the list however the box returns, an exception included.
    struct Closed {
        std::vector<const TComponent*>& sources;
        const TComponent* source;
        ~Closed() { sources.erase(std::find(sources.begin(), sources.end(), source)); }
    } closed{open, source};
    ShowMessageBox(handle_, WithFullStop(error.what()), title_, MB_OK | MB_ICONSTOP);
}

void TApplication::Minimize() {
    if (handle_ != nullptr) {
        ShowWindow(handle_, SW_MINIMIZE);
    }
}

void TApplication::Restore() {
    if (handle_ != nullptr && IsIconic(handle_)) {
        ShowWindow(handle_, SW_RESTORE);
    }
    if (mainForm_ != nullptr && mainForm_->Visible()) {
        ShowWindow(mainForm_->Handle(), SW_SHOW);
    }
}

void TApplication::MouseOver(TControl* control) {
    if (control == nullptr) {
        // Leaving a window for one of the program's own: its mouse move reports the new control.
        POINT p{};
        GetCursorPos(&p);
        if (TWinControl::FromHandle(WindowFromPoint(p)) != nullptr) {
            return;
        }
    }
    if (control == hover_) {
        return;
    }
    TControl* previous = hover_;
    hover_ = control;
    CancelHint();
    if (previous != nullptr) {
        previous->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(previous));
    }
    if (control != nullptr && hover_ == control) {
        control->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(control));
        if (control->ShowHint() && !control->Hint().empty() && handle_ != nullptr) {
            SetTimer(handle_, kHintTimer, kHintPauseMs, nullptr);
        }
    }
}

void TApplication::ShowHintNow() {
    if (hover_ == nullptr || hover_->Hint().empty()) {
        return;
    }
    if (hint_ == nullptr) {
        hint_ = new THintWindow();
    }
    POINT p{};
    GetCursorPos(&p);
    hint_->ActivateHint(p.x, p.y + kHintCursorOffset, hover_->Hint());
}

void TApplication::CancelHint() {
    if (handle_ != nullptr) {
        KillTimer(handle_, kHintTimer);
    }
    if (hint_ != nullptr && hint_->Handle() != nullptr) {
        ShowWindow(hint_->Handle(), SW_HIDE);
    }
}

void TApplication::ControlDestroyed(TControl* control) {
    if (hover_ == control) {
        hover_ = nullptr;
        CancelHint();
    }
}

// ---- TCustomForm ----

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
    SetVisible(false);
    if (Application != nullptr) {
        Application->forms_.push_back(this);
    }
}

TCustomForm::~TCustomForm() {
    if (Application != nullptr) {
        auto& forms = Application->forms_;
        forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
        if (Application->mainForm_ == this) {
            Application->mainForm_ = nullptr;
        }
    }
    if (OnDestroy) {
        try {
            OnDestroy(this);
        } catch (const std::exception& error) {
            ApplicationHandleException(error, this);
        }
    }
}

DWORD TCustomForm::Style() const {
    DWORD style = WS_CAPTION | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (borderIcons_ & biSystemMenu) {
        style |= WS_SYSMENU;
        style |= (borderIcons_ & biMinimize) ? WS_MINIMIZEBOX : 0;
        style |= (borderIcons_ & biMaximize) ? WS_MAXIMIZEBOX : 0;
    }
    if (borderStyle_ == TBorderStyle::bsSizeable) {
        style |= WS_THICKFRAME;
    } else {
        style |= WS_BORDER;
    }
    return style;
}

void TCustomForm::SetClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    RECT r{0, 0, width, height};
    // The native menu bar takes its height from the window, not from the client area.
    AdjustWindowRectEx(&r, Style(), menu_ != nullptr ? TRUE : FALSE, 0);
    SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
}

void TCustomForm::CreateParams(TCreateParams& params) {
    SetClientSize(clientWidth_, clientHeight_); // the border icons may have changed since
    params.style = Style();
    params.parent = Application != nullptr ? Application->Handle() : nullptr;
}

void TCustomForm::PlaceOnScreen() {
    if (placed_) {
        return;
    }
    placed_ = true;
    if (position_ != TPosition::poDesigned) {
        const int x = (GetSystemMetrics(SM_CXSCREEN) - Width()) / 2;
        const int y = (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2;
        SetBounds(x, y, Width(), Height());
    }
    // Make the client area exactly the size asked for, whatever the frame turned out to be.
    RECT client{};
    GetClientRect(Handle(), &client);
    const int dw = clientWidth_ - client.right;
    const int dh = clientHeight_ - client.bottom;
    if ((dw != 0 || dh != 0) && clientWidth_ > 0) {
        SetBounds(Left(), Top(), Width() + dw, Height() + dh);
    }
}

void TCustomForm::Show() {
    HandleNeeded();
    PlaceOnScreen();
    SetVisible(true);
}

void TCustomForm::VisibleChanged() {
    if (HandleAllocated()) {
        ShowWindow(Handle(), Visible() ? SW_SHOW : SW_HIDE);
    }
}

void TCustomForm::Close() {
    if (Application != nullptr && Application->MainForm() == this) {
        Application->Terminate();
    } else {
        Hide();
    }
}

void TCustomForm::DoCreate() {
    if (!OnCreate) {
        return;
    }
    try {
        OnCreate(this);
    } catch (const std::exception& error) {
        ApplicationHandleException(error, this);
    }
}

void TCustomForm::SetMenu(TMainMenu* menu) {
    if (menu_ != nullptr) {
        RemoveFreeNotification(menu_);
        menu_->SetWindow(nullptr);
    }
    menu_ = menu;
    if (menu_ != nullptr) {
        FreeNotification(menu_);
    }
    if (clientWidth_ > 0 || clientHeight_ > 0) {
        SetClientSize(clientWidth_, clientHeight_); // with or without the bar's height
    }
    if (HandleAllocated()) {
        InitializeWindow();
    }
}

void TCustomForm::InitializeWindow() {
    ::SetMenu(Handle(), menu_ != nullptr ? menu_->Handle() : nullptr);
    if (menu_ != nullptr) {
        menu_->SetWindow(Handle());
    }
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == menu_) {
        menu_ = nullptr;
        if (HandleAllocated() && IsWindow(Handle())) {
            ::SetMenu(Handle(), nullptr);
        }
    }
}

bool TCustomForm::IsShortCut(int shortCut) {
    if (menu_ != nullptr && menu_->DispatchShortCut(shortCut)) {
        return true;
    }
    for (TComponent* component : Components()) {
        if (auto* popup = dynamic_cast<TPopupMenu*>(component);
            popup != nullptr && popup->DispatchShortCut(shortCut)) {
            return true;
        }
    }
    return false;
}

// Commands of the menu bar, and drawing and measuring of owner-drawn menu items.
bool TCustomForm::MenuMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_COMMAND:
        return message.LParam == 0 && HIWORD(message.WParam) == 0 && menu_ != nullptr &&
               menu_->DispatchCommand(LOWORD(message.WParam));
    case WM_MEASUREITEM:
    case WM_DRAWITEM: {
        if (message.WParam != 0) {
            return false;
        }
        const bool measure = message.Msg == WM_MEASUREITEM;
        const bool done =
            (menu_ != nullptr &&
             (measure ? menu_->DispatchMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam))
                      : menu_->DispatchDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam)))) ||
            DispatchPopupOwnerDraw(message.Msg, message.LParam);
        message.Result = done ? TRUE : 0;
        return done;
    }
    default:
        return false;
    }
}

void TCustomForm::WndProc(TMessage& message) {
    if (MenuMessage(message)) {
        return;
    }
    switch (message.Msg) {
    case WM_CLOSE:
        Close();
        break;
    case WM_SYSCOMMAND:
        if ((message.WParam & 0xFFF0) == SC_MINIMIZE && Application != nullptr &&
            Application->MainForm() == this) {
            Application->Minimize();
        } else {
            TWinControl::WndProc(message);
        }
        break;
    case CM_DIALOGCHAR:
        message.Result = Broadcast(CM_DIALOGCHAR, message.WParam, message.LParam);
        break;
    default:
        TWinControl::WndProc(message);
        break;
    }
}

} // namespace quellar
