#pragma once
// The menu bar of a skinned window. The window's own menu bar goes (its frame is ours); this
// bar takes the menu's top items, paints them in the strip below the title bar with the skin's
// MenuBar element (or its Menubar colour), lights them under the mouse like the caption
// buttons, and opens their drop-downs (skin/menu/MenuTracking). At detach the window gets its
// menu back, every item with its own type.
#include "skin/form/NCObject.h"
#include "skin/menu/MenuBarLayout.h"
#include "skin/menu/MenuOwnerDraw.h"
#include "skin/model/Bitmap32.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace quellar {

class TSkinData;
class TMainMenu;

// One top item of the bar.
class TMenuBtn : public TNCObject {
public:
    TMenuBtn(TNCHost& host, int position) : TNCObject(host), index(position) {}
    int index;
    std::string caption; // at most 80 characters
    bool enabled = true;
    HMENU submenu = nullptr; // none for a plain command
    UINT command = 0;
};

class TWinSkinMenu {
public:
    static constexpr int MaxCaption = 80;

    TWinSkinMenu(TSkinData& skin, TNCHost& host, HWND window);
    ~TWinSkinMenu();
    TWinSkinMenu(const TWinSkinMenu&) = delete;
    TWinSkinMenu& operator=(const TWinSkinMenu&) = delete;

    // Takes the items of the window's menu (or of the last one known when the window has none
    // now) and removes the menu from the window.
    void LoadFromWindowMenu();
    // Takes the items of the given menu.
    void LoadFromMenu(HMENU menu);
    // Takes the visible top items of our main menu: caption, enabled, command and, for an item
    // with children, its drop-down.
    void LoadFromMainMenu(TMainMenu& menu);

    // The bar's background into the composed frame at bar (window coordinates): the MenuBar
    // element's frame 1 (active) or 2, or the Menubar colour; kept for the items' repaints.
    void ComposeBar(TBitmap32& framePixels, const TSkinRect& bar, bool active);
    // The captions onto the composed frame's context (window coordinates), laying the items
    // out on the way.
    void DrawItems(HDC frameDc);
    // One item after its state changed, straight onto the window's context.
    void PaintButton(HDC windowDc, const TMenuBtn& item);

    // The first item with a caption under the window point; null when none.
    TMenuBtn* ItemAt(POINT windowPoint) const;
    // The first enabled item whose caption has key as its accelerator; null when none.
    TMenuBtn* AcceleratorItem(char key) const;
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuBtn& Item(int index) const { return *items_.at(static_cast<std::size_t>(index)); }
    // The items as the layout and the tracking decisions see them.
    const std::vector<TBarItem>& Layout() const { return layout_; }
    bool RightToLeft() const { return dress_.rightToLeft; }
    HMENU Menu() const { return menu_; }
    TMenuOwnerDraw& OwnerDraw() { return ownerDraw_; }
    HFONT Font() const;

    // The window gets its menu back, every item with its own type.
    void GiveMenuBack();
    // The window is gone: the menu it owned goes with it.
    void DropMenu();
    // The window and the main menu that owns the menu both go: neither given back nor destroyed.
    void ForgetMenu();
    // The bar as last painted under a rectangle of window coordinates (for a button drawn in the
    // bar); empty when the rectangle is not inside the bar.
    TBitmap32 BackgroundUnder(const TSkinRect& rect) const;

private:
    void ReadItems(HMENU menu);
    void ForgetItems();
    void AddItem(std::unique_ptr<TMenuBtn> item);
    void DrawCaption(HDC dc, const TMenuBtn& item, RECT box) const;

    TSkinData* skin_;
    TNCHost& host_;
    HWND window_;
    HMENU menu_ = nullptr;
    std::vector<std::unique_ptr<TMenuBtn>> items_;
    std::vector<TBarItem> layout_;
    TBarDress dress_;
    TSkinRect bar_;
    TBitmap32 background_; // the bar as last painted, without items
    HFONT font_ = nullptr;
    TMenuOwnerDraw ownerDraw_;
};

} // namespace quellar
