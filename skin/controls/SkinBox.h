#pragma once
// Panels, group boxes and forms inside a form: they keep their own look and only take the
// skin's face colour while skinned, so what sits on them matches the window.
#include "skin/controls/SkinControl.h"

namespace quellar {

class TSkinBox : public TSkinControl {
public:
    void RestoreColor() override;

protected:
    bool ColourOnly() const override { return true; }
};

} // namespace quellar
