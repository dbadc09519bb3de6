#pragma once
// Controls that scroll: a standalone scroll bar, a multi-line edit with the scroll bars of its
// frame, and a box whose frame scroll bars move the controls inside it.
#include "ui/StdCtrls.h"

#include <functional>
#include <string>
#include <vector>

namespace quellar {

enum class TScrollBarKind { sbHorizontal, sbVertical };
// The platform's scroll requests, in its order (line up is 0, end of scroll 8).
enum class TScrollCode {
    scLineUp,
    scLineDown,
    scPageUp,
    scPageDown,
    scPosition,
    scTrack,
    scTop,
    scBottom,
    scEndScroll
};
// May change the position the request leads to before the bar takes it.
using TScrollEvent = std::function<void(TComponent* sender, TScrollCode code, int& position)>;

class TScrollBar : public TWinControl {
    QUELLAR_COMPONENT_CLASS(TScrollBar, TWinControl)
public:
    explicit TScrollBar(TComponent* owner);
    TScrollBarKind Kind() const { return kind_; }
    // Takes effect when the window is made.
    void SetKind(TScrollBarKind kind) { kind_ = kind; }
    int Min() const { return min_; }
    int Max() const { return max_; }
    int PageSize() const { return pageSize_; }
    int Position() const { return position_; }
    // The position is kept within Min .. Max - PageSize + 1, as the bar itself keeps it.
    void SetParams(int position, int min, int max);
    void SetMin(int min) { SetParams(position_, min, max_); }
    void SetMax(int max) { SetParams(position_, min_, max); }
    void SetPageSize(int page);
    void SetPosition(int position) { SetParams(position, min_, max_); }
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int step) { smallChange_ = step; }
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int step) { largeChange_ = step; }
    // The position a request leads to from the present one (before OnScroll); trackPosition is
    // the thumb's place for the thumb requests.
    int PositionFor(TScrollCode code, int trackPosition) const;
    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void WndProc(TMessage& message) override;

private:
    int Highest() const;
    void Apply();
    void Scroll(TScrollCode code);

    TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
    int min_ = 0, max_ = 100, pageSize_ = 0, position_ = 0;
    int smallChange_ = 1, largeChange_ = 1;
};

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TCustomMemo : public TCustomEdit {
    QUELLAR_COMPONENT_CLASS(TCustomMemo, TCustomEdit)
public:
    using TCustomEdit::TCustomEdit;
    TScrollStyle ScrollBars() const { return scrollBars_; }
    // Takes effect when the window is made.
    void SetScrollBars(TScrollStyle bars) { scrollBars_ = bars; }
    // The text as lines (split at line breaks, CR LF or LF alone).
    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& lines);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    TScrollStyle scrollBars_ = TScrollStyle::ssNone;
};

class TMemo : public TCustomMemo {
    QUELLAR_COMPONENT_CLASS(TMemo, TCustomMemo)
public:
    using TCustomMemo::TCustomMemo;
};

// A container whose frame scroll bars move its controls: the range is the extent of the
// controls inside, the page the client size.
class TScrollBox : public TWinControl {
    QUELLAR_COMPONENT_CLASS(TScrollBox, TWinControl)
public:
    explicit TScrollBox(TComponent* owner);
    // How far the contents are scrolled, in pixels.
    POINT ScrollOffset() const { return {offsetX_, offsetY_}; }
    // Recomputes the bars after the controls inside moved or changed size.
    void UpdateRange();

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override { UpdateRange(); }
    void WndProc(TMessage& message) override;

private:
    void Scroll(int bar, int code);
    void ScrollTo(int x, int y);
    int offsetX_ = 0, offsetY_ = 0;
};

} // namespace quellar
