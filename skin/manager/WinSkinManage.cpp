#include "skin/manager/WinSkinManage.h"

#include "skin/form/SkinMessages.h"
#include "skin/model/WinSkinData.h"
#include "ui/ExceptionBoundary.h"
#include "ui/Forms.h"
#include "ui/WinUtil.h"

#include <algorithm>

namespace quellar {

namespace {
TWinSkinManage* gHookOwner = nullptr; // the manager whose hook runs on this thread

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool AnswersSkinQuery(HWND window) {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(window, SkinQuery, 0, 0, SMTO_NORMAL, 1000, &answer) != 0 && answer == 1;
}

TCustomForm* FormOfWindow(HWND window) {
    if (Application == nullptr) {
        return nullptr;
    }
    for (TCustomForm* form : Application->Forms()) {
        if (form->HandleAllocated() && form->Handle() == window) {
            return form;
        }
    }
    return nullptr;
}

bool IsMdiChild(HWND window) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
    HWND parent = GetParent(window);
    return (style & WS_CHILD) != 0 && parent != nullptr && Lower(HwndClassName(parent)) == "mdiclient";
}
} // namespace

TWinSkinManage::TWinSkinManage() = default;

TWinSkinManage::~TWinSkinManage() {
    started = 4;
    timer_.Follow(false, 0);
    if (hook_ != nullptr) {
        UnhookWindowsHookEx(hook_);
        if (gHookOwner == this) {
            gHookOwner = nullptr;
        }
    }
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it) {
        if ((*it)->LifeState() != lsDestroyed) {
            (*it)->SetLifeState(lsDetachingAtExit);
            (*it)->DetachAtExit();
        }
    }
    forms_.clear();
    popups_.Clear();
}

void TWinSkinManage::InstallHook() {
    TSkinManage::InstallHook();
    if (hook_ != nullptr) {
        return;
    }
    hook_ = SetWindowsHookExA(WH_CBT, &CbtProc, nullptr, GetCurrentThreadId());
    gHookOwner = this;
}

LRESULT CALLBACK TWinSkinManage::CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0 && gHookOwner != nullptr) {
        // A window the manager cannot take on (no memory for its object) is created unskinned.
        const LRESULT veto =
            Guarded([&] { return gHookOwner->OnCbt(code, wParam, lParam); }, [] { return LRESULT{0}; });
        if (veto != 0) {
            return veto;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT TWinSkinManage::OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    auto window = reinterpret_cast<HWND>(wParam);
    switch (code) {
    case HCBT_CREATEWND: {
        const std::string name = HwndClassName(window);
        const auto* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam)->lpcs;
        if (name == "ScrollBar" && (create->style & SBS_SIZEGRIP) != 0 && create->hwndParent != nullptr &&
            FindFormObject(create->hwndParent) != nullptr) {
            return 10; // no size grip on a skinned window
        }
        if (name == "#32768") {
            AttachPopupWindow(window);
        }
        return 0;
    }
    case HCBT_DESTROYWND:
        popups_.Forget(window);
        return 0;
    case HCBT_ACTIVATE:
        if (started == 0) {
            started = 1;
        }
        AttachWindow(reinterpret_cast<std::uintptr_t>(window));
        return 0;
    default:
        return 0;
    }
}

void TWinSkinManage::AttachPopupWindow(HWND window) {
    if (!active || popups_.Knows(window) || AnswersSkinQuery(window)) {
        return;
    }
    TSkinData* data = ChooseSkinData(window, "#32768");
    if (data != nullptr && data->SkinLoaded() && (data->SkinControls() & SkinControlBit(xcMainMenu)) != 0) {
        popups_.Add(window, *data);
    }
}

std::unique_ptr<TWinSkinForm> TWinSkinManage::TakeFormObject(std::size_t index) {
    std::unique_ptr<TWinSkinForm> form = std::move(forms_[index]);
    forms_.erase(forms_.begin() + static_cast<std::ptrdiff_t>(index));
    std::erase(attachedWindows, reinterpret_cast<std::uintptr_t>(form->Window()));
    return form;
}

