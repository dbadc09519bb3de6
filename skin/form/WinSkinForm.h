#pragma once
// TWinSkinForm: wears the skin on one top-level window (a form of ours or a foreign dialog such
// as a message box). Once attached it sits in the window's subclass chain, takes away the
// window's own caption styles, declares a frame as wide as the skin's borders, paints the
// borders, the title bar with its plate and caption text and the caption buttons itself, cuts
// the window region from the borders' transparent pixels and keeps the client area the size it
// was. The skin manager creates, attaches, re-applies and frees these objects.
#include "skin/controls/ControlSkinSet.h"
#include "skin/form/FrameGeometry.h"
#include "skin/form/NCObject.h"
#include "skin/model/Bitmap32.h"
#include "skin/painter/PaintSurface.h"
#include "ui/Controls.h"
#include "ui/SubclassChain.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quellar {

class TSkinData;
class TCustomForm;
class TSkinControl;
class TGraphicControl;
class TWinSkinMenu;
struct TMessage;

// Life of a form object.
enum TLifeState : int {
    lsCreated = 0,
    lsRunning = 1,
    lsReapplying = 3,
    lsDetachingAtExit = 4,
    lsFitting = 5,
    lsDestroyed = 6, // WM_NCDESTROY seen: the manager frees the object
};

enum TWindowState : int { wsRestored = 0, wsMaximized = 1, wsMinimized = 2 };
enum TMdiKind : int { mkPlain = 0, mkFrame = 1, mkChild = 2 };

// Whether the active child of an MDI client is maximised.
bool MdiActiveChildMaximized(HWND client);

class TWinSkinForm : public TSubclassHandler, public TNCHost, private TControlWatcher {
public:
    // form is our own form object of the window, or null for a foreign window.
    TWinSkinForm(HWND window, TSkinData& skin, TCustomForm* form);
    ~TWinSkinForm() override;
    TWinSkinForm(const TWinSkinForm&) = delete;
    TWinSkinForm& operator=(const TWinSkinForm&) = delete;

    // Takes the window over (once): styles, frame sizes, caption buttons, subclass.
    void Attach();
    // Everything back as it was: procedure, styles, size, region, colour.
    void DetachAndRestore();
    // Only the procedure back (the window is going, or the program ends).
    void DetachAtExit();
    void DropCaptionButtons();
    // Frame sizes and caption buttons from the skin.
    void BuildLayout();
    // After the skin changed: new sizes, frame, region and colours.
    void ReapplySkin();

    void PaintFrame(HDC dc = nullptr);
    void FitFrame(bool reapplying);
    void UpdateRegion();
    void SetCaptionStyles(bool show);
    void RefreshWindowState();

    HWND Window() const { return window_; }
    TSkinData& Skin() const { return *skin_; }
    TCustomForm* Form() const { return form_; }
    int LifeState() const { return lifeState_; }
    void SetLifeState(int state) { lifeState_ = state; }
    // The skin this object wears is going: everything of the window back as it was.
    bool Wears(const TSkinData& skin) const { return skin_ == &skin; }
    const TFrameSizes& Frame() const { return frame_; }
    bool Active() const { return active_; }
    int WindowState() const { return windowState_; }
    TBorderKind BorderKind() const { return borderKind_; }
    const std::vector<std::unique_ptr<TWinSysButton>>& CaptionButtons() const { return buttons_; }
    const std::string& ClassName() const { return className_; }
    int MdiKind() const { return mdiKind_; }
    bool HasRegion() const { return hasRegion_; }
    // The title text box of the last frame paint (window coordinates).
    const TSkinRect& TitleBox() const { return titleBox_; }
    // For the manager's MDI bookkeeping: a maximised MDI child shows the platform's frame.
    void DropRegion();
    void MarkRestored() { windowState_ = wsRestored; }
    void RebuildRegion();

    bool OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void PaintItem(TNCObject& item) override;

    // The screen point in window coordinates (client origin moved by the frame, unless minimised).
    POINT WindowPoint(POINT screen) const;
    // The first visible caption button with an action of 0 or more that contains the point.
    TWinSysButton* ButtonAt(POINT windowPoint) const;
    // What the hot button does (close, maximise, minimise, system menu, ...).
    void RunAction(POINT screen);
    void ShowSystemMenu(POINT screen);
    void ToggleMaximize();
    void ToggleMinimize();
    void Restore();

    // The bar that replaces the window's menu bar; null when the window has none.
    TWinSkinMenu* MenuBar() const { return menuBar_.get(); }

    // The control skins of this window's controls.
    TControlSkinSet& Controls() { return controls_; }
    const TControlSkinSet& Controls() const { return controls_; }

