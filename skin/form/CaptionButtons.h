#pragma once
// TCaptionButtons: the caption buttons of one skinned window. It makes them from the skin's
// definitions and lays them out by itself from the frame sizes, the window's width and the
// title box, so hit-testing finds the button under the point right after a resize, whether the
// frame was painted since or not. It also runs the hover timer that puts out a button the
// pointer has left, carries out the buttons' actions and shows the skinned system menu.
#include "skin/form/FrameGeometry.h"
#include "skin/form/NCObject.h"
#include "skin/model/Bitmap32.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace quellar {

class TSkinData;

// What the caption buttons ask of their window.
class ICaptionHost {
public:
    virtual ~ICaptionHost() = default;
    virtual HWND Window() const = 0;
    virtual TSkinData& Skin() const = 0;
    virtual const TFrameSizes& Frame() const = 0;
    // What decides which buttons show (border, caption flags, active, maximised, MDI child).
    virtual TCaptionState CaptionState() const = 0;
    virtual bool RightToLeft() const = 0;
    virtual int WindowState() const = 0;
    // The state a button action has asked for (the window follows when it gets the command).
    virtual void SetWindowState(int state) = 0;
    // The title plate's box for a window width; rightAlignedLeft is the right-most left edge of
    // the right-aligned buttons (a popup's title may reach up to them).
    virtual TSkinRect TitleBoxFor(int width, int rightAlignedLeft) = 0;
    // The window's icon, which the icon button shows when it has no image of its own.
    virtual const TBitmap32& Icon() const = 0;
    // The menu now shown from the window (a drop-down of the bar, the system menu), or null.
    virtual HMENU DropDownMenu() const = 0;
    virtual void SetDropDownMenu(HMENU menu) = 0;
};

class TCaptionButtons {
public:
    // items holds the one hot item the buttons share with the menu bar.
    TCaptionButtons(ICaptionHost& host, TNCHost& items) : host_(host), items_(items) {}
    ~TCaptionButtons() = default;
    TCaptionButtons(const TCaptionButtons&) = delete;
    TCaptionButtons& operator=(const TCaptionButtons&) = delete;

    // One button per definition of the skin (the old ones go first).
    void Build(const TSkinData& skin);
    void Drop();
    const std::vector<std::unique_ptr<TWinSysButton>>& List() const { return buttons_; }

    // Visibility and rectangles (window coordinates) for a window of that width.
    void Layout(int width);
    // The first visible button with an action of 0 or more that contains the point (window
    // coordinates), laid out for the window's width now.
    TWinSysButton* ButtonAt(POINT windowPoint);
    // Every button back to its normal state (a full repaint drew them so).
    void ResetStates();

    // What the hot button does (close, maximise, minimise, system menu, ...).
    void RunAction(POINT screen);
    void ShowSystemMenu(POINT screen);
    void ToggleMaximize();
    void ToggleMinimize();
    void Restore();
    // The skinned system menu while it shows, else null.
    HMENU SystemMenu() const { return systemMenu_; }

    // The hover timer runs while the window is active (its messages arrive as WM_TIMER).
    void StartHover(bool run);
    void HoverTick();
    static constexpr UINT_PTR HoverTimerId = 0x51C1;
    static constexpr UINT HoverIntervalMs = 250;

private:
    void Close();

    ICaptionHost& host_;
    TNCHost& items_;
    std::vector<std::unique_ptr<TWinSysButton>> buttons_;
    HMENU systemMenu_ = nullptr; // our plain popup copy, shown from the title bar
    DWORD lastMenuRequest_ = 0;
    bool hoverRunning_ = false;
    // Expires with this object: what the system menu's modal loop checks before it touches the
    // object again.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

// The screen point in window coordinates.
POINT WindowPointOf(HWND window, POINT screen);

} // namespace quellar
