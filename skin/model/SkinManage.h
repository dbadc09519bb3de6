#pragma once
// TSkinManage: the one process-wide skin manager, as far as the skin definition component
// needs it: registration, the pending request (1 activate, 2 deactivate, 3 skin changed,
// 6 purge) with its 250 ms one-shot delay, the active flag and the started counter. This is the
// bookkeeping core; the window watching (hook, form objects, popup menus) builds on it.
#include <cstdint>
#include <string>
#include <vector>

namespace quellar {

class TSkinData;

enum TSkinAction : int { saActivate = 1, saDeactivate = 2, saSkinChanged = 3, saPurge = 6 };

class TSkinManage {
public:
    TSkinManage() = default;
    virtual ~TSkinManage();
    TSkinManage(const TSkinManage&) = delete;
    TSkinManage& operator=(const TSkinManage&) = delete;

    // Starts watching window creation on this thread (main-form skin data only).
    virtual void InstallHook() { hookInstalled = true; }
    void RegisterSkinData(TSkinData* data);
    // A skin definition that goes: nothing may go on wearing it.
    virtual void UnregisterSkinData(TSkinData* data);
    const std::vector<TSkinData*>& SkinDataList() const { return skinDataList_; }

    // Stores the request and (re)starts the one-shot timer. Before the first window activation
    // (started = 0) nothing is queued: 1 and 2 switch the active flag at once, 3 and 6 are dropped.
    virtual void RequestAction(int action, int delay);
    // Skins one window now; true when a form object was created for it.
    virtual bool AttachWindow(std::uintptr_t window);
    // Whether windows of this class may be skinned: the first main-form skin data decides
    // (its OnFormSkin event, else its own class rule); without one every class may.
    bool ShouldSkinClass(const std::string& className) const;
    // Every form object frees its caption buttons.
    virtual void DropAllCaptionButtons() { ++dropCaptionButtonsCalls; }
    // The timer's tick: carries out the pending request, then fires the pending skin data's
    // OnSkinChanged and clears it. Nothing happens without pending skin data.
    virtual void ExecutePendingAction();

    bool hookInstalled = false;
    bool active = false;
    int started = 0;
    int pendingAction = 0;
    TSkinData* pendingSkinData = nullptr;
    bool timerEnabled = false;
    int timerInterval = 250;
    int dropCaptionButtonsCalls = 0;
    std::vector<std::uintptr_t> attachedWindows;

private:
    std::vector<TSkinData*> skinDataList_;
};

// The global reference: null until the first skin definition finishes loading.
TSkinManage* SkinManage();
TSkinManage& CreateSkinManage();
// What CreateSkinManage makes: the platform's manager where one is installed, else the plain
// bookkeeping one.
void SetSkinManageFactory(TSkinManage* (*factory)());
// Frees the manager at program end.
void FreeSkinManage();

} // namespace quellar

namespace quellar {

class TComponent;
// The window of a component that is a form, or 0. The form layer installs the procedure that
// knows; without one no component counts as a form.
using TFormWindowProc = std::uintptr_t (*)(TComponent* component);
void SetFormWindowProc(TFormWindowProc proc);
std::uintptr_t FormWindowOf(TComponent* component);

} // namespace quellar
