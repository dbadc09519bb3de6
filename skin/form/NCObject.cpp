#include "skin/form/NCObject.h"

#include "skin/model/SkinElements.h"

namespace quellar {

TNCObject::~TNCObject() {
    if (host_.hotItem == this) {
        host_.hotItem = nullptr;
    }
}

void TNCObject::SetState(int newState) {
    state = newState;
    host_.PaintItem(*this);
}

void TNCObject::Press() {
    if (!visible) {
        return;
    }
    if (host_.hotItem != nullptr && host_.hotItem != this) {
        host_.hotItem->Leave();
    }
    host_.hotItem = this;
    SetState(nsPressed);
}

void TNCObject::Release() {
    if (visible) {
        SetState(nsHot);
    }
}

void TNCObject::Enter() {
    if (!visible || host_.hotItem == this) {
        return;
    }
    if (host_.hotItem != nullptr) {
        host_.hotItem->Leave();
    }
    host_.hotItem = this;
    SetState(nsHot);
}

void TNCObject::Leave() {
    if (!visible) {
        return;
    }
    if (host_.hotItem == this) {
        host_.hotItem = nullptr;
    }
    SetState(nsNormal);
}

bool TWinSysButton::IsIconButton() const {
    return def->Action == 3 || def->Action == 11;
}

int TWinSysButton::StateFrame() const {
    return (def->Visibility == 100 && state == nsHot) ? 4 : state;
}

int TWinSysButton::TitleBarFrame(bool active, int frameCount) {
    return (active || frameCount < 4) ? 1 : 4;
}

} // namespace quellar
