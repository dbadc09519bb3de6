#pragma once
// Menus: the items (captions, pictures from an image list, check marks, shortcuts, nested items),
// the popup menu that shows itself at a point and runs the chosen item's Click before Popup
// returns, and the main menu that a form shows as its menu bar. The native menu is built from
// the items; items with drawing or measuring handlers (or every item of an owner-drawn menu)
// are drawn by the program, and the window that owns the native menu hands the drawing and
// measuring requests to them.
#include "ui/Controls.h"

#include <memory>
#include <string>
#include <vector>

namespace quellar {

class TImageList;
class TMenu;
class TMenuItem;
class TCustomForm;

// Shortcut modifiers, or'ed with a virtual key code.
constexpr int scShift = 0x2000;
constexpr int scCtrl = 0x4000;
constexpr int scAlt = 0x8000;
// "Ctrl+Shift+F4" style text of a shortcut; empty for 0 or a key without a name.
std::string ShortCutToText(int shortCut);
// The shortcut a key press makes: its virtual key with the modifiers held (Alt from the
// message's context bit, Shift and Ctrl from the keyboard state); 0 for a modifier key alone.
int ShortCutOfKey(WPARAM key, LPARAM keyData);
// The screen's menu font (made once for the process).
HFONT ScreenMenuFont();

using TMenuDrawItemEvent = std::function<void(TMenuItem* sender, HDC dc, const RECT& rect, bool selected)>;
using TMenuMeasureItemEvent = std::function<void(TMenuItem* sender, HDC dc, int& width, int& height)>;

class TMenuItem : public TComponent {
    QUELLAR_COMPONENT_CLASS(TMenuItem, TComponent)
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool IsLine() const { return caption_ == "-"; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index) { imageIndex_ = index; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Default() const { return default_; }
    void SetDefault(bool isDefault) { default_ = isDefault; }
    int ShortCut() const { return shortCut_; }
    void SetShortCut(int shortCut);
    // The identifier of this item in the native menu, unique among the items alive.
    UINT Command() const { return command_; }
    // The native submenu of an item with children (built with the whole menu), else null.
    HMENU Handle() const;
    // While the item is drawn for its owner window: the platform's drawing state (ODS_SELECTED,
    // ODS_NOACCEL for hidden access-key underlines, ...); 0 otherwise.
    UINT DrawState() const { return drawState_; }

    void Add(TMenuItem* item);
    void Remove(TMenuItem* item);
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Item(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    TMenuItem* ParentItem() const { return parent_; }
    // This item or one below it, at any depth, with that command; else null.
    TMenuItem* Find(UINT command);
    // The menu whose items this item is among, or null.
    TMenu* ParentMenu() const;

    TNotifyEvent OnClick;
    TMenuDrawItemEvent OnDrawItem;
    TMenuMeasureItemEvent OnMeasureItem;
    virtual void Click();
    // The program's own size of the item (picture, caption, shortcut), then OnMeasureItem.
    void MeasureItem(HDC dc, int& width, int& height);
    // OnDrawItem when there is one, else the program's own plain drawing.
    void DrawItem(HDC dc, const RECT& rect, bool selected);

private:
    friend class TMenu;
    // A caption, state or shortcut changed: the menu builds its native menu again.
    void Changed();
    // Stores a new caption, state or shortcut; only a real change rebuilds the native menu.
    template <class TValue> void ChangeField(TValue& field, const TValue& value) {
        if (field != value) {
            field = value;
            Changed();
        }
    }
    void ForgetHandles();

    std::string caption_;
    int imageIndex_ = -1;
    bool enabled_ = true;
    bool checked_ = false;
    bool visible_ = true;
    bool default_ = false;
    int shortCut_ = 0;
    UINT drawState_ = 0;
    UINT command_;
    HMENU handle_ = nullptr;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr; // set on the root item only
};

class TMenu : public TComponent {
    QUELLAR_COMPONENT_CLASS(TMenu, TComponent)
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;
    // The root item; its children are the menu's items.
    TMenuItem& Items() { return *items_; }
    const TMenuItem& Items() const { return *items_; }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    // Every item drawn by the program (each item's OnDrawItem, or the plain drawing).
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool ownerDraw);
    bool IsRightToLeft() const { return rightToLeft_; }
    void SetRightToLeft(bool rightToLeft);

    // The native menu, built from the items when first asked for.
    HMENU Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    TMenuItem* FindItem(UINT command) { return items_->Find(command); }
    // The item whose submenu is that native menu (the root item for the menu itself).
    TMenuItem* FindItemByHandle(HMENU menu);
    // Runs the Click of the item with that command; false when there is none.
    bool DispatchCommand(UINT command);
    // The item with that shortcut that a user can reach: it and every item above it enabled and
    // visible. Null when none (or shortCut names no key).
    TMenuItem* FindShortCut(int shortCut);
    // Runs the Click of the item FindShortCut finds; false when there is none.
    bool DispatchShortCut(int shortCut);
    // WM_MEASUREITEM / WM_DRAWITEM of an owner-drawn item of this menu; false when not ours.
    bool DispatchMeasureItem(MEASUREITEMSTRUCT& measure);
    bool DispatchDrawItem(const DRAWITEMSTRUCT& draw);

protected:
    void Notification(TComponent* component, TOperation operation) override;
    virtual HMENU CreateHandle() const { return CreatePopupMenu(); }
    // The items changed: the native menu is filled again (its handle stays).
    virtual void MenuChanged();
    void DestroyHandle();

private:
    friend class TMenuItem;
    void Fill(HMENU menu, TMenuItem& parent);
    bool ItemOwnerDrawn(const TMenuItem& item) const;

    TMenuItem* items_;
    TImageList* images_ = nullptr;
    HMENU handle_ = nullptr;
    std::vector<std::unique_ptr<TBitmap>> pictures_; // alive while the native menu shows them
    bool ownerDraw_ = false;
    bool rightToLeft_ = false;
};

class TPopupMenu : public TMenu {
    QUELLAR_COMPONENT_CLASS(TPopupMenu, TMenu)
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* component) { popupComponent_ = component; }