void TWinSkinManage::Purge() {
    for (std::size_t i = forms_.size(); i-- > 0;) {
        if (forms_[i]->LifeState() == lsDestroyed) {
            TakeFormObject(i);
        }
    }
}

TWinSkinForm* TWinSkinManage::FindFormObject(HWND window) const {
    for (const auto& form : forms_) {
        if (form->Window() == window && form->LifeState() != lsDestroyed) {
            return form.get();
        }
    }
    return nullptr;
}

TSkinData* TWinSkinManage::ChooseSkinData(HWND window, const std::string& className) const {
    const auto& list = SkinDataList();
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        if ((*it)->SkinFormtype() == sfOnlyThisForm &&
            FormWindowOf((*it)->Owner()) == reinterpret_cast<std::uintptr_t>(window)) {
            return *it;
        }
    }
    const std::string lower = Lower(className);
    if (lower == "tmessageform" || lower == "#32770") {
        for (auto it = list.rbegin(); it != list.rend(); ++it) {
            if ((*it)->SkinFormtype() == sfDialog) {
                return *it;
            }
        }
    }
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        if ((*it)->SkinFormtype() == sfMainform) {
            return *it;
        }
    }
    return list.empty() ? nullptr : list.front();
}

bool TWinSkinManage::AttachWindow(std::uintptr_t handle) {
    auto window = reinterpret_cast<HWND>(handle);
    if (!active || window == nullptr || !IsWindow(window) || window == timer_.Window() ||
        AnswersSkinQuery(window)) {
        return false;
    }
    Purge();
    if (FindFormObject(window) != nullptr) {
        return false;
    }
    TCustomForm* form = FormOfWindow(window);
    if (!attachingAll_ && IsMdiChild(window)) {
        return false; // the frame's MDI client attaches its children
    }
    RECT r{};
    GetWindowRect(window, &r);
    if (static_cast<long long>(r.right - r.left) * (r.bottom - r.top) == 0) {
        return false;
    }
    if (form != nullptr && form->Tag() == 99) {
        return false;
    }
    const std::string className = HwndClassName(window);
    if (className == "TApplication" || !ShouldSkinClass(className)) {
        return false;
    }
    TSkinData* data = ChooseSkinData(window, className);
    if (data == nullptr || !data->SkinLoaded()) {
        return false;
    }
    auto object = std::make_unique<TWinSkinForm>(window, *data, form);
    object->Attach();
    forms_.push_back(std::move(object));
    attachedWindows.push_back(handle);
    PostMessageA(window, SkinAttached, 0, 1000);
    return true;
}

void TWinSkinManage::AttachForm(TCustomForm& form) {
    if (!form.HandleAllocated() || !IsWindowVisible(form.Handle())) {
        return;
    }
    // A form inside another window is not skinned; an MDI child is, like its frame.
    if ((GetWindowLongPtrA(form.Handle(), GWL_STYLE) & WS_CHILD) != 0 && !IsMdiChild(form.Handle())) {
        return;
    }
    AttachWindow(reinterpret_cast<std::uintptr_t>(form.Handle()));
}

void TWinSkinManage::UnregisterSkinData(TSkinData* data) {
    for (std::size_t i = forms_.size(); i-- > 0;) {
        if (forms_[i]->Wears(*data)) {
            TakeFormObject(i)->DetachAndRestore();
        }
    }
    popups_.ForgetSkin(*data);
    TSkinManage::UnregisterSkinData(data);
}

void TWinSkinManage::DropAllCaptionButtons() {
    TSkinManage::DropAllCaptionButtons();
    for (const auto& form : forms_) {
        form->Buttons().Drop();
    }
}

