#pragma once
// Popup menus with pictures from an image list. The menu is built when it pops up and runs the
// chosen item's Click before Popup returns.
#include "ui/Controls.h"

#include <string>
#include <vector>

namespace quellar {

class TImageList;

class TMenuItem : public TComponent {
    QUELLAR_COMPONENT_CLASS(TMenuItem, TComponent)
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    bool IsLine() const { return caption_ == "-"; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index) { imageIndex_ = index; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool Default() const { return default_; }
    void SetDefault(bool isDefault) { default_ = isDefault; }

    void Add(TMenuItem* item);
    void Remove(TMenuItem* item);
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Item(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    TMenuItem* ParentItem() const { return parent_; }

    TNotifyEvent OnClick;
    virtual void Click();

private:
    std::string caption_;
    int imageIndex_ = -1;
    bool enabled_ = true;
    bool default_ = false;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
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

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TMenuItem* items_;
    TImageList* images_ = nullptr;
};

class TPopupMenu : public TMenu {
    QUELLAR_COMPONENT_CLASS(TPopupMenu, TMenu)
public:
    explicit TPopupMenu(TComponent* owner);
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* component) { popupComponent_ = component; }

    // Shows the menu at a screen point, waits for the choice and runs that item's Click; an
    // exception there goes to the application's error box.
    void Popup(int x, int y);
    // The command the last Popup returned: the chosen item, or nullptr.
    TMenuItem* LastChoice() const { return lastChoice_; }
    // Answers the next Popup with this item instead of showing the menu (for tests).
    static void SetPopupAnswer(std::function<int(HMENU menu)> answer);

private:
    bool autoPopup_ = true;
    TComponent* popupComponent_ = nullptr;
    TMenuItem* lastChoice_ = nullptr;
};

} // namespace quellar
