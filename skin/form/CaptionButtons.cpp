// The caption buttons: their layout from the frame sizes and the window's width, the hover
// timer, the buttons' actions and the system menu.
#include "skin/form/CaptionButtons.h"

#include "skin/form/MdiLink.h"
#include "skin/form/SkinMessages.h"
#include "skin/manager/WinSkinManage.h"
#include "skin/model/WinSkinData.h"

#include <algorithm>
#include <string>

namespace quellar {

namespace {
enum TSystemMenuItem : UINT { smRestore = 1, smMaximize, smMinimize, smClose };

// An owner-drawn item that keeps its text (read back when it is measured and drawn) and carries
// its picture of the skin's menu images, plus one, as its data.
void AddSystemItem(HMENU menu, UINT id, const char* text, bool enabled, int picture) {
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_DATA | (text != nullptr ? MIIM_STRING : 0);
    mii.fType = MFT_OWNERDRAW | (text == nullptr ? MFT_SEPARATOR : MFT_STRING);
    mii.fState = enabled ? MFS_ENABLED : MFS_GRAYED;
    mii.wID = id;
    mii.dwItemData = static_cast<ULONG_PTR>(picture + 1);
    std::string caption = text != nullptr ? text : "";
    mii.dwTypeData = caption.data();
    InsertMenuItemA(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &mii);
}

// Pictures of the skin's menu image strip (restore, move, size, minimise, maximise, close).
enum TSystemPicture : int { spRestore = 0, spMinimize = 3, spMaximize = 4, spClose = 5, spNone = -1 };

HMENU BuildSystemMenu(int windowState, unsigned captionFlags) {
    HMENU menu = CreatePopupMenu();
    AddSystemItem(menu, smRestore, " Restore ", windowState != wsRestored, spRestore);
    if ((captionFlags & cfMaximizeBox) != 0) {
        AddSystemItem(menu, smMaximize, " Maximize ", windowState != wsMaximized, spMaximize);
    }
    if ((captionFlags & cfMinimizeBox) != 0) {
        AddSystemItem(menu, smMinimize, " Minimize ", windowState != wsMinimized, spMinimize);
    }
    AddSystemItem(menu, 0, nullptr, true, spNone);
    AddSystemItem(menu, smClose, " Close \tShift+F4", true, spClose);
    return menu;
}

bool Contains(const TSkinRect& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

void MdiChildCommand(HWND frame, WPARAM command) {
    HWND client = FindWindowExA(frame, nullptr, "MDIClient", nullptr);
    if (client == nullptr) {
        return;
    }
    if (auto child = reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)); child != nullptr) {
        SendMessageA(child, WM_SYSCOMMAND, command, 0);
    }
    if (TWinSkinManage* manager = WindowsSkinManager();
        manager != nullptr && manager->MdiMaximized() && !MdiActiveChildMaximized(client)) {
        manager->SetMdiMax(false);
    }
}
} // namespace

POINT WindowPointOf(HWND window, POINT screen) {
    RECT outer{};
    GetWindowRect(window, &outer);
    return {screen.x - outer.left, screen.y - outer.top};
}

void TCaptionButtons::Build(const TSkinData& skin) {
    Drop();
    for (const auto& definition : skin.Model().SysButtons) {
        buttons_.push_back(std::make_unique<TWinSysButton>(items_, *definition));
    }
}

void TCaptionButtons::Drop() {
    items_.hotItem = nullptr;
    buttons_.clear();
}

void TCaptionButtons::Layout(int width) {
    if (buttons_.empty()) {
        return;
    }
    const TCaptionState state = host_.CaptionState();
    TCaptionPlacement where{width, {}, host_.Frame(), 0, host_.RightToLeft()};
    // Right-aligned buttons first, so a popup's title may reach up to them.
    int rightmostLeft = 0;
    for (const auto& b : buttons_) {
        if (b->def->Align == 1 && CaptionButtonVisible(*b->def, state)) {
            PlaceCaptionButton(*b->def, 0, 0, where, rightmostLeft);
        }
    }
    where.titleBox = host_.TitleBoxFor(width, rightmostLeft);
    if (const TDataSkinObject* bar = host_.Skin().Model().MenuBar.get(); bar != nullptr) {
        where.menuBarLeftWidth = bar->LeftWidth;
    }
    const TBitmap32& icon = host_.Icon();
    rightmostLeft = 0;
    for (const auto& b : buttons_) {
        b->visible = CaptionButtonVisible(*b->def, state);
        const TBitmap32& image = b->IsIconButton() && b->def->Image.Empty() ? icon : b->def->Image;
        if (!b->visible || image.Empty()) {
            continue;
        }
        const int frames = image.SharesPixelsWith(icon) ? 1 : std::max(1, b->def->FrameCount);
        b->rect = PlaceCaptionButton(*b->def, image.Width() / frames, image.Height(), where, rightmostLeft);
    }
}