    // Shows the menu at a screen point, waits for the choice and runs that item's Click; an
    // exception there goes to the application's error box.
    void Popup(int x, int y);
    // Answers the next Popup with the command it returns instead of showing the menu (for tests).
    static void SetPopupAnswer(std::function<int(HMENU menu)> answer);
    // The popup menu showing now (its owner window hands it the drawing requests), or null.
    static TPopupMenu* Showing();

protected:
    // Not while the menu is being tracked: the next Popup builds it afresh.
    void MenuChanged() override;

private:
    bool autoPopup_ = true;
    TComponent* popupComponent_ = nullptr;
    TMenuItem* lastChoice_ = nullptr; // the item the last Popup returned
};

// A form's menu bar.
class TMainMenu : public TMenu {
    QUELLAR_COMPONENT_CLASS(TMainMenu, TMenu)
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;
    // The window showing this menu (set by the form), told CM_MENUCHANGED on every change.
    HWND Window() const { return window_; }
    void SetWindow(HWND window) { window_ = window; }

protected:
    HMENU CreateHandle() const override { return CreateMenu(); }
    void MenuChanged() override;

private:
    HWND window_ = nullptr;
};

// WM_MEASUREITEM / WM_DRAWITEM of owner-drawn items of the popup menu showing now.
bool DispatchPopupOwnerDraw(UINT message, LPARAM lParam);

// WM_MENUCHAR of an open menu (lParam) whose items are owner-drawn: the platform finds their
// mnemonics only through this answer. The enabled item whose text has that letter after an
// ampersand is executed, or selected when several share it (the next one after the item
// selected now); false when none has it, and the message goes on to the default procedure.
bool AnswerMenuChar(WPARAM wParam, LPARAM lParam, LRESULT& result);

} // namespace quellar
