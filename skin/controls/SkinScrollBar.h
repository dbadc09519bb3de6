#pragma once
// The scroll bars a scrolling window carries in its frame, worn with the skin: arrows from the
// "Scrollbar" strip, the tracks of "HorzScroll" and "VertScroll", the thumbs of
// "HorzScrollThumb" and "VertScrollThumb". Each bar is composed in a work bitmap 16 pixels thick
// and scaled once onto the window, after every paint of the control and of its frame. The skin
// can also run the drag of a thumb itself, so the thumb it paints is the one that moves.
#include "skin/controls/ScrollGeometry.h"
#include "skin/controls/SkinControl.h"

#include <memory>

namespace quellar {

class TSkinScrollBar : public TSkinControl {
public:
    TSkinScrollBar() = default;
    ~TSkinScrollBar() override;

    // The control keeps its own colour and buffering: only its frame wears the skin. The drag
    // flag is given beforehand.
    void Attach(TControlSkinSet& owner, TSkinData& skin, const TSkinTarget& target) override;
    // own: the skin runs thumb drags itself; otherwise the platform does.
    void SetOwnThumbDrag(bool own) { ownThumbDrag_ = own; }

    bool OwnThumbDrag() const { return ownThumbDrag_; }
    bool Tracking() const { return tracking_; }

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;

private:
    enum TBarIndex : int { bHorz = 0, bVert = 1 };
    struct TBar {
        TSkinRect rect; // in window coordinates
        TScrollValues values;
        TThumb thumb;
        bool thumbShown = false; // the range has room to scroll
    };
    // The frame's bars as the window shows them now; false when there is no bar to paint.
    bool Measure();
    void ReadThumb(TBarIndex bar);
    void PaintBar(HDC dc, TBarIndex bar);
    void ScrollMessage(TMessage& message);
    // The press of WM_NCLBUTTONDOWN on a thumb runs the drag; false leaves it to the platform.
    bool StartThumbDrag(const TMessage& press);
    void RunDrag(TBarIndex bar, POINT start);
    void Follow(TBarIndex bar, const TBar& at, int offset, int& last);
    void FinishDrag(TBarIndex bar, int last);
    void AfterAttach() override;

    TBar bars_[2];
    TSkinRect corner_;
    int arrow_ = 0;
    bool ownThumbDrag_ = true;
    bool tracking_ = false;
    bool dragEnded_ = false; // capture lost: the loop stops at its next turn
    bool horzBusy_ = false;
    bool vertBusy_ = false;
    // What shows pressed: 0 none; 1 left, 2 right arrow, 5 horizontal thumb; 3 up, 4 down arrow,
    // 6 vertical thumb.
    int partState_ = 0;
    // Gone with this object: the drag loop, which runs other code, checks it after each dispatch.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace quellar
