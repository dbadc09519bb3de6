#pragma once
// The skin viewer's window: one of every control the skin engine draws, a menu bar, a popup
// menu, and the means to choose a skin file (command line, File > Open, the skins beside the
// program). A new skin is worn at once.
#include "ui/Forms.h"

#include <string>
#include <vector>

namespace quellar {

class TSkinData;
class TStatusBar;
class TComboBox;
class TTrackBar;
class TProgressBar;
class TPopupMenu;
class TMainMenu;
class TMenuItem;
class TGroupBox;
class TfrmSkinViewMdi;

// A new control of the form at a place in a parent.
template <class C>
C* PlaceControl(TComponent* owner, TWinControl* parent, int left, int top, int width, int height) {
    auto* control = new C(owner);
    control->SetBounds(left, top, width, height);
    control->SetParent(parent);
    return control;
}

class TfrmSkinView : public TForm {
    QUELLAR_COMPONENT_CLASS(TfrmSkinView, TForm)
public:
    explicit TfrmSkinView(TComponent* owner);
    ~TfrmSkinView() override;

    // Wears the skin of a file; a file that cannot be read is reported and the skin worn before
    // stays. True when the file's skin is worn.
    bool OpenSkin(const std::string& path);
    // The skins offered by name (folder and file names), in the order they are listed.
    void SetSkinList(const std::string& folder, const std::vector<std::string>& fileNames);
    // The next (step 1) or previous (step -1) skin of the list, wrapping around.
    void StepSkin(int step);
    // Asks for a skin file with the platform's open dialog and wears it.
    void OpenWithDialog();

    TSkinData* SkinData() const { return skinData_; }
    const std::string& CurrentFile() const { return currentFile_; }
    // What `quellar-skin check` warns about the skin worn (View > Skin warnings shows them).
    const std::vector<std::string>& Warnings() const { return warnings_; }
    void ShowWarnings();
    TPopupMenu* PopupMenu() const { return popup_; }
    TMainMenu* MainMenu() const { return mainMenu_; }
    TComboBox* SkinCombo() const { return skinCombo_; }
    // The MDI windows of the Window menu: made at the first "New child"; null until then.
    TfrmSkinViewMdi* MdiWindows() const { return mdi_; }
    TfrmSkinViewMdi& OpenMdiWindows();

protected:
    void WndProc(TMessage& message) override;

private:
    void BuildButtons();
    void BuildValues();
    void BuildScrolling();
    void BuildTabs();
    void BuildMenus();
    void BuildWindowMenu(TMenuItem& bar);
    void BuildStatusBar();
    void ShowSkinState();
    void ShowPopupAt(POINT screen);
    // Wears the skin listed at index.
    void OpenListed(std::size_t index);
    bool CurrentFileIs(std::size_t index) const;
    void CheckWornSkin();

    TSkinData* skinData_ = nullptr;
    TStatusBar* statusBar_ = nullptr;
    TComboBox* skinCombo_ = nullptr;
    TTrackBar* trackBar_ = nullptr;
    TProgressBar* progress_ = nullptr;
    TPopupMenu* popup_ = nullptr;
    TMainMenu* mainMenu_ = nullptr;
    TMenuItem* skinsMenu_ = nullptr;
    TfrmSkinViewMdi* mdi_ = nullptr;
    std::string currentFile_;
    std::vector<std::string> warnings_;
    std::string skinFolder_;
    std::vector<std::string> skinFiles_;
};

} // namespace quellar
