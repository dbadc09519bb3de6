#include "ui/HintWindow.h"

#include "ui/ExceptionBoundary.h"
#include "ui/Graphics.h"

namespace quellar {

namespace {
constexpr const char* kHintClass = "THintWindow";
constexpr int kPadding = 3; // pixels between the border and the text

HFONT HintFont() {
    static TFont font = [] {
        TFont f;
        f.SetName("Tahoma");
        f.SetHeight(11);
        return f;
    }();
    return font.Handle();
}
} // namespace

THintWindow::~THintWindow() {
    ReleaseHandle();
}

bool THintWindow::HintMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    (void)wParam, (void)lParam;
    if (msg == WM_PAINT) {
        // A failure leaves this paint to the default procedure; the window keeps its link.
        return Guarded(
            [&] {
                PAINTSTRUCT ps;
                HDC dc = BeginPaint(hwnd, &ps);
                RECT r{};
                GetClientRect(hwnd, &r);
                FillRectColor(dc, r, clInfoBk);
                char text[512] = {};
                GetWindowTextA(hwnd, text, sizeof(text));
                DcSelect font(dc, HintFont());
                SetBkMode(dc, TRANSPARENT);
                SetTextColor(dc, ColorToRGB(clInfoText));
                InflateRect(&r, -kPadding, -kPadding + 1);
                DrawTextA(dc, text, -1, &r, DT_LEFT | DT_NOPREFIX | DT_SINGLELINE);
                EndPaint(hwnd, &ps);
                result = 0;
                return true;
            },
            [] { return false; });
    }
    if (msg == WM_NCHITTEST) {
        result = HTTRANSPARENT; // the hint never takes the mouse from the control below
        return true;
    }
    return false;
}

void THintWindow::ActivateHint(int x, int y, const std::string& text) {
    if (handle_ == nullptr) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof(wc);
        if (!GetClassInfoExA(GetModuleHandleA(nullptr), kHintClass, &wc)) {
            wc.cbSize = sizeof(wc);
            wc.style = CS_SAVEBITS;
            wc.lpfnWndProc = SubclassChain::OwnClassProc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
            wc.lpszClassName = kHintClass;
            RegisterClassExA(&wc);
        }
        handle_ = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kHintClass, "", WS_POPUP | WS_BORDER, 0,
                                  0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), &link_);
        if (handle_ == nullptr) {
            return;
        }
    }
    text_ = text;
    SetWindowTextA(handle_, text.c_str());
    HDC dc = GetDC(handle_);
    SIZE size{};
    {
        DcSelect font(dc, HintFont());
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    }
    ReleaseDC(handle_, dc);
    SetWindowPos(handle_, HWND_TOPMOST, x, y, size.cx + 2 * kPadding + 2, size.cy + 2 * kPadding,
                 SWP_NOACTIVATE);
    ShowWindow(handle_, SW_SHOWNOACTIVATE);
    InvalidateRect(handle_, nullptr, TRUE);
}

void THintWindow::ReleaseHandle() {
    if (handle_ != nullptr) {
        DestroyWindow(handle_);
        handle_ = nullptr;
    }
}

} // namespace quellar
