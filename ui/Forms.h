#pragma once
// The application object and forms.
//
// TApplication owns a hidden top-level window of class "TApplication": it carries the program's
// taskbar entry and title, owns every form's window and receives the minimise (the notification
// icon hooks its window procedure). Run shows the main form and runs the message loop until
// Terminate; an exception escaping a handler ends up in HandleException, the default error box.
#include "ui/Controls.h"

#include <windows.h>

#include <string>
#include <vector>

namespace quellar {

class TCustomForm;
class THintWindow;
class TMainMenu;
class TMenuItem;

class TApplication : public TComponent {
    QUELLAR_COMPONENT_CLASS(TApplication, TComponent)
public:
    TApplication();
    ~TApplication() override;

    // Creates the application window and loads the common controls.
    void Initialize();
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);
    HWND Handle() const { return handle_; }

    // Creates a form owned by the application; the first one becomes the main form.
    template <class F> F* CreateForm() {
        auto* form = new F(this);
        if (mainForm_ == nullptr) {
            mainForm_ = form;
        }
        return form;
    }
    TCustomForm* MainForm() const { return mainForm_; }
    void SetMainForm(TCustomForm* form) { mainForm_ = form; }
    const std::vector<TCustomForm*>& Forms() const { return forms_; }
    bool ShowMainForm = true;

    // Shows the main form and handles messages until the application is told to terminate.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    bool TerminateRequested() const { return terminateRequested_; }
    // Handles every message waiting, then returns.
    void ProcessMessages();
    // Waits for and handles one message; false once the loop has been told to quit.
    bool HandleMessage();

    // The default error box: error icon, one OK button, the title as caption, a full stop added
    // where the text lacks one; the program then goes on. `source` is the component whose
    // handler raised: while its box waits for OK (timers tick in the box's own loop) its further
    // errors are dropped, so a timer that keeps failing holds one box, not a pile. Errors of
    // other sources show their own boxes meanwhile; an error without a source always does.
    void HandleException(const std::exception& error, const TComponent* source = nullptr);
    void Minimize();
    void Restore();

    void MouseOver(TControl* control);
    void ControlDestroyed(TControl* control);
    void CancelHint();

private:
    friend class TCustomForm;
    // The application window's link (its class procedure is the chain's): true when answered.
    bool AppWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    static bool AppMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool PreTranslate(MSG& msg);
    void Dispatch(MSG& msg);
    void ShowHintNow();

    TLinkTo<TApplication, &TApplication::AppWindowMessage> link_{*this};
    HWND handle_ = nullptr;
    std::string title_;
    TCustomForm* mainForm_ = nullptr;
    std::vector<TCustomForm*> forms_;
    bool terminated_ = false;
    bool terminateRequested_ = false;
    std::vector<const TComponent*> errorSources_; // sources whose error box is open
    TControl* hover_ = nullptr; // the control under the mouse, for hover notifications and hints
    THintWindow* hint_ = nullptr;
};

// The one application object of the process, created by the program's entry (or a test).
extern TApplication* Application;

enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
// fsMDIForm: the form holds an MDI client that arranges fsMDIChild forms inside it.
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm };
enum class TBorderStyle { bsSingle, bsSizeable, bsDialog };
enum class TPosition { poDesigned, poDesktopCenter, poScreenCenter };

class TCustomForm : public TWinControl {
    QUELLAR_COMPONENT_CLASS(TCustomForm, TWinControl)
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    void SetClientSize(int width, int height);
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    void SetClientWidth(int width) { SetClientSize(width, clientHeight_); }
    void SetClientHeight(int height) { SetClientSize(clientWidth_, height); }
    unsigned BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(unsigned icons) { borderIcons_ = icons; }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style) { borderStyle_ = style; }
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }

    // The menu bar: the window shows its native menu; its commands run the items' Click.
    void SetMenu(TMainMenu* menu);
    TMainMenu* Menu() const { return menu_; }

    // Runs the item of the menu bar or of one of the form's popup menus whose shortcut that is
    // (the bar first); false when no enabled, visible item has it.
    bool IsShortCut(int shortCut);

    void Show();
    void Hide() { SetVisible(false); }
    // Closing the main form terminates the application; an MDI child is freed; any other form is
    // hidden.
    void Close();
    // Frees the form once the message being handled now is done (from the application's window).
    void Release();

    // Set before the window is made. An fsMDIChild form's window is made inside the client of
    // its MDI frame: its owner when that is an fsMDIForm form, else the main form.
    void SetFormStyle(TFormStyle style) { formStyle_ = style; }
    // The MDI client of an fsMDIForm form (null before its window exists, and for other styles).
    HWND ClientHandle() const { return clientHandle_; }
    // The menu item whose drop-down the client fills with its children's names (fsMDIForm; set
    // before the window is made).
    void SetWindowMenu(TMenuItem* item) { windowMenu_ = item; }
    TCustomForm* MdiFrame() const;
    // The MDI children of this frame, in the client's order of windows; the active one, or null.
    std::vector<TCustomForm*> MdiChildren() const;
    TCustomForm* ActiveMdiChild() const;
    void Tile();
    void Cascade();

    // The object that draws this form's frame (a skin), told first thing when the form is torn
    // down, while its menu, components and window can still be asked.
    void SetFrameWatcher(TControlWatcher* watcher) { frameWatcher_ = watcher; }
    TControlWatcher* FrameWatcher() const { return frameWatcher_; }

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;

protected:
    // Runs OnCreate; an exception there goes to the default error box.
    void DoCreate();
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    HWND CreateWindowHandle(const TCreateParams& params, const std::string& className,
                            TSubclassHandler* link) override;
    void WndProc(TMessage& message) override;
    void VisibleChanged() override;
    void InitializeWindow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void PlaceOnScreen();
    bool MenuMessage(TMessage& message);
    TMainMenu* menu_ = nullptr;
    DWORD Style() const;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TBorderStyle borderStyle_ = TBorderStyle::bsSizeable;
    TPosition position_ = TPosition::poDesigned;
    bool placed_ = false;
    TFormStyle formStyle_ = TFormStyle::fsNormal;
    HWND clientHandle_ = nullptr;
    TMenuItem* windowMenu_ = nullptr;
    TControlWatcher* frameWatcher_ = nullptr;
};

class TForm : public TCustomForm {
    QUELLAR_COMPONENT_CLASS(TForm, TCustomForm)
public:
    using TCustomForm::TCustomForm;
};

} // namespace quellar
