#pragma once
// What the menu code (the bar's drop-downs, the measured and drawn menu items) asks of the
// skinned window it works for.
#include <windows.h>

namespace quellar {

class TSkinData;
class TCustomForm;
class TWinSkinMenu;

class IMenuHost {
public:
    virtual ~IMenuHost() = default;
    virtual HWND Window() const = 0;
    virtual TSkinData& Skin() const = 0;
    // Our form object of the window, or null for a foreign window.
    virtual TCustomForm* Form() const = 0;
    // The bar that replaces the window's menu bar; null when the window has none.
    virtual TWinSkinMenu* MenuBar() const = 0;
    // The menu now shown from the window (a drop-down of the bar, the system menu), for reading
    // item texts by command; null when none.
    virtual HMENU DropDownMenu() const = 0;
    virtual void SetDropDownMenu(HMENU menu) = 0;
    // The skinned system menu while it shows, else null.
    virtual HMENU SystemMenu() const = 0;
    // The screen point in window coordinates.
    virtual POINT WindowPoint(POINT screen) const = 0;
};

} // namespace quellar
