#pragma once
// Tabs: the platform's tab control (tabs along any side of a page area) and the tab set, a strip
// of our own with its tabs hanging from its top edge, as under a page of a notebook.
#include "ui/Controls.h"
#include "ui/TabSetLayout.h"

#include <string>
#include <vector>

namespace quellar {

enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

// The tab control's style bits for a side: tabs on the left or right need several rows allowed.
DWORD TabPositionStyle(TTabPosition position);

class TTabControl : public TWinControl {
    QUELLAR_COMPONENT_CLASS(TTabControl, TWinControl)
public:
    explicit TTabControl(TComponent* owner);
    const std::vector<std::string>& Tabs() const { return tabs_; }
    void SetTabs(const std::vector<std::string>& tabs);
    // The selected tab, -1 for none.
    int TabIndex() const;
    // An index outside the tabs selects none.
    void SetTabIndex(int index);
    TTabPosition TabPosition() const { return position_; }
    void SetTabPosition(TTabPosition position);
    // The user chose another tab.
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void WndProc(TMessage& message) override;

private:
    void FillTabs();
    std::vector<std::string> tabs_;
    int tabIndex_ = -1;
    TTabPosition position_ = TTabPosition::tpTop;
};

class TTabSet : public TWinControl {
    QUELLAR_COMPONENT_CLASS(TTabSet, TWinControl)
public:
    explicit TTabSet(TComponent* owner);
    const std::vector<std::string>& Tabs() const { return tabs_; }
    void SetTabs(const std::vector<std::string>& tabs);
    int TabIndex() const { return tabIndex_; }
    // An index outside the tabs selects none; OnChange is the user's, not told here.
    void SetTabIndex(int index);
    int StartMargin() const { return startMargin_; }
    void SetStartMargin(int pixels);
    int EndMargin() const { return endMargin_; }
    void SetEndMargin(int pixels);
    // The first tab shown; those before it are scrolled out of sight.
    int FirstIndex() const { return firstIndex_; }
    void SetFirstIndex(int index);
    // The width of every caption in the tab set's font.
    std::vector<int> CaptionWidths() const;
    // The tabs shown now and where (this tab set has no scroll buttons).
    std::vector<TTabSetPlace> Places() const;
    // A click selected another tab.
    TNotifyEvent OnChange;

protected:
    void PaintWindow(HDC dc) override;
    void WndProc(TMessage& message) override;

private:
    std::vector<std::string> tabs_;
    int tabIndex_ = -1;
    int startMargin_ = 5;
    int endMargin_ = 5;
    int firstIndex_ = 0;
};

} // namespace quellar
