#pragma once
// Tab sets of the framework: the whole strip is painted from the skin, each shown tab a face of
// the "Tabs" strip turned upside down (the tabs hang from the top edge), frame 2 for the selected
// tab and frame 1 for the others, placed as the tab set places them.
#include "skin/controls/SkinControl.h"
#include "skin/model/SkinElements.h"

namespace quellar {

class TSkinTab31 : public TSkinControl {
public:
    void SkinChanged() override;

protected:
    void AfterAttach() override;
    bool BeforeMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;

private:
    void PrepareImage();
    TDataSkinObject tabFace_{"Tabs"}; // the element with its picture flipped
};

} // namespace quellar