    // The menu now shown from this window (a drop-down of the bar, the system menu), for reading
    // item texts by command; null when none.
    HMENU dropDownMenu = nullptr;
    // The skinned system menu while it shows, else null.
    HMENU SystemMenu() const { return systemMenu_; }

    static constexpr UINT_PTR HoverTimerId = 0x51C1;
    static constexpr UINT HoverIntervalMs = 250;

private:
    // What both ways of detaching share: control skins, watcher, popup menus and MDI client given
    // back; then the menu bar.
    void ReleaseParts();
    void ReleaseMenuBar();
    // Our form is being torn down (its window is still there): let go of both now, while the
    // form's menu and components can still be asked.
    void ControlDestroying(TControl& control) override;
    // In front of an MDI frame's client window: new children are skinned once the client
    // refreshes its menu; tiling, cascading and closing children end the maximised look.
    bool HandleMdiClient(HWND client, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // In front of our form's own message handling while the bar is there: Alt and a letter
    // reach the bar before the form's controls.
    void HookFormLevel(bool on);
    void FormLevel(TMessage& message);
    // An MDI child that is minimised or maximised: the platform draws its frame.
    bool MdiChildNotRestored() const { return mdiKind_ == mkChild && windowState_ != wsRestored; }
    // The frame bar again from our form's main menu (the last MDI child went).
    void ReloadBarFromMainMenu();
    bool HandleAlways(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool HandleFrame(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool HandleNonClient(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool HandleMouse(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool HandleCommand(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT Previous(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CalcSize(WPARAM wParam, LPARAM lParam);
    // The previous procedure with the window's WS_VISIBLE bit cleared for the call.
    LRESULT PreviousUnseen(UINT message, WPARAM wParam, LPARAM lParam);
    // Whether our frame replaces the platform's now (attached, shown restored or maximised).
    bool PaintsFrame() const;
    // Tells the window manager it paints the frame again (once, if it was told otherwise).
    void GiveFrameBackToDwm();
    void Sized(WPARAM wParam);
    void SkinAttachedArrived();
    void HoverTick();
    void StartHover(bool run);
    void ReadWindowIcon();
    // The icon of a window without one: the skin's, else the main skin's.
    TBitmap32 BorrowedIcon() const;
    void LayoutTitle(HDC dc, int width);
    void DrawTitleText(HDC dc, bool active);
    void RestoreSize();
    std::string Caption() const;
    // The system's caption font, or the GUI font where it could not be made.
    HGDIOBJ CaptionFont() const {
        return captionFont_.Get() != nullptr ? captionFont_.Get() : GetStockObject(DEFAULT_GUI_FONT);
    }
    bool Composable() const;

    HWND window_;
    TSkinData* skin_;
    TCustomForm* form_;
    bool attached_ = false;
    int lifeState_ = lsCreated;
    std::string className_;
    HWND owner_ = nullptr;
    DWORD style_ = 0;
    DWORD exStyle_ = 0;
    bool rightToLeft_ = false;
    unsigned captionFlags_ = 0;
    DWORD removedCaptionBits_ = 0; // the WS_CAPTION bits the skin took away
    TBorderKind borderKind_ = bkFixed;
    TFrameSizes frame_;
    int initialExtraWidth_ = 0;
    int initialExtraHeight_ = 0;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    bool active_ = true;
    int windowState_ = wsRestored;
    std::uint32_t formColour_ = 0;
    GdiObject captionFont_; // the system's caption font, made on attaching
    TBitmap32 icon_;
    TSkinRect titleBox_;
    TBitmap32 framePixels_; // the frame as last composed, kept for its memory
    TBitmap32 titleBack_;   // the title bar without caption buttons, as last composed
    TPaintSurface canvas_;
    std::vector<std::unique_ptr<TWinSysButton>> buttons_;
    HMENU systemMenu_ = nullptr; // our plain popup copy, shown from the title bar
    DWORD lastMenuRequest_ = 0;
    bool hasRegion_ = false;
    bool dwmFrameOurs_ = false; // the window manager was told we paint the frame
    int regionWidth_ = -1;
    int regionHeight_ = -1;
    bool hoverRunning_ = false;
    int mdiKind_ = mkPlain;
    HWND mdiClient_ = nullptr;
    HWND pendingMdiChild_ = nullptr;
    bool savedMenuUpdate_ = false;
    std::unique_ptr<TWinSkinMenu> menuBar_;
    std::function<void(TMessage&)> savedFormProc_;
    bool formLevelHooked_ = false;
    TLinkTo<TWinSkinForm, &TWinSkinForm::HandleMdiClient> mdiLink_{*this};
    TControlSkinSet controls_{window_, *skin_, form_};
    bool formGoing_ = false; // our form is in its destructor
    // Expires with this object: what a modal loop checks before it touches the object again.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

} // namespace quellar
