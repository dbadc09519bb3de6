#include "ui/Forms.h"

#include "base/Exception.h"
#include "ui/Menus.h"
#include "ui/Messages.h"

#include <algorithm>

namespace quellar {

namespace {
// An MDI frame's client, kept on the frame for its default procedure.
constexpr const char* kClientProp = "QuellarMdiClient";
// The client numbers its children's entries in the window menu from here: above every command
// of our menus (0x100 .. 0xEFFF).
constexpr UINT kFirstMdiChild = 0xFF00;

// What an MDI frame does not handle goes to DefFrameProcA: it sizes the client with the frame,
// activates children from the window menu and hands other commands to the active child.
LRESULT CALLBACK MdiFrameDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto client = static_cast<HWND>(GetPropA(window, kClientProp));
    return client != nullptr ? DefFrameProcA(window, client, message, wParam, lParam)
                             : SubclassChain::CallDefault(window, message, wParam, lParam);
}

LRESULT CALLBACK MdiFrameClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TSubclassHandler* handler = nullptr;
    if (message == WM_NCCREATE) {
        handler =
            static_cast<TSubclassHandler*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
    }
    return SubclassChain::OwnClassProcWith(window, message, wParam, lParam, handler, &MdiFrameDefault);
}

// An MDI child's creation data is the MDICREATESTRUCT of its client (on Windows and under Wine):
// ours carries the form's handler in its lParam. What the child does not handle goes to
// DefMDIChildProcA, which maximises, restores and activates it within the client.
LRESULT CALLBACK MdiChildClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TSubclassHandler* handler = nullptr;
    if (message == WM_NCCREATE) {
        const auto* mdi = static_cast<const MDICREATESTRUCTA*>(
            reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        handler = mdi != nullptr ? reinterpret_cast<TSubclassHandler*>(mdi->lParam) : nullptr;
    }
    return SubclassChain::OwnClassProcWith(window, message, wParam, lParam, handler, &DefMDIChildProcA);
}
} // namespace

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
    SetVisible(false);
    if (Application != nullptr) {
        Application->forms_.push_back(this);
    }
}

TCustomForm::~TCustomForm() {
    if (TControlWatcher* watcher = std::exchange(frameWatcher_, nullptr); watcher != nullptr) {
        watcher->ControlDestroying(*this);
    }
    if (Application != nullptr) {
        auto& forms = Application->forms_;
        forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
        if (Application->mainForm_ == this) {
            Application->mainForm_ = nullptr;
        }
    }
    if (OnDestroy) {
        try {
            OnDestroy(this);
        } catch (const std::exception& error) {
            ApplicationHandleException(error, this);
        }
    }
    if (formStyle_ == TFormStyle::fsMDIChild && HandleAllocated() && IsWindow(Handle())) {
        // The client destroys its children itself: it takes the child off its window menu and
        // activates the next one.
        HWND client = GetParent(Handle());
        HWND child = TakeHandle();
        SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
    }
}

DWORD TCustomForm::Style() const {
    DWORD style = WS_CAPTION | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (borderIcons_ & biSystemMenu) {
        style |= WS_SYSMENU;
        style |= (borderIcons_ & biMinimize) ? WS_MINIMIZEBOX : 0;
        style |= (borderIcons_ & biMaximize) ? WS_MAXIMIZEBOX : 0;
    }
    if (borderStyle_ == TBorderStyle::bsSizeable) {
        style |= WS_THICKFRAME;
    } else {
        style |= WS_BORDER;
    }
    return style;
}

void TCustomForm::SetClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    RECT r{0, 0, width, height};
    // The native menu bar takes its height from the window, not from the client area.
    AdjustWindowRectEx(&r, Style(), menu_ != nullptr ? TRUE : FALSE, 0);
    SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
}

void TCustomForm::CreateParams(TCreateParams& params) {
    SetClientSize(clientWidth_, clientHeight_); // the border icons may have changed since
    params.style = Style();
    params.parent = Application != nullptr ? Application->Handle() : nullptr;
    if (formStyle_ == TFormStyle::fsMDIForm) {
        params.classProc = &MdiFrameClassProc;
        params.ownClassName = std::string(ClassName()) + "MdiFrame";
    } else if (formStyle_ == TFormStyle::fsMDIChild) {
        TCustomForm* frame = MdiFrame();
        if (frame == nullptr || frame->Handle() == nullptr || frame->ClientHandle() == nullptr) {
            throw Exception("No MDI frame for the child form " + Name());
        }
        params.classProc = &MdiChildClassProc;
        params.ownClassName = std::string(ClassName()) + "MdiChild";
        params.parent = frame->ClientHandle();
        params.exStyle |= WS_EX_MDICHILD;
    }
}

