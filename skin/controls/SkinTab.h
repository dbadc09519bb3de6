#pragma once
// Tab controls: the control paints itself, then its strip of tabs is painted over from the
// "Tabs" strip (frame 2 for the tab with the focus, frame 1 for the others) and its page gets the
// skin's "Border" picture around it. Tabs on the left or right are drawn lying flat and the strip
// is turned onto its side; the pictures are turned to match once, when the skin is taken. The
// control's scroll arrows wear the up-down skin.
#include "skin/controls/SkinControl.h"
#include "skin/controls/TabGeometry.h"
#include "skin/model/SkinElements.h"

namespace quellar {

class TSkinTab : public TSkinControl {
public:
    void SkinChanged() override;
    TTabSide Side() const { return side_; }

protected:
    void AfterAttach() override;
    void PaintSkin(HDC dc, const RECT& rect) override;

private:
    void PrepareImages();
    void FindScrollButtons();
    // The tabs drawn on a flat strip bitmap (text included), turned for the side.
    TBitmap32 DrawStrip(const TSkinRect& window, const TSkinRect& page, TStripSize size);
    void DrawTabText(HDC dc, int index, const RECT& place, int frame);
    void DrawPageBorder(HDC dc, const TSkinRect& page) const;

    TTabSide side_ = tsTop;
    TDataSkinObject tabFace_{"Tabs"}; // the element with its picture turned for the side
    TBitmap32 paneImage_;
    HWND scrollButtons_ = nullptr;
};

} // namespace quellar
