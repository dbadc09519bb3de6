#pragma once
// TPopupMenuSkins: the skinners of this thread's popup-menu windows, one per window, from the
// window's creation to its destruction or until its skin goes.
#include "skin/menu/WinSkinPopMenu.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace quellar {

class TSkinData;

class TPopupMenuSkins {
public:
    bool Knows(HWND window) const;
    // Skins the window with data (it is not known yet).
    void Add(HWND window, TSkinData& data);
    // The window is going: its skinner goes.
    void Forget(HWND window);
    // The skin is going: the skinners wearing it go.
    void ForgetSkin(const TSkinData& data);
    void Clear() { popups_.clear(); }

    std::vector<HWND> Windows() const;
    // The skinner of the window showing that menu, once it painted; else null.
    const TWinSkinPopMenu* Showing(HMENU menu) const;

private:
    std::vector<std::unique_ptr<TWinSkinPopMenu>> popups_;
};

} // namespace quellar
