#pragma once
// The viewer's MDI windows: a frame of their own, opened from the Window menu, whose children
// wear the skin as they open, show their buttons in the frame's bar when maximised, and tile,
// cascade and close like any MDI program's.
#include "ui/Forms.h"

namespace quellar {

class TMainMenu;

class TfrmSkinViewChild : public TForm {
    QUELLAR_COMPONENT_CLASS(TfrmSkinViewChild, TForm)
public:
    TfrmSkinViewChild(TComponent* owner, int number);
};

class TfrmSkinViewMdi : public TForm {
    QUELLAR_COMPONENT_CLASS(TfrmSkinViewMdi, TForm)
public:
    explicit TfrmSkinViewMdi(TComponent* owner);

    // A new child, shown and active.
    TfrmSkinViewChild* NewChild();
    void CloseAll();
    TMainMenu* MainMenu() const { return mainMenu_; }

private:
    TMainMenu* mainMenu_ = nullptr;
    int childrenMade_ = 0;
};

} // namespace quellar
