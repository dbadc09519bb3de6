// A skinned window's menu items: measuring and drawing requests answered with the skin, and the
// form's popup menus handed to the skin and back.
#include "skin/menu/MenuHost.h"
#include "skin/menu/MenuItemLayout.h"
#include "skin/menu/MenuItemPaint.h"
#include "skin/model/SkinDataPlatform.h"
#include "skin/model/WinSkinData.h"
#include "ui/Forms.h"
#include "ui/Menus.h"

#include <array>

namespace quellar {

namespace {
constexpr int kTextLength = 80;

int ElementLeft(const TSkinData& skin) {
    return skin.Model().MenuItem != nullptr ? skin.Model().MenuItem->LeftWidth : 0;
}

// The text of a native item; a fresh buffer each time, so no earlier text shows through.
std::string ItemText(HMENU menu, UINT command) {
    std::array<char, kTextLength + 1> text{};
    if (menu != nullptr) {
        GetMenuStringA(menu, command, text.data(), kTextLength, MF_BYCOMMAND);
    }
    return text.data();
}

// The framework item of that command in the form's menu bar (not for the system menu).
TMenuItem* FormMenuItem(const IMenuHost& form, UINT command, HMENU menu) {
    TMainMenu* bar = form.Form() != nullptr ? form.Form()->Menu() : nullptr;
    if (bar == nullptr || menu == form.SystemMenu() || command == 0) {
        return nullptr;
    }
    TMenuItem* item = bar->FindItem(command);
    return item != &bar->Items() ? item : nullptr;
}

// A raw native item as the painter sees it; the system menu's items carry their picture.
TMenuItemView RawView(const IMenuHost& form, HMENU menu, UINT command, ULONG_PTR data) {
    TMenuItemView view;
    const std::string text = ItemText(menu, command);
    const auto tab = text.find('\t');
    view.caption = text.empty() ? "-" : text.substr(0, tab);
    if (tab != std::string::npos) {
        view.shortCut = text.substr(tab + 1);
    }
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE;
    if (menu != nullptr && command != 0 && GetMenuItemInfoA(menu, command, FALSE, &info)) {
        view.enabled = (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
        view.checked = (info.fState & MFS_CHECKED) != 0;
    }
    const TSkinDataPlatform* platform = form.Skin().Platform();
    if (menu != nullptr && menu == form.SystemMenu() && platform != nullptr && data != 0) {
        view.images = platform->MenuImages;
        view.imageIndex = static_cast<int>(data) - 1;
    }
    return view;
}
} // namespace

bool MeasureMenuItem(IMenuHost& form, MEASUREITEMSTRUCT& measure) {
    if (measure.CtlType != ODT_MENU) {
        return false;
    }
    const TSkinData& skin = form.Skin();
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, ScreenMenuFont());
    if (TMenuItem* item = FormMenuItem(form, measure.itemID, form.DropDownMenu()); item != nullptr) {
        TMenuMeasureItemEvent own = std::move(item->OnMeasureItem);
        item->OnMeasureItem = nullptr; // the skin's sizes go on the framework's own
        int width = 0, height = 0;
        item->MeasureItem(dc, width, height);
        item->OnMeasureItem = std::move(own);
        const TMenu* menu = item->ParentMenu();
        measure.itemWidth = static_cast<UINT>(OnScreenItemWidth(
            FormMenuItemWidth(width, ElementLeft(skin), menu != nullptr && menu->Images() != nullptr),
            form.Window()));
        measure.itemHeight = static_cast<UINT>(height);
    } else {
        const std::string text = ItemText(form.DropDownMenu(), measure.itemID);
        RECT r{0, 0, 0, 0};
        DrawTextA(dc, text.empty() ? " " : text.c_str(), -1, &r,
                  DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | DT_NOCLIP);
        const bool olderFamily = (GetVersion() & 0x80000000u) != 0;
        const TItemSize size = TextItemSize(r.right, r.bottom, text.empty(), ElementLeft(skin), olderFamily);
        measure.itemWidth = static_cast<UINT>(OnScreenItemWidth(size.width, form.Window()));
        measure.itemHeight = static_cast<UINT>(size.height);
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return true;
}

bool DrawMenuItem(IMenuHost& form, const DRAWITEMSTRUCT& draw) {
    if (draw.CtlType != ODT_MENU) {
        return false;
    }
    auto menu = reinterpret_cast<HMENU>(draw.hwndItem);
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    const TMenuItem* item = FormMenuItem(form, draw.itemID, menu);
    TMenuItemView view = item != nullptr ? ViewOf(*item) : RawView(form, menu, draw.itemID, draw.itemData);
    view.hideAccelerator = (draw.itemState & ODS_NOACCEL) != 0;
    PaintMenuItem(form.Skin(), draw.hDC, draw.rcItem, view, selected, menu);
    return true;
}

namespace {
void ConvertItems(TMenuItem& parent, TSkinData& skin, bool on) {
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem& item = *parent.Item(i);
        if (on && !item.OnDrawItem) {
            item.OnDrawItem = TSkinItemPainter{&skin};
            item.OnMeasureItem = TSkinItemMeasurer{&skin};
        } else if (!on && item.OnDrawItem.target<TSkinItemPainter>() != nullptr) {
            // Only the skin's own handlers go; drawing the program gave an item stays.
            item.OnDrawItem = nullptr;
            if (item.OnMeasureItem.target<TSkinItemMeasurer>() != nullptr) {
                item.OnMeasureItem = nullptr;
            }
        }
        ConvertItems(item, skin, on);
    }
}
} // namespace

void ConvertPopupMenus(TCustomForm& form, TSkinData& skin, bool on) {
    if ((skin.SkinControls() & SkinControlBit(xcPopupMenu)) == 0) {
        return;
    }
    for (TComponent* component : form.Components()) {
        auto* menu = dynamic_cast<TPopupMenu*>(component);
        if (menu == nullptr || menu->Tag() % 100 == skin.DisableTag()) {
            continue;
        }
        menu->SetOwnerDraw(on);
        ConvertItems(menu->Items(), skin, on);
    }
}

} // namespace quellar
