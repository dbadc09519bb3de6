#include "ui/Component.h"

#include <algorithm>
#include <cctype>

namespace quellar {

namespace {
void EraseValue(std::vector<TComponent*>& list, TComponent* value) {
    list.erase(std::remove(list.begin(), list.end(), value), list.end());
}
} // namespace

TComponent::TComponent(TComponent* owner) {
    if (owner != nullptr) {
        owner->InsertComponent(this);
    }
}

TComponent::~TComponent() {
    destroying_ = true;
    NotifyRemoval();
    // Owned components go first, newest first, each removed from the list before it is freed so
    // nothing is ever told about or freed twice.
    while (!components_.empty()) {
        TComponent* last = components_.back();
        components_.pop_back();
        last->owner_ = nullptr;
        delete last;
    }
    if (owner_ != nullptr) {
        owner_->RemoveComponent(this);
    }
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    for (TComponent* c : components_) {
        if (!name.empty() && c->name_.size() == name.size() &&
            std::equal(name.begin(), name.end(), c->name_.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) ==
                       std::tolower(static_cast<unsigned char>(b));
            })) {
            return c;
        }
    }
    return nullptr;
}

void TComponent::FreeNotification(TComponent* other) {
    if (other == nullptr || other == this) {
        return;
    }
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), other) == freeNotifies_.end()) {
        freeNotifies_.push_back(other);
        other->freeNotifies_.push_back(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent* other) {
    if (other == nullptr) {
        return;
    }
    EraseValue(freeNotifies_, other);
    EraseValue(other->freeNotifies_, this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == TOperation::opRemove) {
        EraseValue(freeNotifies_, component);
    }
    // Copy: a handler may free components while we walk the list.
    const std::vector<TComponent*> owned = components_;
    for (TComponent* c : owned) {
        if (c != component) {
            c->Notification(component, operation);
        }
    }
}

void TComponent::InsertComponent(TComponent* component) {
    component->owner_ = this;
    components_.push_back(component);
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    EraseValue(components_, component);
    component->owner_ = nullptr;
    Notification(component, TOperation::opRemove);
}

void TComponent::NotifyRemoval() {
    const std::vector<TComponent*> watchers = freeNotifies_;
    freeNotifies_.clear();
    for (TComponent* w : watchers) {
        EraseValue(w->freeNotifies_, this);
        w->Notification(this, TOperation::opRemove);
    }
}

} // namespace quellar
