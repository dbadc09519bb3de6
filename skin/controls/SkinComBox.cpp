#include "skin/controls/SkinComBox.h"

#include "skin/controls/ControlGeometry.h"
#include "skin/controls/ControlPaint.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/Raster.h"
#include "ui/Messages.h"

#include <windowsx.h>

#include <algorithm>

namespace quellar {

TSkinComBox::~TSkinComBox() {
    ReleaseEdit();
}

int TSkinComBox::Frame() const {
    return ComboBoxFrame(State());
}

void TSkinComBox::AfterAttach() {
    if (hold_.Control() != nullptr) {
        return; // our framework tells its combo boxes of the mouse coming and going
    }
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    // A drop-down list has no edit: its item window is the combo box itself, or none.
    if (GetComboBoxInfo(hold_.Handle(), &info) && info.hwndItem != nullptr &&
        info.hwndItem != hold_.Handle() && SubclassChain::Attach(info.hwndItem, &editWatch_)) {
        edit_ = info.hwndItem;
    }
}

void TSkinComBox::ReleaseEdit() {
    if (edit_ != nullptr) {
        SubclassChain::Detach(edit_, &editWatch_);
        edit_ = nullptr;
    }
}

void TSkinComBox::ParentNotified(WORD code) {
    if (code == CBN_CLOSEUP && pressed_) { // the list took the button's release
        pressed_ = false;
        Repaint();
    }
}

bool TSkinComBox::EditMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    (void)wParam, (void)result;
    if (message == WM_NCDESTROY) {
        edit_ = nullptr; // the chain lets go of the window by itself
    } else if (Attached() && enabled_) {
        if (message == WM_MOUSEMOVE) {
            MouseOver(window, true);
        } else if (message == WM_MOUSELEAVE) {
            MouseOver(window, false);
        }
    }
    (void)lParam;
    return false;
}

void TSkinComBox::MouseOver(HWND window, bool over) {
    if (!over) {
        // Leaving the combo box for its edit, or the edit for the rest of the combo box, is not
        // leaving: the mouse is still over the control.
        POINT cursor{};
        GetCursorPos(&cursor);
        const HWND under = WindowFromPoint(cursor);
        if (under != nullptr && under != window && (under == hold_.Handle() || under == edit_)) {
            window = under;
            over = true;
        }
    }
    if (over) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
        if (!hot_) {
            SetHot(true);
        }
    } else if (hot_) {
        SetHot(false);
    }
}

