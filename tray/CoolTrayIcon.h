#pragma once
// TCoolTrayIcon: the program's icon in the notification area. It shows one icon with a
// tooltip, animates it through an image list on a timer, turns mouse actions on it into
// events, shows a popup menu at the cursor and can hide the main window instead of
// minimising it to the taskbar.
//
// Wiring: the component finds the application's hidden top-level window (class "TApplication")
// of the creating thread by itself, or is given one with SetApplicationWindow; the owner
// window (the form holding the component) comes through the constructor or SetOwnerWindow.
// Both windows' message procedures are replaced while the component lives and put back when it
// goes. Image list and popup menu come through the small interfaces of TrayPorts.h.
#include "tray/TrayLogic.h"
#include "tray/TrayMouse.h"
#include "tray/TrayPorts.h"
#include "tray/TrayShell.h"
#include "ui/Component.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quellar {

class TTrayMessageWindow;
class TWindowProcHook;

using TTrayNotifyEvent = std::function<void(TComponent* sender)>;
using TTrayMouseEvent =
    std::function<void(TComponent* sender, TTrayButton button, TTrayShift shift, int x, int y)>;
using TTrayMouseMoveEvent = std::function<void(TComponent* sender, TTrayShift shift, int x, int y)>;
using TCycleEvent = std::function<void(TComponent* sender, int nextIndex)>;

// What the icon asks of the application object. Every member is optional; the defaults act
// on the windows directly.
struct TTrayAppHooks {
    // Handle every message waiting in the thread's queue. Default: peek, translate, dispatch
    // (a quit message is put back for the main loop).
    std::function<void()> processMessages;
    // Make the window the foreground window (before the popup menu shows). Default:
    // SetForegroundWindow.
    std::function<void(HWND window)> setForegroundWindow;
    // Post the empty message (number 0, no parameters) to the window (after the popup menu has
    // closed). Default: PostMessageA.
    std::function<void(HWND window)> postEmptyMessage;
    // The control that has the keyboard focus, or null. Default: the thread's focus window.
    std::function<HWND()> focusedControl;
    // Whether the application shows its main window when it starts running. Default: nothing.
    std::function<void(bool show)> setShowMainForm;
    // Make the application's main window visible or invisible. Default: ShowWindow on the
    // owner window (SW_SHOW, or SW_RESTORE when it is minimised; SW_HIDE).
    std::function<void(bool visible)> setMainWindowVisible;
};

class TCoolTrayIcon : public TComponent, private TTrayMouseTarget {
    QUELLAR_COMPONENT_CLASS(TCoolTrayIcon, TComponent)
public:
    // ownerWindow: the window of the form that holds the component (may be null and set later).
    explicit TCoolTrayIcon(TComponent* owner, HWND ownerWindow = nullptr);
    ~TCoolTrayIcon() override;