HWND TCustomForm::CreateWindowHandle(const TCreateParams& params, const std::string& className,
                                     TSubclassHandler* link) {
    if (formStyle_ != TFormStyle::fsMDIChild) {
        return TWinControl::CreateWindowHandle(params, className, link);
    }
    // The client makes its children: a child placed at (0, 0) goes where the client cascades it.
    const bool placed = Left() != 0 || Top() != 0;
    MDICREATESTRUCTA create{className.c_str(),
                            caption_.c_str(),
                            GetModuleHandleA(nullptr),
                            placed ? Left() : CW_USEDEFAULT,
                            placed ? Top() : CW_USEDEFAULT,
                            Width(),
                            Height(),
                            params.style,
                            reinterpret_cast<LPARAM>(link)};
    return reinterpret_cast<HWND>(
        SendMessageA(params.parent, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
}

void TCustomForm::CreateWnd() {
    TWinControl::CreateWnd();
    if (formStyle_ != TFormStyle::fsMDIChild) {
        return;
    }
    // The bounds are where the client put the child.
    RECT r{};
    GetWindowRect(Handle(), &r);
    MapWindowPoints(nullptr, GetParent(Handle()), reinterpret_cast<POINT*>(&r), 2);
    SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    // The client lists the new child in its window menu (a skin takes the child on here too).
    SendMessageA(GetParent(Handle()), WM_MDIREFRESHMENU, 0, 0);
}

TCustomForm* TCustomForm::MdiFrame() const {
    if (auto* owner = dynamic_cast<TCustomForm*>(Owner());
        owner != nullptr && owner->formStyle_ == TFormStyle::fsMDIForm) {
        return owner;
    }
    TCustomForm* main = Application != nullptr ? Application->MainForm() : nullptr;
    return main != nullptr && main->formStyle_ == TFormStyle::fsMDIForm ? main : nullptr;
}

std::vector<TCustomForm*> TCustomForm::MdiChildren() const {
    std::vector<TCustomForm*> children;
    for (HWND w = clientHandle_ != nullptr ? GetWindow(clientHandle_, GW_CHILD) : nullptr; w != nullptr;
         w = GetWindow(w, GW_HWNDNEXT)) {
        if (auto* form = dynamic_cast<TCustomForm*>(TWinControl::FromHandle(w)); form != nullptr) {
            children.push_back(form);
        }
    }
    return children;
}

TCustomForm* TCustomForm::ActiveMdiChild() const {
    if (clientHandle_ == nullptr) {
        return nullptr;
    }
    auto active = reinterpret_cast<HWND>(SendMessageA(clientHandle_, WM_MDIGETACTIVE, 0, 0));
    return dynamic_cast<TCustomForm*>(TWinControl::FromHandle(active));
}

void TCustomForm::Tile() {
    if (clientHandle_ != nullptr) {
        SendMessageA(clientHandle_, WM_MDITILE, MDITILE_VERTICAL, 0);
    }
}

void TCustomForm::Cascade() {
    if (clientHandle_ != nullptr) {
        SendMessageA(clientHandle_, WM_MDICASCADE, 0, 0);
    }
}

void TCustomForm::Release() {
    if (Application != nullptr && Application->Handle() != nullptr) {
        PostMessageA(Application->Handle(), CM_RELEASE, 0, reinterpret_cast<LPARAM>(this));
    }
}

void TCustomForm::PlaceOnScreen() {
    if (placed_) {
        return;
    }
    placed_ = true;
    if (position_ != TPosition::poDesigned) {
        const int x = (GetSystemMetrics(SM_CXSCREEN) - Width()) / 2;
        const int y = (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2;
        SetBounds(x, y, Width(), Height());
    }
    // Make the client area exactly the size asked for, whatever the frame turned out to be.
    RECT client{};
    GetClientRect(Handle(), &client);
    const int dw = clientWidth_ - client.right;
    const int dh = clientHeight_ - client.bottom;
    if ((dw != 0 || dh != 0) && clientWidth_ > 0) {
        SetBounds(Left(), Top(), Width() + dw, Height() + dh);
    }
}

void TCustomForm::Show() {
    HandleNeeded();
    PlaceOnScreen();
    SetVisible(true);
}

void TCustomForm::VisibleChanged() {
    if (HandleAllocated()) {
        ShowWindow(Handle(), Visible() ? SW_SHOW : SW_HIDE);
    }
}

void TCustomForm::Close() {
    if (Application != nullptr && Application->MainForm() == this) {
        Application->Terminate();
    } else if (formStyle_ == TFormStyle::fsMDIChild) {
        Release(); // an MDI child cannot hide: it goes
    } else {
        Hide();
    }
}

void TCustomForm::DoCreate() {
    if (!OnCreate) {
        return;
    }
    try {
        OnCreate(this);
    } catch (const std::exception& error) {
        ApplicationHandleException(error, this);
    }
}

void TCustomForm::SetMenu(TMainMenu* menu) {
    if (menu_ != nullptr) {
        RemoveFreeNotification(menu_);
        menu_->SetWindow(nullptr);
    }
    menu_ = menu;
    if (menu_ != nullptr) {
        FreeNotification(menu_);
    }
    if (clientWidth_ > 0 || clientHeight_ > 0) {
        SetClientSize(clientWidth_, clientHeight_); // with or without the bar's height
    }
    if (HandleAllocated()) {
        InitializeWindow();
    }
}

void TCustomForm::InitializeWindow() {
    ::SetMenu(Handle(), menu_ != nullptr ? menu_->Handle() : nullptr);
    if (menu_ != nullptr) {
        menu_->SetWindow(Handle());
    }
    if (formStyle_ == TFormStyle::fsMDIForm && clientHandle_ == nullptr) {
        CLIENTCREATESTRUCT create{windowMenu_ != nullptr ? windowMenu_->Handle() : nullptr, kFirstMdiChild};
        RECT r{};
        GetClientRect(Handle(), &r);
        clientHandle_ =
            CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                            WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL, 0, 0, r.right,
                            r.bottom, Handle(), nullptr, GetModuleHandleA(nullptr), &create);
        if (clientHandle_ == nullptr) {
            throw Exception("Cannot create the MDI client of " + Name());
        }
        SetPropA(Handle(), kClientProp, clientHandle_);
    }
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == menu_) {
        menu_ = nullptr;
        if (HandleAllocated() && IsWindow(Handle())) {
            ::SetMenu(Handle(), nullptr);
        }
    }
}

bool TCustomForm::IsShortCut(int shortCut) {
    if (menu_ != nullptr && menu_->DispatchShortCut(shortCut)) {
        return true;
    }
    for (TComponent* component : Components()) {
        if (auto* popup = dynamic_cast<TPopupMenu*>(component);
            popup != nullptr && popup->DispatchShortCut(shortCut)) {
            return true;
        }
    }
    return false;
}

// Commands of the menu bar, and drawing and measuring of owner-drawn menu items.
bool TCustomForm::MenuMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_COMMAND:
        return message.LParam == 0 && HIWORD(message.WParam) == 0 && menu_ != nullptr &&
               menu_->DispatchCommand(LOWORD(message.WParam));
    case WM_MEASUREITEM:
    case WM_DRAWITEM: {
        if (message.WParam != 0) {
            return false;
        }
        const bool measure = message.Msg == WM_MEASUREITEM;
        const bool done =
            (menu_ != nullptr &&
             (measure ? menu_->DispatchMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam))
                      : menu_->DispatchDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam)))) ||
            DispatchPopupOwnerDraw(message.Msg, message.LParam);
        message.Result = done ? TRUE : 0;
        return done;
    }
    default:
        return false;
    }
}

void TCustomForm::WndProc(TMessage& message) {
    if (MenuMessage(message)) {
        return;
    }
    switch (message.Msg) {
    case WM_CLOSE:
        Close();
        break;
    case WM_SYSCOMMAND:
        if ((message.WParam & 0xFFF0) == SC_MINIMIZE && Application != nullptr &&
            Application->MainForm() == this) {
            Application->Minimize();
        } else {
            TWinControl::WndProc(message);
        }
        break;
    case CM_DIALOGCHAR:
        message.Result = Broadcast(CM_DIALOGCHAR, message.WParam, message.LParam);
        break;
    case CM_MENUCHANGED:
        // The main menu made its drop-downs anew: the client lists its children in the new one.
        if (clientHandle_ != nullptr && windowMenu_ != nullptr) {
            SendMessageA(clientHandle_, WM_MDISETMENU, 0, reinterpret_cast<LPARAM>(windowMenu_->Handle()));
            SendMessageA(clientHandle_, WM_MDIREFRESHMENU, 0, 0);
        }
        TWinControl::WndProc(message);
        break;
    default:
        TWinControl::WndProc(message);
        break;
    }
}

} // namespace quellar
