#pragma once
// What tests of the window framework build their forms from: a control placed on a parent, and
// a menu item added under another.
#include "ui/Controls.h"
#include "ui/Menus.h"

namespace quellar::test {

// A new control owned (and freed) by `owner`, on `parent` at the given bounds.
template <class TKind>
TKind* PlaceControl(TComponent* owner, TWinControl* parent, int left, int top, int width, int height) {
    auto* control = new TKind(owner);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

// A new item owned (and freed) by `owner`, the last one under `parent`.
inline TMenuItem* AddMenuItem(TComponent* owner, TMenuItem& parent, const char* caption) {
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    parent.Add(item);
    return item;
}

} // namespace quellar::test