TWinSysButton* TCaptionButtons::ButtonAt(POINT p) {
    if (buttons_.empty()) {
        return nullptr;
    }
    RECT outer{};
    GetWindowRect(host_.Window(), &outer);
    Layout(outer.right - outer.left);
    for (const auto& button : buttons_) {
        if (button->visible && button->def->Action >= 0 && Contains(button->rect, p)) {
            return button.get();
        }
    }
    return nullptr;
}

void TCaptionButtons::ResetStates() {
    for (const auto& b : buttons_) {
        b->state = nsNormal;
    }
    items_.hotItem = nullptr;
}

void TCaptionButtons::Close() {
    StartHover(false);
    PostMessageA(host_.Window(), WM_CLOSE, 0, 0);
}

void TCaptionButtons::RunAction(POINT screen) {
    auto* button = dynamic_cast<TWinSysButton*>(items_.hotItem);
    if (button == nullptr) {
        return;
    }
    switch (const int action = button->def->Action) {
    case 0:
        Close();
        break;
    case 1:
    case 22:
        ToggleMaximize();
        break;
    case 2:
    case 23:
        ToggleMinimize();
        break;
    case 3:
    case 11:
    case 12:
        ShowSystemMenu({screen.x + 1, screen.y + 1});
        break;
    case 7:
    case 60:
        MdiChildCommand(host_.Window(), SC_MINIMIZE);
        break;
    case 8:
    case 61:
        MdiChildCommand(host_.Window(), SC_RESTORE);
        break;
    case 9:
    case 62:
        MdiChildCommand(host_.Window(), SC_CLOSE);
        break;
    default:
        PostMessageA(host_.Window(), SkinQuery, static_cast<WPARAM>(action), 0);
        break;
    }
}

void TCaptionButtons::ToggleMaximize() {
    if (host_.WindowState() == wsMaximized) {
        Restore();
        return;
    }
    host_.SetWindowState(wsMaximized);
    PostMessageA(host_.Window(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    items_.hotItem = nullptr;
}

void TCaptionButtons::ToggleMinimize() {
    if (host_.WindowState() == wsMinimized) {
        Restore();
        return;
    }
    host_.SetWindowState(wsMinimized);
    PostMessageA(host_.Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TCaptionButtons::Restore() {
    host_.SetWindowState(wsRestored);
    PostMessageA(host_.Window(), WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TCaptionButtons::ShowSystemMenu(POINT screen) {
    const DWORD now = GetTickCount();
    if (lastMenuRequest_ != 0 && now - lastMenuRequest_ <= GetDoubleClickTime()) {
        // A second request within the double-click time closes the window instead.
        lastMenuRequest_ = 0;
        Close();
        return;
    }
    lastMenuRequest_ = now;
    if ((host_.Skin().SkinControls() & SkinControlBit(xcSystemMenu)) == 0) {
        TrackPopupMenu(GetSystemMenu(host_.Window(), FALSE), TPM_RIGHTBUTTON, screen.x, screen.y, 0,
                       host_.Window(), nullptr);
        return;
    }
    HMENU menu = BuildSystemMenu(host_.WindowState(), host_.CaptionState().captionFlags);
    systemMenu_ = menu;
    host_.SetDropDownMenu(menu);
    // The window, and this object with it, may go while the menu shows (a timer closes it):
    // afterwards nothing of it is touched unless it is still there.
    const std::weak_ptr<int> alive = alive_;
    HWND window = host_.Window();
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_RETURNCMD, screen.x, screen.y, 0, window, nullptr));
    DestroyMenu(menu);
    if (alive.expired()) {
        return;
    }
    host_.SetDropDownMenu(nullptr);
    systemMenu_ = nullptr;
    if (!IsWindow(window)) {
        return;
    }
    switch (chosen) {
    case smRestore:
        Restore();
        break;
    case smMaximize:
        ToggleMaximize();
        break;
    case smMinimize:
        ToggleMinimize();
        break;
    case smClose:
        Close();
        break;
    default:
        break;
    }
}

void TCaptionButtons::StartHover(bool run) {
    if (run && !hoverRunning_) {
        hoverRunning_ = SetTimer(host_.Window(), HoverTimerId, HoverIntervalMs, nullptr) != 0;
    } else if (!run && hoverRunning_) {
        KillTimer(host_.Window(), HoverTimerId);
        hoverRunning_ = false;
    }
}

void TCaptionButtons::HoverTick() {
    if (items_.hotItem == nullptr || host_.DropDownMenu() != nullptr) {
        return;
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    if (!Contains(items_.hotItem->rect, WindowPointOf(host_.Window(), cursor))) {
        items_.hotItem->Leave();
    }
}

} // namespace quellar
