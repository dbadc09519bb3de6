#pragma once
// Menu items wearing the skin: one item drawn over the skin's item element (or flat colours),
// with its picture or check mark, caption, shortcut and separator; the answers to a skinned
// window's WM_MEASUREITEM and WM_DRAWITEM; and the form's popup menus handed to the skin.
#include <windows.h>

#include <commctrl.h>

#include <string>

namespace quellar {

class TSkinData;
class IMenuHost;
class TCustomForm;
class TMenuItem;

// What the painter needs of an item, from a framework item or a raw native one.
struct TMenuItemView {
    std::string caption; // "-" for a separator
    std::string shortCut;
    bool enabled = true;
    bool checked = false;
    bool isDefault = false;
    HIMAGELIST images = nullptr;
    int imageIndex = -1;
    bool rightToLeft = false;
    bool hideAccelerator = false; // the access-key underline is not drawn (ODS_NOACCEL)
};

TMenuItemView ViewOf(const TMenuItem& item);

// Draws the item into rect of dc; parentMenu is the native menu the item shows in (its popup
// window's background shows through the item).
void PaintMenuItem(const TSkinData& skin, HDC dc, const RECT& rect, const TMenuItemView& item, bool selected,
                   HMENU parentMenu);

// WM_MEASUREITEM / WM_DRAWITEM of a skinned window; false when not for a menu item.
bool MeasureMenuItem(IMenuHost& form, MEASUREITEMSTRUCT& measure);
bool DrawMenuItem(IMenuHost& form, const DRAWITEMSTRUCT& draw);

// Gives every item of the form's popup menus the skin's drawing and measuring (on), or takes it
// back (off). Items with drawing of their own keep it.
void ConvertPopupMenus(TCustomForm& form, TSkinData& skin, bool on);

// The skin's handlers given to converted items (named, so they can be told from the program's).
struct TSkinItemPainter {
    TSkinData* skin;
    void operator()(TMenuItem* item, HDC dc, const RECT& rect, bool selected) const;
};
// An item width the skin asks for, at most what leaves the popup menu (its frame and check-mark
// column included) within the width of the work area of the window's monitor (the primary one
// for none): a popup menu is never wider than the screen.
int OnScreenItemWidth(int width, HWND window);

struct TSkinItemMeasurer {
    TSkinData* skin;
    void operator()(TMenuItem* item, HDC dc, int& width, int& height) const;
};

} // namespace quellar
