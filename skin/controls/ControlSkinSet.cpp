#include "skin/controls/ControlSkinSet.h"

#include "skin/controls/ControlSkins.h"
#include "skin/controls/SkinControl.h"
#include "skin/model/WinSkinData.h"
#include "ui/Forms.h"

#include <algorithm>

namespace quellar {

TControlSkinSet::TControlSkinSet(HWND window, TSkinData& skin, TCustomForm* form)
    : window_(window), skin_(skin), form_(form) {}

TControlSkinSet::~TControlSkinSet() {
    DropAll();
}

TSkinControl* TControlSkinSet::Add(std::unique_ptr<TSkinControl> skin) {
    skins_.push_back(std::move(skin));
    return skins_.back().get();
}

TSkinControl* TControlSkinSet::SkinFor(HWND control) const {
    for (const auto& skin : skins_) {
        if (skin->Hold().Handle() == control && skin->Hold().Graphic() == nullptr &&
            skin->LifeState() != slDestroyed) {
            return skin.get();
        }
    }
    return nullptr;
}

TSkinControl* TControlSkinSet::SkinFor(const TGraphicControl* control) const {
    for (const auto& skin : skins_) {
        if (skin->Hold().Graphic() == control && skin->LifeState() != slDestroyed) {
            return skin.get();
        }
    }
    return nullptr;
}

void TControlSkinSet::SkinNewControls() {
    if (!skin_.SkinLoaded()) {
        return;
    }
    if (form_ != nullptr) {
        SkinFormControls(*this, *form_);
    } else {
        SkinChildWindows(*this, window_);
    }
}

void TControlSkinSet::SkinChanged() {
    FreeDead();
    for (const auto& skin : skins_) {
        skin->SkinChanged();
    }
    SkinNewControls();
}

void TControlSkinSet::FreeDead() {
    std::erase_if(skins_, [this](const std::unique_ptr<TSkinControl>& skin) {
        if (skin->LifeState() != slDestroyed) {
            return false;
        }
        if (hot_ == skin.get()) {
            hot_ = nullptr;
        }
        return true;
    });
}

void TControlSkinSet::DropAll() {
    std::vector<std::unique_ptr<TSkinControl>> skins = std::move(skins_);
    skins_.clear();
    for (auto& skin : skins) {
        skin->RestoreColor();
    }
    hot_ = nullptr;
    skins.clear(); // each gives its control its handler or procedure back
}

void TControlSkinSet::MakeHot(TSkinControl& control) {
    if (hot_ == &control) {
        return;
    }
    if (TSkinControl* previous = hot_; previous != nullptr) {
        previous->MouseLeft();
    }
    hot_ = &control;
}

} // namespace quellar
