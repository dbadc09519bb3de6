#include "skin/menu/MenuOwnerDraw.h"

#include <algorithm>

namespace quellar {

namespace {
bool ReadType(HMENU menu, UINT position, MENUITEMINFOA& info) {
    info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
    return GetMenuItemInfoA(menu, position, TRUE, &info) != FALSE;
}

void WriteType(HMENU menu, UINT position, UINT type) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    info.fType = type;
    SetMenuItemInfoA(menu, position, TRUE, &info);
}
} // namespace

bool TMenuOwnerDraw::WasOwnerDrawn(HMENU menu, UINT position) const {
    return std::find(ownerDrawn_.begin(), ownerDrawn_.end(), std::make_pair(menu, position)) !=
           ownerDrawn_.end();
}

void TMenuOwnerDraw::Convert(HMENU menu) {
    if (menu == nullptr || !IsMenu(menu)) {
        return;
    }
    if (std::find(roots_.begin(), roots_.end(), menu) == roots_.end()) {
        roots_.push_back(menu);
    }
    ConvertLevel(menu, 0);
}

void TMenuOwnerDraw::ConvertLevel(HMENU menu, int depth) {
    if (depth > MaxDepth) {
        return;
    }
    // Owner-drawn items of a menu we meet for the first time are the program's own; later
    // ones are ours from an earlier pass.
    const bool seen = std::find(visited_.begin(), visited_.end(), menu) != visited_.end();
    if (!seen) {
        visited_.push_back(menu);
    }
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        const auto position = static_cast<UINT>(i);
        MENUITEMINFOA info;
        if (!ReadType(menu, position, info)) {
            continue;
        }
        if ((info.fType & MFT_OWNERDRAW) == 0) {
            WriteType(menu, position, info.fType | MFT_OWNERDRAW);
        } else if (!seen) {
            ownerDrawn_.emplace_back(menu, position);
        }
        if (info.hSubMenu != nullptr) {
            ConvertLevel(info.hSubMenu, depth + 1);
        }
    }
}

void TMenuOwnerDraw::Restore() {
    for (HMENU root : roots_) {
        if (IsMenu(root)) {
            RestoreLevel(root, 0);
        }
    }
    roots_.clear();
    visited_.clear();
    ownerDrawn_.clear();
}

void TMenuOwnerDraw::RestoreLevel(HMENU menu, int depth) {
    if (depth > MaxDepth) {
        return;
    }
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        const auto position = static_cast<UINT>(i);
        MENUITEMINFOA info;
        if (!ReadType(menu, position, info)) {
            continue;
        }
        if ((info.fType & MFT_OWNERDRAW) != 0 && !WasOwnerDrawn(menu, position)) {
            WriteType(menu, position, info.fType & ~static_cast<UINT>(MFT_OWNERDRAW));
        }
        if (info.hSubMenu != nullptr) {
            RestoreLevel(info.hSubMenu, depth + 1);
        }
    }
}

} // namespace quellar
