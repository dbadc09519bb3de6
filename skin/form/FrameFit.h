#pragma once
// TFrameFit: the facts of one skinned window and its fit to the skin's frame. It reads the
// window's styles and sizes when the skin comes, takes the caption styles away and gives them
// back, sizes the window so its client keeps its size inside the skin's borders (and back
// again), follows the window state and answers WM_NCCALCSIZE. It is also what the frame
// painter, the caption buttons and the MDI link ask about their window.
#include "skin/form/CaptionButtons.h"
#include "skin/form/FramePainter.h"
#include "skin/form/MdiLink.h"
#include "skin/form/WindowFacts.h"

#include <windows.h>

namespace quellar {

class TSkinData;
class TMenuBarOwner;

class TFrameFit final : public ICaptionHost, public IFramePaintHost, public IMdiHost {
public:
    // Painter, bar and MDI link belong to the same window object; they are only asked, never
    // built, here.
    TFrameFit(HWND window, TSkinData& skin, TFramePainter& painter, TMenuBarOwner& menuBar,
              const TMdiLink& mdi);
    TFrameFit(const TFrameFit&) = delete;
    TFrameFit& operator=(const TFrameFit&) = delete;

    TWindowFacts& Facts() { return facts_; }
    const TWindowFacts& Facts() const { return facts_; }

    // Styles, sizes, caption buttons, border, MDI kind and state as the window has them now;
    // returns the window's MDI client, if it has one.
    HWND ReadWindow();
    void SetCaptionStyles(bool show);
    void RefreshWindowState();
    // The window sized for the skin's frame around its client (reapplying: the client it has now).
    void FitFrame(bool reapplying);
    // The window's own frame around the client again.
    void RestoreSize();
    // WM_NCCALCSIZE: the client inside the skin's borders.
    LRESULT CalcSize(WPARAM wParam, LPARAM lParam);

    // What painter, buttons and MDI link ask (ICaptionHost, IFramePaintHost, IMdiHost).
    HWND Window() const override { return facts_.window; }
    TSkinData& Skin() const override { return skin_; }
    const TFrameSizes& Frame() const override { return facts_.frame; }
    bool Active() const override { return facts_.active; }
    int WindowState() const override { return facts_.windowState; }
    void SetWindowState(int state) override { facts_.windowState = state; }
    bool RightToLeft() const override { return facts_.rightToLeft; }
    bool Popup() const override { return (facts_.style & WS_POPUP) != 0; }
    TCaptionState CaptionState() const override;
    bool Composable() const override;
    TSkinRect TitleBoxFor(int width, int rightAlignedLeft) override;
    const TBitmap32& Icon() const override { return painter_.Icon(); }
    HMENU DropDownMenu() const override;
    void SetDropDownMenu(HMENU menu) override;
    TMenuBarOwner& MenuBarOwner() override { return menuBar_; }

private:
    TWindowFacts facts_;
    TSkinData& skin_;
    TFramePainter& painter_;
    TMenuBarOwner& menuBar_;
    const TMdiLink& mdi_;
};

} // namespace quellar