void TWinSkinManage::RequestAction(int action, int delay) {
    TSkinManage::RequestAction(action, delay);
    SyncTimer();
}

void TWinSkinManage::AttachAllForms() {
    if (Application == nullptr) {
        return;
    }
    const std::vector<TCustomForm*> forms = Application->Forms();
    for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
        AttachForm(**it);
    }
}

void TWinSkinManage::DetachUsing(TSkinData* data, bool onlyLast) {
    for (std::size_t i = forms_.size(); i-- > 0;) {
        TWinSkinForm& form = *forms_[i];
        if (data != nullptr && &form.Skin() != data) {
            continue;
        }
        form.DetachAndRestore();
        InvalidateRect(form.Window(), nullptr, TRUE);
        UpdateWindow(form.Window());
        TakeFormObject(i);
        if (onlyLast) {
            return;
        }
    }
}

void TWinSkinManage::ReworkForSkinChange(TSkinData* data, bool onlyFirst) {
    std::vector<TWinSkinForm*> using_;
    for (const auto& form : forms_) {
        if (&form->Skin() == data) {
            using_.push_back(form.get());
            if (onlyFirst) {
                break;
            }
        }
    }
    for (TWinSkinForm* form : using_) {
        form->Buttons().Drop();
        form->BuildLayout();
    }
    for (TWinSkinForm* form : using_) {
        form->ReapplySkin();
    }
}

void TWinSkinManage::ExecutePendingAction() {
    TSkinData* data = pendingSkinData;
    if (data == nullptr) {
        // Nothing pending: the timer rests until the next request.
        timerEnabled = false;
        SyncTimer();
        return;
    }
    timerEnabled = false;
    SyncTimer();
    const bool onlyThis = data->SkinFormtype() == sfOnlyThisForm;
    switch (pendingAction) {
    case saActivate:
        active = true;
        attachingAll_ = true;
        Purge();
        if (onlyThis) {
            if (auto* form = dynamic_cast<TCustomForm*>(data->Owner()); form != nullptr) {
                AttachForm(*form);
            }
        } else {
            AttachAllForms();
        }
        attachingAll_ = false;
        break;
    case saDeactivate:
        active = false;
        Purge();
        DetachUsing(onlyThis ? data : nullptr, onlyThis);
        break;
    case saSkinChanged:
        Purge();
        ReworkForSkinChange(data, onlyThis);
        break;
    default:
        Purge();
        break;
    }
    TSkinManage::ExecutePendingAction();
}

void TWinSkinManage::SetMdiMax(bool maximized) {
    if (maximized == mdiMaximized_) {
        return;
    }
    mdiMaximized_ = maximized;
    for (const auto& form : forms_) {
        form->FollowMdiMaximized(maximized);
    }
}

int TWinSkinManage::CountSkinnedMdiChildren() const {
    return static_cast<int>(std::count_if(forms_.begin(), forms_.end(), [](const auto& form) {
        return form->Fit().Facts().mdiKind == mkChild && form->LifeState() != lsDestroyed;
    }));
}

bool TWinSkinManage::AttachMdiChild(HWND window) {
    const bool wasAttachingAll = attachingAll_;
    attachingAll_ = true;
    const bool attached = AttachWindow(reinterpret_cast<std::uintptr_t>(window));
    attachingAll_ = wasAttachingAll;
    return attached;
}

TWinSkinManage* WindowsSkinManager() {
    return dynamic_cast<TWinSkinManage*>(SkinManage());
}

void InstallWindowsSkinManager() {
    SetSkinManageFactory([]() -> TSkinManage* { return new TWinSkinManage(); });
    SetFormWindowProc([](TComponent* component) -> std::uintptr_t {
        auto* form = dynamic_cast<TCustomForm*>(component);
        return (form != nullptr && form->HandleAllocated()) ? reinterpret_cast<std::uintptr_t>(form->Handle())
                                                            : 0;
    });
}

} // namespace quellar
