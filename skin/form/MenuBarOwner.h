#pragma once
// TMenuBarOwner: the menu bar of one skinned window and what goes with it. It owns the bar that
// replaces the window's menu bar, the menu now shown from the window, and the hook in front of
// our form's own message handling that lets Alt and a letter reach the bar before the form's
// controls; and it hands the menu back when the window lets go of the skin. It is what the menu
// code (tracking, measured and drawn items) sees of the window.
#include "skin/form/CaptionButtons.h"
#include "skin/menu/MenuBar.h"
#include "skin/menu/MenuHost.h"
#include "ui/SubclassChain.h"

#include <windows.h>

#include <memory>

namespace quellar {

class TCustomForm;
class TSkinData;

class TMenuBarOwner : public IMenuHost {
public:
    // form is our form object of the window, or null; buttons show the system menu; items holds
    // the one hot item the bar shares with the caption buttons.
    TMenuBarOwner(HWND window, TSkinData& skin, TCustomForm* form, const TCaptionButtons& buttons,
                  TNCHost& items)
        : window_(window), skin_(skin), form_(form), buttons_(buttons), items_(items) {}
    ~TMenuBarOwner() override;
    TMenuBarOwner(const TMenuBarOwner&) = delete;
    TMenuBarOwner& operator=(const TMenuBarOwner&) = delete;

    // The bar takes the items of the window's menu and removes the menu from the window.
    void TakeWindowMenu();
    // Our form is going: nothing of it is asked again.
    void ForgetForm() { form_ = nullptr; }

    // The menu code's view of the window.
    HWND Window() const override { return window_; }
    TSkinData& Skin() const override { return skin_; }
    TCustomForm* Form() const override { return form_; }
    TWinSkinMenu* MenuBar() const override { return bar_.get(); }
    HMENU DropDownMenu() const override { return dropDown_; }
    void SetDropDownMenu(HMENU menu) override { dropDown_ = menu; }
    HMENU SystemMenu() const override { return buttons_.SystemMenu(); }
    POINT WindowPoint(POINT screen) const override { return WindowPointOf(window_, screen); }

    // The program changed the menu: the bar reads it again. False when there is no bar.
    bool ReadChangedMenu();
    // The frame bar again from our form's main menu, or from the menu it had (a foreign frame).
    bool ReloadFromMainMenu();
    // The bar item whose accelerator is key, while no menu shows; null when none.
    const TMenuBtn* AcceleratorItem(char key) const;

    // The bar's tracking ended and its menu handed on. A window that is going takes its menu
    // along, unless a main menu of ours owns it (it frees its menu itself); one that stays gets
    // it back.
    void Release(bool formGoing, bool windowGone);

private:
    // A link in front of our form's own message handling while the bar is there. The framework
    // hands Alt and a letter to the form as CM_DIALOGCHAR through Perform alone (the
    // application's message loop calls it), never through the window procedure, so the window's
    // subclass chain cannot see it: the hook sits in the form's link set instead.
    void HookForm(bool on);
    bool FormLevel(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    HWND window_;
    TSkinData& skin_;
    TCustomForm* form_;
    const TCaptionButtons& buttons_;
    TNCHost& items_;
    std::unique_ptr<TWinSkinMenu> bar_;
    HMENU dropDown_ = nullptr;
    TCustomForm* hookedForm_ = nullptr;
    TLinkTo<TMenuBarOwner, &TMenuBarOwner::FormLevel> formLink_{*this};
};

} // namespace quellar
