#pragma once
// The skin manager on Windows: watches this thread's windows through a CBT hook, gives every
// eligible top-level window (our forms, message boxes, dialogs) a form object, keeps the
// registry of form objects and popup-menu windows, and carries out the skin definitions'
// requests 250 ms after the last one, from a timer on a window of its own.
#include "skin/form/WinSkinForm.h"
#include "skin/menu/WinSkinPopMenu.h"
#include "skin/model/SkinManage.h"
#include "ui/SubclassChain.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace quellar {

class TSkinData;
class TCustomForm;

class TWinSkinManage : public TSkinManage, private TSubclassHandler {
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
    std::vector<HWND> PopupWindows() const;
    // The skinner of the popup-menu window showing that menu, once it painted; else null.
    const TWinSkinPopMenu* PopupShowing(HMENU menu) const;
    // Frees the form objects whose windows are gone.
    void Purge();
    bool TimerRunning() const { return timerRunning_; }
    // MDI: whether a skinned frame shows a maximised child; the children's frames follow.
    void SetMdiMax(bool maximized);
    bool MdiMaximized() const { return mdiMaximized_; }
    int CountSkinnedMdiChildren() const;
    // Skins a new MDI child (they are not caught at their activation).
    bool AttachMdiChild(HWND window);

    static constexpr UINT_PTR RequestTimerId = 1;

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    LRESULT OnCbt(int code, WPARAM wParam, LPARAM lParam);
    bool OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void SyncTimer();
    TSkinData* ChooseSkinData(HWND window, const std::string& className) const;
    void AttachPopupWindow(HWND window);
    // Out of the registry (its window off the attached list too), for freeing.
    std::unique_ptr<TWinSkinForm> TakeFormObject(std::size_t index);
    void AttachAllForms();
    void ReworkForSkinChange(TSkinData* data, bool onlyFirst);
    void DetachUsing(TSkinData* data, bool onlyLast);

    HHOOK hook_ = nullptr;
    HWND timerWindow_ = nullptr;
    bool timerRunning_ = false;
    bool attachingAll_ = false;
    bool mdiMaximized_ = false;
    std::vector<std::unique_ptr<TWinSkinForm>> forms_;
    std::vector<std::unique_ptr<TWinSkinPopMenu>> popups_;
};

// Makes the skin definitions of this process use the Windows manager (call before any form
// loads), and tells the manager which window belongs to a form.
void InstallWindowsSkinManager();
// The Windows manager when it is the one installed, else null.
TWinSkinManage* WindowsSkinManager();

} // namespace quellar
