#include "skin/menu/MenuBar.h"

#include "skin/form/FrameRegion.h"
#include "skin/model/SkinDataPlatform.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/PaintSurface.h"
#include "skin/painter/Raster.h"
#include "ui/MenuMnemonic.h"
#include "ui/Menus.h"

#include <algorithm>
#include <cctype>

namespace quellar {

TWinSkinMenu::TWinSkinMenu(TSkinData& skin, TNCHost& host, HWND window)
    : skin_(&skin), host_(host), window_(window) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        font_ = CreateFontIndirectA(&metrics.lfMenuFont);
    }
    dress_.rightToLeft = (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
}

TWinSkinMenu::~TWinSkinMenu() {
    items_.clear(); // before the host forgets its hot item
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
}

HFONT TWinSkinMenu::Font() const {
    return font_ != nullptr ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void TWinSkinMenu::LoadFromWindowMenu() {
    if (HMENU current = GetMenu(window_); current != nullptr) {
        menu_ = current;
    }
    if (menu_ == nullptr) {
        return;
    }
    ReadItems(menu_);
    if (GetMenu(window_) != nullptr) {
        SetMenu(window_, nullptr);
    }
}

void TWinSkinMenu::LoadFromMenu(HMENU menu) {
    if (menu != nullptr && IsMenu(menu)) {
        menu_ = menu;
        ReadItems(menu);
    }
}

void TWinSkinMenu::ForgetItems() {
    if (host_.hotItem != nullptr) {
        for (const auto& item : items_) {
            if (host_.hotItem == item.get()) {
                host_.hotItem = nullptr;
            }
        }
    }
    items_.clear();
    layout_.clear();
}

void TWinSkinMenu::AddItem(std::unique_ptr<TMenuBtn> item) {
    TBarItem entry;
    entry.hasCaption = !item->caption.empty();
    entry.enabled = item->enabled;
    entry.dropDown = item->submenu != nullptr;
    // The same letter the platform's menus take (MnemonicOf), kept lower-cased for the bar's lookup.
    entry.accelerator =
        static_cast<char>(std::tolower(static_cast<unsigned char>(MnemonicOf(item->caption))));
    layout_.push_back(entry);
    items_.push_back(std::move(item));
}

void TWinSkinMenu::LoadFromMainMenu(TMainMenu& menu) {
    menu_ = menu.Handle();
    ForgetItems();
    int position = 0;
    for (int i = 0; i < menu.Items().Count(); ++i) {
        const TMenuItem& source = *menu.Items().Item(i);
        if (!source.Visible()) {
            continue;
        }
        auto item = std::make_unique<TMenuBtn>(host_, position++);
        item->caption = source.IsLine() ? std::string() : source.Caption().substr(0, MaxCaption);
        item->enabled = source.Enabled();
        item->command = source.Command();
        item->submenu = source.Count() > 0 ? source.Handle() : nullptr;
        AddItem(std::move(item));
    }
    if (GetMenu(window_) == menu_) {
        SetMenu(window_, nullptr);
    }
}

void TWinSkinMenu::ReadItems(HMENU menu) {
    ForgetItems();
    const int count = std::max(0, GetMenuItemCount(menu));
    for (int i = 0; i < count; ++i) {
        char text[MaxCaption + 1] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = MaxCaption;
        auto item = std::make_unique<TMenuBtn>(host_, i);
        if (GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) {
            item->caption = (info.fType & (MFT_SEPARATOR | MFT_BITMAP)) != 0 ? "" : text;
            item->enabled = (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
            item->submenu = info.hSubMenu;
            item->command = info.wID;
        }
        AddItem(std::move(item));
    }
}

void TWinSkinMenu::ComposeBar(TBitmap32& pixels, const TSkinRect& bar, bool active) {
    bar_ = bar;
    const int width = static_cast<int>(bar.Width());
    const int height = static_cast<int>(bar.Height());
    if (width <= 0 || height <= 0) {
        background_ = TBitmap32();
        return;
    }
    const TDataSkinObject* element = skin_->Model().MenuBar.get();
    dress_.hasElement = element != nullptr && !element->Image.Empty();
    if (dress_.hasElement) {
        dress_.leftWidth = element->LeftWidth;
        dress_.rightWidth = element->RightWidth;
        // Two frames one above the other, caps kept, the middle tiled or stretched as Tile says;
        // copied opaque.
        const TSkinRect cell = FrameCell(element->Image.Width(), element->Image.Height(),
                                         std::max(1, element->FrameCount), active ? 1 : 2, true);
        const TBitmap32 face =
            ComposeNineSlice(element->Image, cell, width, height,
                             {element->LeftWidth, 0, element->RightWidth, 0}, element->Tile != 0);
        CopyPixels(pixels, bar.left, bar.top, face, {0, 0, width, height}, TTransparency::trOpaque);
    } else {
        const TBitmap32 fill(width, height, PixelOf(ResolveColour(skin_->Model().Colours.Menubar)));
        CopyPixels(pixels, bar.left, bar.top, fill, {0, 0, width, height}, TTransparency::trOpaque);
    }
    background_ = pixels.Copy(bar.left, bar.top, width, height);
}

void TWinSkinMenu::DrawCaption(HDC dc, const TMenuBtn& item, RECT box) const {
    if (item.caption.empty()) {
        return;
    }
    const COLORREF colour =
        item.enabled ? ResolveColour(skin_->Model().Colours.MenuBarText) : GetSysColor(COLOR_BTNSHADOW);
    SetTextColor(dc, colour);
    // The underlines follow the window's keyboard cues (hidden on Windows until Alt is pressed):
    // hidden, the text is drawn as it shows, without prefix processing.
    const bool hidden = (SendMessageA(window_, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) != 0;
    const std::string text = hidden ? WithoutPrefixes(item.caption) : item.caption;
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | (hidden ? DT_NOPREFIX : 0));
}

void TWinSkinMenu::DrawItems(HDC dc) {
    HGDIOBJ oldFont = SelectObject(dc, Font());
    SetBkMode(dc, TRANSPARENT);
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const std::string& caption = items_[i]->caption;
        RECT measured{0, 0, 0, 0};
        if (!caption.empty()) {
            DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &measured,
                      DT_CALCRECT | DT_SINGLELINE);
        }
        layout_[i].textWidth = measured.right;
    }
    LayOutBarItems(layout_, bar_, FirstItemX(dress_, static_cast<int>(bar_.Width())), dress_.rightToLeft);
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const TSkinRect& r = layout_[i].rect;
        items_[i]->rect = r;
        items_[i]->state = nsNormal;
        DrawCaption(dc, *items_[i], {r.left, r.top, r.right, r.bottom});
    }
    SelectObject(dc, oldFont);
}

