#include "skin/model/SkinManage.h"

#include "skin/model/WinSkinData.h"

#include <algorithm>
#include <memory>

namespace quellar {

namespace {
std::unique_ptr<TSkinManage>& Instance() {
    static std::unique_ptr<TSkinManage> instance;
    return instance;
}
} // namespace

TSkinManage::~TSkinManage() {
    started = 4;
}

void TSkinManage::RegisterSkinData(TSkinData* data) {
    skinDataList_.push_back(data);
}

void TSkinManage::UnregisterSkinData(TSkinData* data) {
    skinDataList_.erase(std::remove(skinDataList_.begin(), skinDataList_.end(), data), skinDataList_.end());
    if (pendingSkinData == data) {
        pendingSkinData = nullptr;
    }
}

void TSkinManage::RequestAction(int action, int delay) {
    pendingAction = action;
    timerInterval = delay;
    if (started != 0) {
        timerEnabled = true;
        return;
    }
    timerEnabled = false;
    if (action == saActivate) {
        active = true;
    } else if (action == saDeactivate) {
        active = false;
    }
}

bool TSkinManage::ShouldSkinClass(const std::string& className) const {
    for (TSkinData* data : skinDataList_) {
        if (data->SkinFormtype() == sfMainform) {
            bool doSkin = true;
            data->QueryFormSkin(className, doSkin);
            return doSkin;
        }
    }
    return true;
}

bool TSkinManage::AttachWindow(std::uintptr_t window) {
    if (!active) {
        return false;
    }
    attachedWindows.push_back(window);
    return true;
}

void TSkinManage::ExecutePendingAction() {
    if (pendingSkinData == nullptr) {
        return;
    }
    timerEnabled = false;
    if (pendingAction == saActivate) {
        active = true;
    } else if (pendingAction == saDeactivate) {
        active = false;
    }
    TSkinData* data = pendingSkinData;
    if (data->OnSkinChanged) {
        data->OnSkinChanged(data);
    }
    pendingSkinData = nullptr;
}

namespace {
TSkinManage* (*gFactory)() = nullptr;
} // namespace

void SetSkinManageFactory(TSkinManage* (*factory)()) {
    gFactory = factory;
}

TSkinManage* SkinManage() {
    return Instance().get();
}

TSkinManage& CreateSkinManage() {
    if (!Instance()) {
        Instance().reset(gFactory != nullptr ? gFactory() : new TSkinManage());
    }
    return *Instance();
}

void FreeSkinManage() {
    Instance().reset();
}

} // namespace quellar

namespace quellar {

namespace {
TFormWindowProc formWindowProc = nullptr;
} // namespace

void SetFormWindowProc(TFormWindowProc proc) {
    formWindowProc = proc;
}

std::uintptr_t FormWindowOf(TComponent* component) {
    return (formWindowProc != nullptr && component != nullptr) ? formWindowProc(component) : 0;
}

} // namespace quellar
