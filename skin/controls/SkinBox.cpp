#include "skin/controls/SkinBox.h"

namespace quellar {

void TSkinBox::AttachControl(TWinSkinForm& form, TSkinData& skin, bool colorFlag, TWinControl& control) {
    AttachColourOnly(form, skin, colorFlag, control);
}

void TSkinBox::RestoreColor() {
    TSkinControl::RestoreColor();
    if (LifeState() == slAttached) {
        SetLifeState(slDetached);
    }
}

} // namespace quellar
