#include "skin/controls/SkinStatusBar.h"

#include "skin/controls/ControlPaint.h"
#include "skin/model/SkinDataPlatform.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/DrawCaption.h"
#include "skin/painter/Raster.h"

#include <commctrl.h>

#include <vector>

namespace quellar {

namespace {
struct TPanel {
    RECT rect{};
    std::string text;
    TPanelEdge edge = peLowered;
    UINT align = DT_LEFT;
};

// A panel's text with its alignment: a tab before the text centres it, two right-align it.
void SplitAlignment(std::string& text, UINT& align) {
    int tabs = 0;
    while (tabs < 2 && static_cast<std::size_t>(tabs) < text.size() &&
           text[static_cast<std::size_t>(tabs)] == '\t') {
        ++tabs;
    }
    text.erase(0, static_cast<std::size_t>(tabs));
    align = tabs == 0 ? DT_LEFT : tabs == 1 ? DT_CENTER : DT_RIGHT;
}

TPanel ReadPanel(HWND bar, int index, const RECT& rect) {
    TPanel panel;
    panel.rect = rect;
    const auto info = static_cast<DWORD>(SendMessageA(bar, SB_GETTEXTLENGTHA, index, 0));
    std::vector<char> buffer(LOWORD(info) + 1u, '\0');
    const auto flags =
        static_cast<DWORD>(SendMessageA(bar, SB_GETTEXTA, index, reinterpret_cast<LPARAM>(buffer.data())));
    panel.text = buffer.data();
    const WORD type = HIWORD(flags);
    panel.edge = (type & SBT_NOBORDERS) != 0 ? peNone : (type & SBT_POPOUT) != 0 ? peRaised : peLowered;
    SplitAlignment(panel.text, panel.align);
    if ((type & SBT_RTLREADING) != 0 && panel.align != DT_CENTER) {
        panel.align = panel.align == DT_LEFT ? DT_RIGHT : DT_LEFT;
    }
    return panel;
}

std::vector<TPanel> ReadPanels(HWND bar, int width, int height) {
    std::vector<TPanel> panels;
    const auto count = static_cast<int>(SendMessageA(bar, SB_GETPARTS, 0, 0));
    if (SendMessageA(bar, SB_ISSIMPLE, 0, 0) != 0 || count <= 0) {
        TPanel simple = ReadPanel(bar, SB_SIMPLEID, RECT{0, 0, width, height});
        simple.edge = peLowered;
        simple.align = DT_LEFT;
        panels.push_back(simple);
        return panels;
    }
    for (int i = 0; i < count; ++i) {
        RECT r{};
        if (SendMessageA(bar, SB_GETRECT, i, reinterpret_cast<LPARAM>(&r)) == 0) {
            continue;
        }
        if (i == count - 1) {
            r.right = width;
        }
        panels.push_back(ReadPanel(bar, i, r));
    }
    return panels;
}

// A panel without the skin's edges: one-pixel bevel in the skin's shadow and highlight colours.
void DrawBevel(HDC dc, const RECT& r, TPanelEdge edge, const TSkinColours& colours) {
    if (edge == peNone) {
        return;
    }
    const COLORREF dark = ResolveColour(colours.ButtonShadow);
    const COLORREF light = ResolveColour(colours.ButtonHilight);
    const COLORREF topLeft = edge == peLowered ? dark : light;
    const COLORREF bottomRight = edge == peLowered ? light : dark;
    HPEN first = CreatePen(PS_SOLID, 1, topLeft);
    HPEN second = CreatePen(PS_SOLID, 1, bottomRight);
    HGDIOBJ old = SelectObject(dc, first);
    MoveToEx(dc, r.left, r.bottom - 1, nullptr);
    LineTo(dc, r.left, r.top);
    LineTo(dc, r.right - 1, r.top);
    SelectObject(dc, second);
    LineTo(dc, r.right - 1, r.bottom - 1);
    LineTo(dc, r.left, r.bottom - 1);
    SelectObject(dc, old);
    DeleteObject(first);
    DeleteObject(second);
}
} // namespace

void TSkinStatusBar::PaintSkin(HDC dc, const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    const std::vector<TPanel> panels = ReadPanels(hold_.Handle(), width, height);
    const TDataSkinObject* edges = Skin().Model().StatusBarEdges.get();
    const bool skinned = edges != nullptr && !edges->Image.Empty();
    TBitmap32 picture(width, height, PixelOf(FaceColour(Skin())));
    if (skinned) {
        for (const TPanel& panel : panels) {
            DrawFrame(picture, {panel.rect.left, panel.rect.top, panel.rect.right, panel.rect.bottom}, *edges,
                      3, panel.edge, TTransparency::trOpaque);
        }
    }
    const bool grip = (GetWindowLongPtrA(hold_.Handle(), GWL_STYLE) & SBARS_SIZEGRIP) != 0;
    if (const TDataSkinObject* extra = Skin().Model().ExtraImages.get();
        grip && extra != nullptr && !extra->Image.Empty()) {
        const int frames = std::max(extra->FrameCount, 1);
        const int cellWidth = extra->Image.Width() / frames;
        const int cellHeight = extra->Image.Height();
        StretchPixels(picture, {width - 1 - cellWidth, height - 1 - cellHeight, width - 1, height - 1},
                      extra->Image, FrameCell(extra->Image.Width(), cellHeight, frames, 5),
                      TTransparency::trMagenta);
    }
    HDC canvas = SharedPaintSurface().Load(picture);
    if (canvas == nullptr) {
        return;
    }
    {
        TWindowFont font(canvas, hold_.Handle());
        SetTextColor(canvas, TextColour());
        for (const TPanel& panel : panels) {
            if (!skinned) {
                DrawBevel(canvas, panel.rect, panel.edge, Skin().Model().Colours);
            }
            const RECT text{panel.rect.left + 2, panel.rect.top, panel.rect.right - 2, panel.rect.bottom};
            DrawCaption(canvas, text, panel.align, true, panel.text.empty() ? std::string(" ") : panel.text);
        }
    }
    SharedPaintSurface().CopyTo(dc, rect.left, rect.top);
}

// The element's text colour whenever the skin has the element, an image or not; else the
// colour of the status bar's own font (the window text colour for a bar not of ours).
COLORREF TSkinStatusBar::TextColour() const {
    if (const TDataSkinObject* edges = Skin().Model().StatusBarEdges.get(); edges != nullptr) {
        return ResolveColour(edges->NormalColour2);
    }
    return hold_.Control() != nullptr
               ? ResolveColour(static_cast<TSkinColor>(hold_.Control()->Font().Color()))
               : GetSysColor(COLOR_WINDOWTEXT);
}

bool TSkinStatusBar::BeforeMessage(TMessage& message) {
    return !OwnPaint(message) && TSkinControl::BeforeMessage(message);
}

} // namespace quellar
