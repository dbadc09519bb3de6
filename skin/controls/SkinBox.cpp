#include "skin/controls/SkinBox.h"

namespace quellar {

void TSkinBox::AttachControl(TControlSkinSet& owner, TSkinData& skin, bool colorFlag, TWinControl& control) {
    AttachColourOnly(owner, skin, colorFlag, control);
}

void TSkinBox::RestoreColor() {
    TSkinControl::RestoreColor();
    if (LifeState() == slAttached) {
        SetLifeState(slDetached);
    }
}

} // namespace quellar
