#include "skin/controls/SkinBox.h"

namespace quellar {

void TSkinBox::RestoreColor() {
    TSkinControl::RestoreColor();
    if (LifeState() == slAttached) {
        SetLifeState(slDetached);
    }
}

} // namespace quellar
