#include "skin/controls/SkinUpDown.h"

#include "skin/controls/ControlGeometry.h"
#include "skin/controls/ControlPaint.h"
#include "skin/model/SkinDataPlatform.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/Raster.h"

#include <commctrl.h>

namespace quellar {

namespace {
// The arrow of the fallback look: a small triangle of lines, pointing as arrow says.
void DrawArrow(TBitmap32& picture, const TSkinRect& half, int arrow, std::uint32_t colour) {
    const int cx = static_cast<int>(half.left + half.Width() / 2);
    const int cy = static_cast<int>(half.top + half.Height() / 2);
    for (int i = 0; i < 3; ++i) {
        for (int j = -i; j <= i; ++j) {
            int x = 0, y = 0;
            switch (arrow) {
            case 0:
                x = cx + j, y = cy - 2 + i;
                break; // up: the tip on top
            case 1:
                x = cx + j, y = cy + 2 - i - 2;
                break; // down: the tip below
            case 2:
                x = cx - 1 + i, y = cy + j;
                break; // left
            default:
                x = cx + 1 - i, y = cy + j;
                break; // right
            }
            if (x >= 0 && y >= 0 && x < picture.Width() && y < picture.Height()) {
                picture.SetPixel(x, y, colour);
            }
        }
    }
}

void DrawPlainHalf(TBitmap32& picture, const TSkinRect& half, int state, int arrow, const TSkinData& skin) {
    const auto& colours = skin.Model().Colours;
    const std::uint32_t fill =
        PixelOf(ResolveColour(state == 2 || state == 4 ? colours.ButtonShadow : colours.ButtonFace));
    const std::uint32_t edge = PixelOf(ResolveColour(colours.ButtonDkShadow));
    for (int y = std::max(half.top, 0); y < std::min(half.bottom, picture.Height()); ++y) {
        for (int x = std::max(half.left, 0); x < std::min(half.right, picture.Width()); ++x) {
            const bool border =
                x == half.left || y == half.top || x == half.right - 1 || y == half.bottom - 1;
            picture.SetPixel(x, y, border ? edge : fill);
        }
    }
    DrawArrow(picture, half, arrow, PixelOf(ResolveColour(colours.ButtonText)));
}
} // namespace

int TSkinUpDown::ArrowFrame(int state, int arrow) {
    return state + 4 * (arrow >= 2 ? arrow - 2 : arrow);
}

bool TSkinUpDown::Horizontal() const {
    return horizontal_ || (GetWindowLongPtrA(hold_.Handle(), GWL_STYLE) & UDS_HORZ) != 0;
}

void TSkinUpDown::PaintSkin(HDC dc, const RECT& rect) {
    (void)rect;
    RECT client{};
    GetClientRect(hold_.Handle(), &client);
    if (client.right <= 0 || client.bottom <= 0) {
        return;
    }
    RefreshState();
    TBitmap32 picture(client.right, client.bottom, PixelOf(FaceColour(Skin())));
    const bool horizontal = Horizontal();
    const TUpDownHalves halves = UpDownHalves({0, 0, client.right, client.bottom}, horizontal, inset_);
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(hold_.Handle(), &cursor);
    const bool mouseInside =
        cursor.x >= 0 && cursor.y >= 0 && cursor.x < client.right && cursor.y < client.bottom;
    const bool mouseFirst = InFirstHalf(halves, cursor.x, cursor.y);
    const int active = pressed_ ? 2 : hot_ ? 4 : 1;
    const TDataSkinBorder* element =
        horizontal ? Skin().Model().UpDownHorz.get() : Skin().Model().UpDownVert.get();
    const bool skinned = element != nullptr && !element->Image.Empty() && !element->Image2.Empty();
    for (int which = 0; which < 2; ++which) {
        const TSkinRect& half = which == 0 ? halves.first : halves.second;
        const int arrow = (horizontal ? 2 : 0) + which;
        int state = (mouseInside || pressed_) && mouseFirst == (which == 0) ? active : 1;
        if (!enabled_) {
            state = 3;
        }
        if (!skinned) {
            DrawPlainHalf(picture, half, state, arrow, Skin());
            continue;
        }
        const int frame = ArrowFrame(state, arrow);
        const int frames = std::max(element->FrameCount, 1);
        StretchPixels(picture, half, element->Image,
                      FrameCell(element->Image.Width(), element->Image.Height(), 8, frame),
                      TTransparency::trMagenta);
        const int cellWidth = element->Image2.Width() / frames;
        const int cellHeight = element->Image2.Height();
        const int x = static_cast<int>(half.left + (half.Width() - cellWidth) / 2);
        const int y = static_cast<int>(half.top + (half.Height() - cellHeight) / 2);
        StretchPixels(picture, {x, y, x + cellWidth, y + cellHeight}, element->Image2,
                      FrameCell(element->Image2.Width(), cellHeight, frames, frame),
                      TTransparency::trMagenta);
    }
    if (SharedPaintSurface().Load(picture) != nullptr) {
        SharedPaintSurface().CopyTo(dc, 0, 0);
    }
}

bool TSkinUpDown::BeforeMessage(TMessage& message) {
    if (OwnPaint(message)) {
        return false;
    }
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        hold_.PassOn(message);
        pressed_ = true;
        Repaint();
        return false;
    case WM_LBUTTONUP:
        pressed_ = false;
        hold_.PassOn(message);
        Repaint();
        return false;
    default:
        return TSkinControl::BeforeMessage(message);
    }
}

void TSkinUpDown::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_MOUSEMOVE:
        if (!hot_) {
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hold_.Handle(), 0};
            TrackMouseEvent(&track);
            hot_ = true;
        }
        Repaint(); // the hot half follows the mouse
        break;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
        hot_ = false;
        Repaint();
        break;
    default:
        TSkinControl::AfterMessage(message);
        break;
    }
}

} // namespace quellar
