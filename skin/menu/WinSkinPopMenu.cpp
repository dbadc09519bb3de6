#include "skin/menu/WinSkinPopMenu.h"

#include "skin/form/DwmFrame.h"
#include "skin/form/SkinMessages.h"
#include "skin/manager/WinSkinManage.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/PaintSurface.h"
#include "skin/painter/Raster.h"

namespace quellar {

namespace {
TWinSkinPopMenu* gWaiting = nullptr; // painted, menu not known yet

bool ManagerActive() {
    const TWinSkinManage* manager = WindowsSkinManager();
    return manager == nullptr || manager->active;
}

TPaintSurface& RingSurface() {
    static TPaintSurface surface;
    return surface;
}
} // namespace

TWinSkinPopMenu::TWinSkinPopMenu(HWND window, TSkinData& skin) : window_(window), skin_(&skin) {}

TWinSkinPopMenu::~TWinSkinPopMenu() {
    Detach();
    if (gWaiting == this) {
        gWaiting = nullptr;
    }
}

TWinSkinPopMenu* TWinSkinPopMenu::Waiting() {
    return gWaiting;
}

void TWinSkinPopMenu::LinkWaiting(HMENU menu) {
    if (gWaiting != nullptr && menu != nullptr) {
        gWaiting->LinkMenu(menu);
        gWaiting = nullptr;
    }
}

POINT TWinSkinPopMenu::ClientOffset() const {
    RECT window{};
    POINT client{0, 0};
    if (!GetWindowRect(window_, &window) || !ClientToScreen(window_, &client)) {
        return {Ring, Ring};
    }
    return {client.x - window.left, client.y - window.top};
}

bool TWinSkinPopMenu::Attach() {
    if (!attached_) {
        attached_ = SubclassChain::Attach(window_, this);
        if (attached_) {
            // Windows 11 rounds a popup window's corners, which would cut the skin's ring.
            DwmSquareCorners(window_);
        }
    }
    return attached_;
}

void TWinSkinPopMenu::Detach() {
    if (attached_) {
        SubclassChain::Detach(window_, this);
        attached_ = false;
    }
    background_ = TBitmap32();
}

bool TWinSkinPopMenu::Compose() {
    const TDataSkinObject* element = skin_->SkinLoaded() ? skin_->Model().MenuBackground.get() : nullptr;
    RECT r{};
    if (element == nullptr || element->Image.Empty() || !GetWindowRect(window_, &r)) {
        return false;
    }
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) {
        return false;
    }
    const TSkinRect cell{0, 0, element->Image.Width(), element->Image.Height()};
    background_ =
        ComposeNineSlice(element->Image, cell, w, h,
                         {element->LeftWidth, element->TopHeight, element->RightWidth, element->BottomHeight},
                         element->Tile == 1);
    if (menu_ == nullptr) {
        gWaiting = this;
    }
    return true;
}

void TWinSkinPopMenu::PaintRing(HDC dc, int x, int y) const {
    TPaintSurface& surface = RingSurface();
    HDC source = surface.Load(background_);
    if (source == nullptr) {
        return;
    }
    const int w = background_.Width(), h = background_.Height(), k = Ring;
    BitBlt(dc, -x, -y, w, k, source, 0, 0, SRCCOPY);
    BitBlt(dc, -x, h - k - y, w, k, source, 0, h - k, SRCCOPY);
    BitBlt(dc, -x, -y, k, h, source, 0, 0, SRCCOPY);
    BitBlt(dc, w - k - x, -y, k, h, source, w - k, 0, SRCCOPY);
}

LRESULT TWinSkinPopMenu::Print(HDC dc, WPARAM wParam, LPARAM lParam) {
    HDC source = RingSurface().Load(background_);
    if (source != nullptr) {
        BitBlt(dc, 0, 0, background_.Width(), background_.Height(), source, 0, 0, SRCCOPY);
    }
    // The menu prints its items over the background, inside the ring.
    HRGN old = CreateRectRgn(0, 0, 0, 0);
    const bool hadClip = GetClipRgn(dc, old) == 1;
    HRGN inner = CreateRectRgn(Ring, Ring, background_.Width() - Ring, background_.Height() - Ring);
    SelectClipRgn(dc, inner);
    DeleteObject(inner);
    const int mode = SetBkMode(dc, TRANSPARENT);
    const LRESULT result = SubclassChain::CallNext(window_, WM_PRINT, wParam, lParam);
    SetBkMode(dc, mode);
    SelectClipRgn(dc, hadClip ? old : nullptr);
    DeleteObject(old);
    return result;
}

bool TWinSkinPopMenu::OnMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == SkinQuery) {
        result = 1;
        return true;
    }
    if (!ManagerActive()) {
        return false;
    }
    switch (message) {
    case WM_DESTROY:
        Detach();
        return false;
    case WM_NCPAINT:
        if (!Compose()) {
            return false;
        }
        if (HDC dc = GetWindowDC(window_); dc != nullptr) {
            PaintRing(dc);
            ReleaseDC(window_, dc);
        }
        result = 0;
        return true;
    case WM_PAINT:
        // Where the menu paints its own edge inside the window, the ring goes over it again.
        result = SubclassChain::CallNext(window_, message, wParam, lParam);
        if (Compose()) {
            if (HDC dc = GetWindowDC(window_); dc != nullptr) {
                PaintRing(dc);
                ReleaseDC(window_, dc);
            }
        }
        return true;
    case WM_PRINTCLIENT:
        // The menu prints its client area with its own edge; the ring goes over what of it lies
        // in the client area.
        result = SubclassChain::CallNext(window_, message, wParam, lParam);
        if (Compose()) {
            const POINT client = ClientOffset();
            PaintRing(reinterpret_cast<HDC>(wParam), client.x, client.y);
        }
        return true;
    case WM_PRINT:
        if (!Compose()) {
            return false;
        }
        result = Print(reinterpret_cast<HDC>(wParam), wParam, lParam);
        return true;
    default:
        return false;
    }
}

} // namespace quellar
