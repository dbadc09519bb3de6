#include "skin/menu/MenuItemPaint.h"

#include "skin/manager/WinSkinManage.h"
#include "skin/menu/MenuItemLayout.h"
#include "skin/menu/WinSkinPopMenu.h"
#include "skin/model/SkinDataPlatform.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/PaintSurface.h"
#include "skin/painter/Raster.h"
#include "skin/painter/WorkArea.h"
#include "ui/Forms.h"
#include "ui/Graphics.h"
#include "ui/ImgList.h"
#include "ui/MenuMnemonic.h"
#include "ui/Menus.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace quellar {

namespace {
constexpr int kLargestItem = 8192; // a side in pixels no menu item reaches
constexpr int kMenuItemFrames = 5, kNormalFrame = 1, kSeparatorFrame = 2, kSelectedFrame = 4;
constexpr WORD kCheckMark = 32760; // the system's check-mark bitmap (OBM_CHECK)

TPaintSurface& ItemSurface() {
    static TPaintSurface surface;
    return surface;
}

HFONT BoldMenuFont() {
    static HFONT font = [] {
        LOGFONTA face{};
        GetObjectA(ScreenMenuFont(), sizeof(face), &face);
        face.lfWeight = FW_BOLD;
        HFONT made = CreateFontIndirectA(&face);
        return made != nullptr ? made : ScreenMenuFont();
    }();
    return font;
}

int LeftOf(const TDataSkinObject* element) {
    return element != nullptr ? element->LeftWidth : 0;
}

// The background behind the item: the popup window's background at the item's place (items
// are in client coordinates, the background in window coordinates), or the colour Menu.
TBitmap32 ItemBackground(const TSkinData& skin, const RECT& rect, HMENU parentMenu) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    TBitmap32 behind(w, h, PixelOf(ResolveColour(skin.Model().Colours.Menu)));
    const TWinSkinManage* manager = WindowsSkinManager();
    if (const TWinSkinPopMenu* popup = manager != nullptr ? manager->Popups().Showing(parentMenu) : nullptr) {
        const POINT at = popup->ClientOffset();
        CopyPixels(behind, 0, 0, popup->Background(),
                   {rect.left + at.x, rect.top + at.y, rect.right + at.x, rect.bottom + at.y},
                   TTransparency::trOpaque);
    }
    return behind;
}

TBitmap32 ComposeItem(const TSkinData& skin, const RECT& rect, bool separator, bool selected,
                      HMENU parentMenu) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    const TDataSkinObject* element = skin.Model().MenuItem.get();
    if (element == nullptr || element->Image.Empty()) {
        const TSkinColor fill = selected ? skin.Model().Colours.Hilight : skin.Model().Colours.Menu;
        return TBitmap32(w, h, PixelOf(ResolveColour(fill)));
    }
    TBitmap32 picture = ItemBackground(skin, rect, parentMenu);
    if (separator) {
        const TSkinRect cell =
            FrameCell(element->Image.Width(), element->Image.Height(), kMenuItemFrames, kSeparatorFrame);
        for (const TSlicePiece& piece : PlanSeparator(cell, w, h, element->LeftWidth, element->RightWidth)) {
            StretchPixels(picture, piece.dest, element->Image, piece.source, TTransparency::trMagenta);
        }
    } else {
        DrawFrame(picture, {0, 0, w, h}, *element, kMenuItemFrames, selected ? kSelectedFrame : kNormalFrame);
    }
    return picture;
}

COLORREF TextColour(const TSkinData& skin, const TMenuItemView& item, bool selected) {
    const TSkinColours& c = skin.Model().Colours;
    if (item.enabled) {
        return ResolveColour(selected ? c.HilightText : c.MenuText);
    }
    // A disabled caption must stay apart from the enabled ones.
    return c.ButtonShadow == c.MenuText ? GetSysColor(COLOR_BTNSHADOW) : ResolveColour(c.ButtonShadow);
}

void DrawGlyph(HDC dc, const TSkinRect& box, const TMenuItemView& item) {
    RECT r{box.left, box.top, box.right, box.bottom};
    if (item.images != nullptr && item.imageIndex >= 0 &&
        item.imageIndex < ImageList_GetImageCount(item.images)) {
        if (item.checked) {
            const WORD dots[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
            const GdiObject pattern(CreateBitmap(8, 8, 1, 1, dots));
            const GdiObject brush(CreatePatternBrush(static_cast<HBITMAP>(pattern.Get())));
            SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
            SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
            FillRect(dc, &r, static_cast<HBRUSH>(brush.Get()));
            DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
        }
        if (item.enabled) {
            ImageList_Draw(item.images, item.imageIndex, dc, r.left, r.top, ILD_TRANSPARENT);
        } else if (HICON icon = ImageList_GetIcon(item.images, item.imageIndex, ILD_TRANSPARENT);
                   icon != nullptr) {
            DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, r.left, r.top, 0, 0,
                       DST_ICON | DSS_DISABLED);
            DestroyIcon(icon);
        }
        return;
    }
    if (!item.checked) {
        return;
    }
    if (const GdiObject mark(LoadBitmapA(nullptr, MAKEINTRESOURCEA(kCheckMark))); mark.Get() != nullptr) {
        BITMAP info{};
        GetObjectA(mark.Get(), sizeof(info), &info);
        MemoryDc memory(dc);
        DcSelect selected(memory.Get(), mark.Get());
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        BitBlt(dc, r.left + (box.right - box.left - info.bmWidth) / 2 + 1,
               r.top + (box.bottom - box.top - info.bmHeight) / 2 + 1, info.bmWidth, info.bmHeight,
               memory.Get(), 0, 0, SRCAND);
    }
}

