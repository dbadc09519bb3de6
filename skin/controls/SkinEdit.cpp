#include "skin/controls/SkinEdit.h"

#include "skin/controls/SkinUpDown.h"
#include "skin/model/SkinDataPlatform.h"
#include "skin/model/WinSkinData.h"
#include "ui/WinUtil.h"

#include <string>

namespace quellar {

TSkinEdit::TSkinEdit() = default;
TSkinEdit::~TSkinEdit() = default;

void TSkinEdit::FindSpinButton() {
    lookedForSpin_ = true;
    for (HWND child = GetWindow(hold_.Handle(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string name = HwndClassName(child);
        if (lstrcmpiA(name.c_str(), "msctls_updown32") == 0 || lstrcmpiA(name.c_str(), "TSpinButton") == 0) {
            spin_ = std::make_unique<TSkinUpDown>();
            spin_->SetInset(true);
            spin_->Attach(Owner(), Skin(), TSkinTarget::ByHandle(child));
            return;
        }
    }
}

void TSkinEdit::PaintFrames(HDC dc, HBRUSH inner) {
    RECT window{}, client{};
    GetWindowRect(hold_.Handle(), &window);
    GetClientRect(hold_.Handle(), &client);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    if (client.right + 2 > width || client.bottom + 2 > height) {
        return; // no border to draw on
    }
    RECT outer{0, 0, width, height};
    HBRUSH shadow = CreateSolidBrush(ResolveColour(Skin().Model().Colours.ButtonShadow));
    FrameRect(dc, &outer, shadow);
    DeleteObject(shadow);
    RECT next{1, 1, width - 1, height - 1};
    if (inner != nullptr) {
        FrameRect(dc, &next, inner);
    } else {
        HBRUSH current = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
        FrameRect(dc, &next, current);
    }
}

void TSkinEdit::PaintSkin(HDC dc, const RECT& rect) {
    (void)rect;
    if (!lookedForSpin_) {
        FindSpinButton();
    }
    PaintFrames(dc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

void TSkinEdit::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_PAINT:
    case WM_NCPAINT:
        if (message.WParam == 0 || message.Msg == WM_NCPAINT) {
            Repaint(); // the border lies outside the client area: the window's own DC
        }
        break;
    case WM_PRINT:
        if (message.WParam != 0) {
            PaintFrames(reinterpret_cast<HDC>(message.WParam), nullptr);
        }
        break;
    default:
        TSkinControl::AfterMessage(message);
        break;
    }
}

} // namespace quellar
