// The viewer's menus are built item by item: one helper makes an item and hangs it under its parent.
#pragma once

#include "ui/Menus.h"

#include <string>
#include <utility>

namespace quellar {

inline TMenuItem* AddItem(TComponent* owner, TMenuItem& parent, const std::string& caption,
                          TNotifyEvent click = {}) {
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    item->OnClick = std::move(click);
    parent.Add(item);
    return item;
}

} // namespace quellar
