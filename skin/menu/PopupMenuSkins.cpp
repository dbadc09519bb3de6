#include "skin/menu/PopupMenuSkins.h"

#include <algorithm>

namespace quellar {

bool TPopupMenuSkins::Knows(HWND window) const {
    return std::any_of(popups_.begin(), popups_.end(),
                       [window](const auto& popup) { return popup->Window() == window; });
}

void TPopupMenuSkins::Add(HWND window, TSkinData& data) {
    auto popup = std::make_unique<TWinSkinPopMenu>(window, data);
    popup->Attach();
    popups_.push_back(std::move(popup));
}

void TPopupMenuSkins::Forget(HWND window) {
    std::erase_if(popups_, [window](const auto& popup) { return popup->Window() == window; });
}

void TPopupMenuSkins::ForgetSkin(const TSkinData& data) {
    std::erase_if(popups_, [&data](const auto& popup) { return &popup->Skin() == &data; });
}

std::vector<HWND> TPopupMenuSkins::Windows() const {
    std::vector<HWND> windows;
    for (const auto& popup : popups_) {
        windows.push_back(popup->Window());
    }
    return windows;
}

const TWinSkinPopMenu* TPopupMenuSkins::Showing(HMENU menu) const {
    for (const auto& popup : popups_) {
        if (menu != nullptr && popup->Menu() == menu && !popup->Background().Empty()) {
            return popup.get();
        }
    }
    return nullptr;
}

} // namespace quellar
