#pragma once
// What the icon needs from the framework's image list and popup menu, as small interfaces, so
// the icon builds and is tested without them. The main window adapts its TImageList and
// TPopupMenu to these.
#include "ui/Component.h"

#include <windows.h>

namespace quellar {

class ITrayIconList {
public:
    virtual ~ITrayIconList() = default;
    virtual int Count() const = 0;
    // The picture at index (0 <= index < Count()). The list keeps ownership; the icon
    // component copies it.
    virtual HICON GetIcon(int index) const = 0;
    // The component to watch: when it is destroyed the icon forgets this list. May be null.
    virtual TComponent* ListComponent() const = 0;
};

class ITrayPopupMenu {
public:
    virtual ~ITrayPopupMenu() = default;
    // Whether the menu shows itself on a right click (the framework's "automatic popup").
    virtual bool AutoPopup() const = 0;
    // Tells the menu which component it pops up for, before Popup.
    virtual void SetPopupComponent(TComponent* component) = 0;
    // The window the menu is tracked with (the owner its TrackPopupMenu is given), or null
    // when the menu does not know it.
    virtual HWND OwnerWindow() const = 0;
    // Shows the menu at the screen point and returns when it closes (running its own message
    // loop, in which the chosen item's handler runs or is posted).
    virtual void Popup(int x, int y) = 0;
    virtual int ItemCount() const = 0;
    // Whether the item at index is marked as the menu's default item.
    virtual bool ItemIsDefault(int index) const = 0;
    // Runs the item's click, as choosing it would.
    virtual void ClickItem(int index) = 0;
    // The component to watch: when it is destroyed the icon forgets this menu. May be null.
    virtual TComponent* MenuComponent() const = 0;
};

} // namespace quellar
