// The application object: its hidden window, the message loop, the keyboard handed to forms
// before their controls, the hint shown under the mouse, and the last word on exceptions.
#include "ui/Forms.h"

#include "base/Exception.h"
#include "ui/Dialogs.h"
#include "ui/ErrorText.h"
#include "ui/ExceptionBoundary.h"
#include "ui/HintWindow.h"
#include "ui/Menus.h"
#include "ui/Messages.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

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
        wc.lpfnWndProc = SubclassChain::OwnClassProc;
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
                              0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), &link_);
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

bool TApplication::AppWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // A failure leaves this one message to the default procedure; the window keeps its link.
    return Guarded([&] { return AppMessage(hwnd, msg, wParam, lParam, result); }, [] { return false; });
}

bool TApplication::AppMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    TApplication* app = Application;
    if (app != nullptr && app->handle_ == hwnd) {
        switch (msg) {
        case WM_TIMER:
            if (wParam == kHintTimer) {
                KillTimer(hwnd, kHintTimer);
                app->ShowHintNow();
                result = 0;
                return true;
            }
            break;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_RESTORE && IsIconic(hwnd)) {
                app->Restore();
                result = 0;
                return true;
            }
            break;
        case WM_MEASUREITEM:
        case WM_DRAWITEM: // items of the popup menu it shows
            if (DispatchPopupOwnerDraw(msg, lParam)) {
                result = TRUE;
                return true;
            }
            break;
        case WM_MENUCHAR:
            if (AnswerMenuChar(wParam, lParam, result)) {
                return true;
            }
            break;
        case WM_CLOSE:
            if (app->mainForm_ != nullptr) {
                app->mainForm_->Close();
            }
            result = 0;
            return true;
        case CM_RELEASE:
            if (auto* form = reinterpret_cast<TCustomForm*>(lParam);
                std::find(app->forms_.begin(), app->forms_.end(), form) != app->forms_.end()) {
                delete form;
            }
            result = 0;
            return true;
        default:
            break;
        }
    }
    return false;
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
        // Ctrl+F4, Ctrl+F6 and the child's Alt+- menu go to the MDI client first.
        TCustomForm* form = FormOf(msg.hwnd);
        if (form != nullptr && form->ClientHandle() != nullptr &&
            TranslateMDISysAccel(form->ClientHandle(), &msg)) {
            return true;
        }
        // A menu item's shortcut acts before the focused control sees the key.
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

} // namespace quellar
