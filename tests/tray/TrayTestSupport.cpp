#include "TrayTestSupport.h"

#include <vector>

namespace quellar::test {

HICON MakeSolidIcon(COLORREF colour) {
    HDC screen = GetDC(nullptr);
    HBITMAP colourBitmap = CreateCompatibleBitmap(screen, 16, 16);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, colourBitmap);
    HBRUSH brush = CreateSolidBrush(colour);
    const RECT all{0, 0, 16, 16};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    std::vector<BYTE> maskBits(16 * 2, 0); // all opaque
    HBITMAP mask = CreateBitmap(16, 16, 1, 1, maskBits.data());
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = colourBitmap;
    info.hbmMask = mask;
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(colourBitmap);
    DeleteObject(mask);
    return icon;
}

COLORREF IconColour(HICON icon) {
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) {
        return CLR_INVALID;
    }
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, info.hbmColor);
    const COLORREF colour = GetPixel(dc, 0, 0);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return colour;
}

COLORREF PictureColour(int index) {
    return RGB(10 + index * 10, 200 - index * 10, 40);
}

TTestIconList::TTestIconList(int count) : component_(new TComponent(nullptr)) {
    for (int i = 0; i < count; ++i) {
        icons_.push_back(MakeSolidIcon(PictureColour(i)));
    }
}

TTestIconList::~TTestIconList() {
    for (HICON icon : icons_) {
        DestroyIcon(icon);
    }
    delete component_;
}

void TTestIconList::DestroyComponent() {
    delete component_;
    component_ = nullptr;
}

TTestPopupMenu::TTestPopupMenu(std::vector<std::string>* log)
    : log_(log), component_(new TComponent(nullptr)) {}

TTestPopupMenu::~TTestPopupMenu() {
    delete component_;
}

void TTestPopupMenu::Popup(int x, int y) {
    log_->push_back("popup");
    if (onPopup) {
        onPopup(x, y);
    }
}

void TTestPopupMenu::ClickItem(int index) {
    log_->push_back("item " + std::to_string(index));
}

void TTestPopupMenu::DestroyComponent() {
    delete component_;
    component_ = nullptr;
}

HWND MakeWindow(const char* className, DWORD style, HWND owner, int width, int height) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassA(&windowClass); // a second registration fails harmlessly
    return CreateWindowExA(0, className, className, style, 100, 100, width, height, owner, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

TTestWindows::TTestWindows() {
    app = MakeWindow("TApplication", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, nullptr, 0, 0);
    ShowWindow(app, SW_SHOWNORMAL);
    main = MakeWindow("TestMainWindow", WS_OVERLAPPEDWINDOW, app, 300, 200);
    ShowWindow(main, SW_SHOWNORMAL);
    SetForegroundWindow(main);
    Pump(0);
}

TTestWindows::~TTestWindows() {
    if (IsWindow(main)) {
        DestroyWindow(main);
    }
    if (IsWindow(app)) {
        DestroyWindow(app);
    }
    Pump(0);
}

bool PumpUntil(const std::function<bool()>& done, unsigned milliseconds) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start >= milliseconds) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        Pump(0);
    }
    return true;
}

} // namespace quellar::test