void TWinSkinMenu::PaintButton(HDC windowDc, const TMenuBtn& item) {
    const TSkinRect& r = item.rect;
    const int width = static_cast<int>(r.Width());
    const int height = static_cast<int>(r.Height());
    if (width <= 0 || height <= 0 || background_.Empty()) {
        return;
    }
    TBitmap32 face = background_.Copy(r.left - bar_.left, r.top - bar_.top, width, height);
    if (face.Width() != width || face.Height() != height) {
        return; // the bar changed size since it was laid out: the next frame paint mends it
    }
    if (item.state == nsHot || item.state == nsPressed) {
        const std::uint32_t edge = PixelOf(ResolveColour(skin_->Model().Colours.ButtonHilight));
        for (int x = 0; x < width; ++x) {
            face.SetPixel(x, 0, edge);
            face.SetPixel(x, height - 1, edge);
        }
        for (int y = 0; y < height; ++y) {
            face.SetPixel(0, y, edge);
            face.SetPixel(width - 1, y, edge);
        }
    }
    TPaintSurface& surface = SharedPaintSurface();
    HDC memory = surface.Load(face);
    if (memory == nullptr) {
        BlitBitmap32(windowDc, r.left, r.top, face);
        return;
    }
    HGDIOBJ oldFont = SelectObject(memory, Font());
    SetBkMode(memory, TRANSPARENT);
    DrawCaption(memory, item, {0, 0, width, height});
    SelectObject(memory, oldFont);
    surface.CopyTo(windowDc, r.left, r.top);
}

TMenuBtn* TWinSkinMenu::ItemAt(POINT p) const {
    const int index = BarItemAt(layout_, p.x, p.y);
    return index < 0 ? nullptr : items_[static_cast<std::size_t>(index)].get();
}

TMenuBtn* TWinSkinMenu::AcceleratorItem(char key) const {
    const int index = BarAcceleratorItem(layout_, key);
    return index < 0 ? nullptr : items_[static_cast<std::size_t>(index)].get();
}

void TWinSkinMenu::GiveMenuBack() {
    ownerDraw_.Restore();
    if (menu_ != nullptr && IsMenu(menu_) && IsWindow(window_) && GetMenu(window_) == nullptr) {
        SetMenu(window_, menu_);
    }
}

void TWinSkinMenu::ForgetMenu() {
    ownerDraw_.Restore();
    menu_ = nullptr;
}

TBitmap32 TWinSkinMenu::BackgroundUnder(const TSkinRect& r) const {
    if (background_.Empty() || r.left < bar_.left || r.top < bar_.top || r.right > bar_.right ||
        r.bottom > bar_.bottom) {
        return {};
    }
    return background_.Copy(r.left - bar_.left, r.top - bar_.top, static_cast<int>(r.Width()),
                            static_cast<int>(r.Height()));
}

void TWinSkinMenu::DropMenu() {
    ownerDraw_.Restore();
    if (menu_ != nullptr && IsMenu(menu_)) {
        DestroyMenu(menu_);
    }
    menu_ = nullptr;
}

} // namespace quellar
