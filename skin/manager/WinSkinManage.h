#pragma once
// The skin manager on Windows: watches this thread's windows through a CBT hook, gives every
// eligible top-level window (our forms, message boxes, dialogs) a form object, keeps the
// registry of form objects and popup-menu windows, and carries out the skin definitions'
// requests 250 ms after the last one, from a timer on a window of its own.
#include "skin/form/WinSkinForm.h"
#include "skin/manager/RequestTimer.h"
#include "skin/menu/PopupMenuSkins.h"
#include "skin/model/SkinManage.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace quellar {

class TSkinData;
class TCustomForm;

class TWinSkinManage : public TSkinManage {
public:
    TWinSkinManage();
    ~TWinSkinManage() override;

    void InstallHook() override;
    void RequestAction(int action, int delay) override;
    bool AttachWindow(std::uintptr_t window) override;
    void DropAllCaptionButtons() override;
    void ExecutePendingAction() override;
    // Windows wearing the skin that goes get their own look back; its popup skinners go.
    void UnregisterSkinData(TSkinData* data) override;

    // Skins a form of ours now, unless it is hidden or a child window.
    void AttachForm(TCustomForm& form);
    TWinSkinForm* FindFormObject(HWND window) const;
    const std::vector<std::unique_ptr<TWinSkinForm>>& FormObjects() const { return forms_; }
    // The skinners of the popup-menu windows.
    const TPopupMenuSkins& Popups() const { return popups_; }
    // Frees the form objects whose windows are gone.
    void Purge();
    // The delay timer of the requests.
    const TRequestTimer& Timer() const { return timer_; }
    // MDI: whether a skinned frame shows a maximised child; the children's frames follow.
    void SetMdiMax(bool maximized);
    bool MdiMaximized() const { return mdiMaximized_; }
    int CountSkinnedMdiChildren() const;
    // Skins a new MDI child (they are not caught at their activation).
    bool AttachMdiChild(HWND window);

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    LRESULT OnCbt(int code, WPARAM wParam, LPARAM lParam);
    // The timer runs while a request waits.
    void SyncTimer() { timer_.Follow(timerEnabled, timerInterval); }
    TSkinData* ChooseSkinData(HWND window, const std::string& className) const;
    void AttachPopupWindow(HWND window);
    // Out of the registry (its window off the attached list too), for freeing.
    std::unique_ptr<TWinSkinForm> TakeFormObject(std::size_t index);
    void AttachAllForms();
    void ReworkForSkinChange(TSkinData* data, bool onlyFirst);
    void DetachUsing(TSkinData* data, bool onlyLast);

    TRequestTimer timer_{[this] { ExecutePendingAction(); }};
    HHOOK hook_ = nullptr;
    bool attachingAll_ = false;
    bool mdiMaximized_ = false;
    std::vector<std::unique_ptr<TWinSkinForm>> forms_;
    TPopupMenuSkins popups_;
};

// Makes the skin definitions of this process use the Windows manager (call before any form
// loads), and tells the manager which window belongs to a form.
void InstallWindowsSkinManager();
// The Windows manager when it is the one installed, else null.
TWinSkinManage* WindowsSkinManager();

} // namespace quellar
