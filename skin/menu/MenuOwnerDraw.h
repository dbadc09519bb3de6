#pragma once
// Turns the items of a menu and of its nested submenus into owner-drawn items, so the skin
// draws them, and gives each item its own type back later. Only the type flags are touched:
// captions, identifiers, states and submenus stay as they were.
#include <windows.h>

#include <utility>
#include <vector>

namespace quellar {

class TMenuOwnerDraw {
public:
    TMenuOwnerDraw() = default;
    ~TMenuOwnerDraw() = default;
    TMenuOwnerDraw(const TMenuOwnerDraw&) = delete;
    TMenuOwnerDraw& operator=(const TMenuOwnerDraw&) = delete;

    // Every item of menu and its submenus becomes owner-drawn. Items the program drew itself
    // already are noted, so Restore leaves them owner-drawn. Converting a menu again (items
    // may have been added since) is fine.
    void Convert(HMENU menu);
    // Every converted item gets its own type back; forgets the converted menus.
    void Restore();

    // Submenus nested deeper than this are left alone (a menu that holds itself ends there).
    static constexpr int MaxDepth = 16;

private:
    void ConvertLevel(HMENU menu, int depth);
    void RestoreLevel(HMENU menu, int depth);
    bool WasOwnerDrawn(HMENU menu, UINT position) const;

    std::vector<HMENU> roots_;
    std::vector<HMENU> visited_;                     // every menu converted, nested ones included
    std::vector<std::pair<HMENU, UINT>> ownerDrawn_; // drawn by the program before we came
};

} // namespace quellar