void TSkinComBox::PaintSkin(HDC dc, const RECT& rect) {
    const TDataSkinBorder* button = Skin().Model().ComboButton.get();
    const TDataSkinObject* edge = Skin().Model().SunkEdge.get();
    if (button == nullptr || edge == nullptr || button->Image.Empty() || edge->Image.Empty()) {
        return;
    }
    RefreshState();
    // Let go over the list, the release is the list's and only the parent hears of the list
    // closing: a combo box whose list is closed and that no longer holds the mouse is not pressed.
    if (pressed_ && GetCapture() != hold_.Handle() &&
        SendMessageA(hold_.Handle(), CB_GETDROPPEDSTATE, 0, 0) == 0) {
        pressed_ = false;
    }
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const bool leftButton = (GetWindowLongPtrA(hold_.Handle(), GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
    const TComboParts parts = ComboParts(width, height, GetSystemMetrics(SM_CXHSCROLL), leftButton);
    const int frame = Frame();
    TPaintSurface& canvas = SharedPaintSurface();
    const TBitmap32 under = canvas.Read(dc, rect.left, rect.top, width, height);
    if (under.Empty()) {
        return;
    }
    TBitmap32 picture = under;
    DrawFrame(picture, {0, 0, width, height}, *edge, edge->FrameCount, frame);
    // The text keeps the control's own pixels.
    CopyPixels(picture, parts.excluded.left, parts.excluded.top, under, parts.excluded,
               TTransparency::trOpaque);
    const TBitmap32& face = leftButton && !button->Image2.Empty() ? button->Image2 : button->Image;
    StretchPixels(picture, parts.button, face,
                  FrameCell(face.Width(), face.Height(), button->FrameCount, frame),
                  TTransparency::trMagenta);
    if (const TDataSkinObject* extra = Skin().Model().ExtraImages.get();
        extra != nullptr && !extra->Image.Empty()) {
        const int frames = std::max(extra->FrameCount, 1);
        const int cellWidth = extra->Image.Width() / frames;
        const int cellHeight = extra->Image.Height();
        const int x = static_cast<int>(parts.glyph.left + (parts.glyph.Width() - cellWidth) / 2);
        const int y = static_cast<int>(parts.glyph.top + (parts.glyph.Height() - cellHeight) / 2);
        StretchPixels(picture, {x, y, x + cellWidth, y + cellHeight}, extra->Image,
                      FrameCell(extra->Image.Width(), cellHeight, frames, frame), TTransparency::trMagenta);
    }
    if (canvas.Load(picture) != nullptr) {
        canvas.CopyTo(dc, rect.left, rect.top);
    }
}

bool TSkinComBox::BeforeMessage(TMessage& message) {
    if (message.Msg == WM_PAINT && message.WParam == 0 && hold_.Control() == nullptr) {
        PaintBuffered();
        return false;
    }
    return TSkinControl::BeforeMessage(message);
}

// Our framework's combo boxes paint into a bitmap; one reached by its handle would otherwise
// show its own button on the screen and then ours over it (a flicker at every repaint). It
// paints into a bitmap here, the skin goes over it, and the window gets both in one transfer.
void TSkinComBox::PaintBuffered() {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(hold_.Handle(), &ps);
    const RECT whole = hold_.LocalRect();
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap =
        CreateCompatibleBitmap(dc, std::max<LONG>(whole.right, 1), std::max<LONG>(whole.bottom, 1));
    if (memory != nullptr && bitmap != nullptr) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        TMessage erase{WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0, 0};
        hold_.PassOn(erase);
        TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(memory), 0, 0};
        hold_.PassOn(paint);
        Repaint(memory);
        // A child (the edit of a drop-down combo box) paints itself.
        for (HWND child = GetWindow(hold_.Handle(), GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            RECT r{};
            GetWindowRect(child, &r);
            MapWindowPoints(nullptr, hold_.Handle(), reinterpret_cast<POINT*>(&r), 2);
            ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
        }
        BitBlt(dc, 0, 0, whole.right, whole.bottom, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
    } else {
        TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
        hold_.PassOn(paint);
        Repaint(dc);
    }
    if (bitmap != nullptr) {
        DeleteObject(bitmap);
    }
    if (memory != nullptr) {
        DeleteDC(memory);
    }
    EndPaint(hold_.Handle(), &ps);
}

void TSkinComBox::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        pressed_ = true;
        Repaint();
        break;
    case WM_LBUTTONUP:
        pressed_ = false;
        Repaint();
        break;
    case CN_COMMAND: // a framework combo box hears its own notifications
        ParentNotified(HIWORD(message.WParam));
        break;
    case WM_MOUSEMOVE:
        // Only our framework's controls are told of the mouse coming and going; a combo box
        // reached by its handle asks to hear of the mouse leaving. Holding the mouse, it hears
        // of moves outside it too (onto its list).
        if (hold_.Control() == nullptr && enabled_) {
            RECT client{};
            GetClientRect(hold_.Handle(), &client);
            const bool over = PtInRect(&client, {GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
            if (over != hot_) {
                MouseOver(hold_.Handle(), over);
            }
        }
        break;
    case WM_MOUSELEAVE:
        if (hold_.Control() == nullptr && hot_) {
            MouseOver(hold_.Handle(), false);
        }
        break;
    default:
        if (!FollowHover(message)) {
            TSkinControl::AfterMessage(message);
        }
        break;
    }
}

} // namespace quellar