void DrawTexts(HDC dc, const TSkinData& skin, const TMenuItemBoxes& boxes, const TMenuItemView& item,
               bool selected) {
    std::string caption = item.caption.empty() || item.caption == "&" ? " " : item.caption;
    // Windows hides access-key underlines until the keyboard is used (ODS_NOACCEL): the text
    // is then drawn as it shows, without prefix processing.
    UINT prefix = 0;
    if (item.hideAccelerator) {
        caption = WithoutPrefixes(caption);
        prefix = DT_NOPREFIX;
    }
    DcSelect font(dc, item.isDefault ? BoldMenuFont() : ScreenMenuFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TextColour(skin, item, selected));
    const UINT align = (item.rightToLeft ? DT_RIGHT : DT_LEFT) | prefix;
    RECT size{0, 0, 0, 0};
    DrawTextA(dc, caption.c_str(), -1, &size,
              DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE | prefix);
    const TSkinRect at = PlaceItemCaption(boxes.text, size.right, size.bottom, item.rightToLeft);
    RECT r{at.left, at.top, at.right, at.bottom};
    DrawTextA(dc, caption.c_str(), -1, &r, DT_EXPANDTABS | DT_SINGLELINE | DT_NOCLIP | align);
    if (!item.shortCut.empty()) {
        RECT keys{0, 0, 0, 0};
        DrawTextA(dc, item.shortCut.c_str(), -1, &keys, DT_CALCRECT | DT_SINGLELINE | DT_NOCLIP);
        const TSkinRect place = PlaceShortCut(boxes.text, keys.right, keys.bottom, item.rightToLeft);
        RECT k{place.left, place.top, place.right, place.bottom};
        DrawTextA(dc, item.shortCut.c_str(), -1, &k, DT_SINGLELINE | DT_NOCLIP);
    }
}
} // namespace

TMenuItemView ViewOf(const TMenuItem& item) {
    TMenuItemView view{item.Caption(), ShortCutToText(item.ShortCut()), item.Enabled(), item.Checked(),
                       item.Default()};
    const TMenu* menu = item.ParentMenu();
    if (menu != nullptr && menu->Images() != nullptr) {
        view.images = menu->Images()->Handle();
        view.imageIndex = item.ImageIndex();
    }
    view.rightToLeft = menu != nullptr && menu->IsRightToLeft();
    return view;
}

void PaintMenuItem(const TSkinData& skin, HDC dc, const RECT& rect, const TMenuItemView& item, bool selected,
                   HMENU parentMenu) {
    TWinSkinPopMenu::LinkWaiting(parentMenu);
    const long long wide = static_cast<long long>(rect.right) - rect.left;
    const long long high = static_cast<long long>(rect.bottom) - rect.top;
    if (wide <= 0 || high <= 0 || wide > kLargestItem || high > kLargestItem) {
        return; // nothing a menu shows; a request from elsewhere gets no picture
    }
    const int w = static_cast<int>(wide), h = static_cast<int>(high);
    const bool separator = item.caption == "-";
    HDC surface = ItemSurface().Load(ComposeItem(skin, rect, separator, selected, parentMenu));
    if (surface == nullptr) {
        return;
    }
    const TDataSkinObject* element = skin.Model().MenuItem.get();
    const bool plain = element == nullptr || element->Image.Empty();
    if (!separator || plain) {
        int side = 16;
        if (item.images != nullptr) {
            int ih = 0;
            ImageList_GetIconSize(item.images, &side, &ih);
        }
        const TMenuItemShape shape{separator, item.checked,    item.images != nullptr,
                                   side,      LeftOf(element), item.rightToLeft};
        const TMenuItemBoxes boxes = LayoutMenuItem({0, 0, w, h}, shape);
        if (separator) {
            RECT line{boxes.line.left, boxes.line.top, boxes.line.right, boxes.line.bottom};
            DrawEdge(surface, &line, EDGE_ETCHED, BF_TOP);
        } else {
            DrawGlyph(surface, boxes.glyph, item);
            DrawTexts(surface, skin, boxes, item, selected);
        }
    }
    ItemSurface().CopyTo(dc, rect.left, rect.top);
}

void TSkinItemPainter::operator()(TMenuItem* item, HDC dc, const RECT& rect, bool selected) const {
    const TMenuItem* parent = item->ParentItem();
    TMenuItemView view = ViewOf(*item);
    view.hideAccelerator = (item->DrawState() & ODS_NOACCEL) != 0;
    PaintMenuItem(*skin, dc, rect, view, selected, parent != nullptr ? parent->Handle() : nullptr);
}

int OnScreenItemWidth(int width, HWND window) {
    // The popup adds to an owner-drawn item's width a check mark's width less one and its own
    // frame on both sides (3 pixels each here, measured under Wine: a 1280-pixel item made a
    // 1298-pixel popup); the frame is counted twice over, so other frame styles fit as well.
    const std::int64_t around = GetSystemMetrics(SM_CXMENUCHECK) + 4 * GetSystemMetrics(SM_CXFIXEDFRAME);
    const std::int64_t room = std::clamp<std::int64_t>(WorkAreaOf(window).Width() - around, 0, INT_MAX);
    return std::clamp(width, 0, static_cast<int>(room));
}

void TSkinItemMeasurer::operator()(TMenuItem* item, HDC, int& width, int&) const {
    const TMenu* menu = item->ParentMenu();
    width = OnScreenItemWidth(SkinnedItemWidth(width, LeftOf(skin->Model().MenuItem.get()),
                                               menu != nullptr && menu->Images() != nullptr),
                              nullptr);
}

} // namespace quellar