    // Published properties, in their stored order.
    bool DesignPreview() const { return designPreview_; }
    void SetDesignPreview(bool value);
    ITrayIconList* IconList() const { return iconList_; }
    void SetIconList(ITrayIconList* list);
    bool CycleIcons() const { return cycleIcons_; }
    void SetCycleIcons(bool value);
    unsigned CycleInterval() const { return cycleInterval_; }
    void SetCycleInterval(unsigned milliseconds);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value);
    // The owned picture (null while empty). SetIcon copies the given one.
    HICON Icon() const { return icon_; }
    void SetIcon(HICON icon);
    bool IconVisible() const { return iconVisible_; }
    void SetIconVisible(bool value);
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int index);
    ITrayPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(ITrayPopupMenu* menu);
    bool LeftPopup() const { return leftPopup_; }
    void SetLeftPopup(bool value) { leftPopup_ = value; }
    bool StartMinimized() const { return startMinimized_; }
    void SetStartMinimized(bool value) { startMinimized_ = value; }
    bool MinimizeToTray() const { return minimizeToTray_; }
    void SetMinimizeToTray(bool value) { minimizeToTray_ = value; }

    TTrayNotifyEvent OnClick;
    TTrayNotifyEvent OnDblClick;
    TCycleEvent OnCycle;
    TTrayMouseEvent OnMouseDown;
    TTrayMouseEvent OnMouseUp;
    TTrayMouseMoveEvent OnMouseMove;

    // The names of the published properties a layout stores for this object, in order: those
    // that differ from their defaults, and CycleInterval, ShowHint and IconIndex always.
    std::vector<std::string> StoredProperties() const;

    // Hand the icon record to the platform to add, delete or modify the icon; the platform's
    // answer is returned.
    virtual bool AddTrayIcon();
    virtual bool RemoveTrayIcon();
    virtual bool UpdateTrayIcon();
    void Refresh();
    // Restores the application window, then makes the main window visible.
    void ShowMainWindow();
    // Makes the main window invisible, then hides the application window (and so the taskbar
    // entry).
    void HideMainWindow();
    // Shows the popup menu at the cursor (when there is a menu that pops up by itself).
    void PopupAtCursor();

    void Loaded() override;

    // Platform wiring.
    void SetApplicationWindow(HWND window);
    HWND ApplicationWindow() const { return appWindow_; }
    void SetOwnerWindow(HWND window);
    HWND OwnerWindow() const { return ownerWindow_; }
    void SetAppHooks(TTrayAppHooks hooks);
    // The hidden window that receives the icon's messages (callback message 0x800).
    HWND MessageWindow() const;
    bool CycleTimerEnabled() const;
    // Where Shell_NotifyIconA goes: the platform unless a test gives a recorder.
    void SetShell(ITrayShell* shell) { shell_ = shell; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

    // Notifications; each calls its event when one is assigned.
    virtual void DoClick();
    virtual void DoDblClick();
    virtual void DoCycle(int nextIndex);
    virtual void DoMouseDown(TTrayButton button, TTrayShift shift, int x, int y);
    virtual void DoMouseUp(TTrayButton button, TTrayShift shift, int x, int y);
    virtual void DoMouseMove(TTrayShift shift, int x, int y);
    // Hides the main window and keeps the icon in the notification area.
    virtual void DoMinimizeToTray();

    // Fills the record; false when the component may not show an icon (in a designer without
    // preview).
    bool FillIconData();
    // One step of the animation (the cycle timer's tick).
    void CycleTimerTick();

private:
    static constexpr UINT_PTR kCycleTimerId = 1;

    // The hidden window's messages: true when answered in `result`.
    bool TrayWindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void AppWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    void OwnerWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    void HookAppWindow();
    void UnhookAppWindow();
    void HookOwnerWindow();
    void UnhookOwnerWindow();
    bool Notify(DWORD command);
    void CopyPicture(int index);
    void StartCycleTimer();
    void StopCycleTimer();

    // TTrayMouseTarget
    void TrayMouseMove(TTrayShift shift) override;
    void TrayMouseDown(TTrayButton button, TTrayShift shift) override;
    void TrayMouseUp(TTrayButton button, TTrayShift shift) override;
    void TrayClick() override;
    void TrayDblClick() override;
    void TrayPopup() override;
    void TrayClickDefaultItem() override;
    bool TrayLeftPopup() const override { return leftPopup_; }

    bool enabled_ = true;
    HICON icon_ = nullptr;
    bool iconVisible_ = true;
    std::string hint_;
    bool showHint_ = false;
    ITrayPopupMenu* popupMenu_ = nullptr;
    bool leftPopup_ = false;
    bool startMinimized_ = false;
    bool minimizeToTray_ = false;
    TTrayClickState clickState_;
    bool cycleTimerOn_ = false;
    int iconIndex_ = 0;
    bool designPreview_ = false;
    bool previewInProgress_ = false;
    ITrayIconList* iconList_ = nullptr;
    bool cycleIcons_ = false;
    unsigned cycleInterval_ = 0;
    HWND appWindow_ = nullptr;
    HWND ownerWindow_ = nullptr;
    std::unique_ptr<TWindowProcHook> appHook_;
    std::unique_ptr<TWindowProcHook> ownerHook_;
    NOTIFYICONDATAA iconData_{};
    std::unique_ptr<TTrayMessageWindow> messageWindow_;
    TTrayAppHooks hooks_;
    ITrayShell* shell_ = nullptr;
};

} // namespace quellar
