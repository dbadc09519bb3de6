#include "skin/menu/MenuTracking.h"

#include "skin/menu/MenuBar.h"
#include "skin/menu/MenuHost.h"
#include "ui/ExceptionBoundary.h"

#include <utility>

namespace quellar {

namespace {

// The one open drop-down of this thread (menus are modal: there is never a second).
struct TTrackState {
    IMenuHost* form = nullptr;
    HHOOK hook = nullptr;
    TTrackView view;
    HMENU dropDown = nullptr;
    int next = -1;          // the bar item to open once this menu has closed
    bool nextByKey = false; // that switch came from the keyboard
    bool formGone = false;  // the form or its bar went while the menu was open
    bool open = false;      // from the hook's installation until the menu has closed
};
TTrackState gTrack;
int gHookCount = 0;

void SwitchTo(const TTrackDecision& decision, bool byKey) {
    if (decision.switchTo >= 0) {
        gTrack.next = decision.switchTo;
        gTrack.nextByKey = byKey;
    }
    if (decision.close) {
        EndMenu();
    }
}

// Only messages of the menu loop that it has not handled yet (code MSGF_MENU).
LRESULT FilterMenuMessage(int code, LRESULT next, LPARAM lParam) {
    if (code != MSGF_MENU || next != 0 || gTrack.form == nullptr) {
        return next;
    }
    const MSG& msg = *reinterpret_cast<const MSG*>(lParam);
    const TWinSkinMenu* bar = gTrack.form->MenuBar();
    if (bar == nullptr) {
        return 0;
    }
    TTrackDecision decision;
    switch (msg.message) {
    case WM_KEYDOWN:
        decision = DecideTrackKey(bar->Layout(), gTrack.view, static_cast<unsigned>(msg.wParam));
        SwitchTo(decision, true);
        break;
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN: {
        const bool pressed = msg.message == WM_LBUTTONDOWN || msg.message == WM_NCLBUTTONDOWN;
        const POINT p = gTrack.form->WindowPoint(msg.pt);
        decision = DecideTrackPointer(bar->Layout(), gTrack.view, p.x, p.y, pressed);
        SwitchTo(decision, false);
        break;
    }
    default:
        break;
    }
    return decision.swallow ? 1 : 0;
}

LRESULT CALLBACK MenuFilterProc(int code, WPARAM wParam, LPARAM lParam) {
    const LRESULT next = CallNextHookEx(gTrack.hook, code, wParam, lParam);
    // On failure the menu goes on with the platform's own keys and mouse.
    return Guarded([&] { return FilterMenuMessage(code, next, lParam); }, [next] { return next; });
}

// The tracking state and the hook for one open drop-down; both go whichever way it ends.
class TTrackScope {
public:
    TTrackScope(IMenuHost& form, int index, HMENU dropDown) {
        gTrack = {};
        gTrack.open = true;
        gTrack.form = &form;
        gTrack.view.open = index;
        gTrack.view.rightToLeft = form.MenuBar()->RightToLeft();
        gTrack.dropDown = dropDown;
        form.SetDropDownMenu(dropDown);
        gTrack.hook = SetWindowsHookExA(WH_MSGFILTER, &MenuFilterProc, nullptr, GetCurrentThreadId());
        if (gTrack.hook != nullptr) {
            ++gHookCount;
        }
    }
    ~TTrackScope() {
        if (gTrack.hook != nullptr && UnhookWindowsHookEx(gTrack.hook)) {
            --gHookCount;
        }
        if (gTrack.form != nullptr) {
            gTrack.form->SetDropDownMenu(nullptr);
        }
        gTrack.form = nullptr;
        gTrack.hook = nullptr;
        gTrack.dropDown = nullptr;
        gTrack.open = false;
    }
    TTrackScope(const TTrackScope&) = delete;
    TTrackScope& operator=(const TTrackScope&) = delete;
};

// Shows the item's submenu below it and returns when the menu closes.
void TrackDropDown(IMenuHost& form, TMenuBtn& item, bool fromKeyboard) {
    HWND window = form.Window();
    RECT outer{};
    GetWindowRect(window, &outer);
    item.Press();
    const TTrackScope scope(form, item.index, item.submenu);
    form.MenuBar()->OwnerDraw().Convert(item.submenu);
    if (fromKeyboard) {
        // Waiting in the queue, it is the menu loop's first key: the first item is selected.
        PostMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
    }
    TPMPARAMS exclude{};
    exclude.cbSize = sizeof(exclude);
    exclude.rcExclude = {outer.left + item.rect.left, outer.top + item.rect.top, outer.left + item.rect.right,
                         outer.top + item.rect.bottom};
    // Either button chooses an item, as in a menu the platform's own bar opens.
    TrackPopupMenuEx(item.submenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_VERTICAL,
                     exclude.rcExclude.left, exclude.rcExclude.bottom, window, &exclude);
}

} // namespace

void OpenBarItem(IMenuHost& form, int index, bool fromKeyboard) {
    TWinSkinMenu* bar = form.MenuBar();
    if (bar == nullptr || gTrack.open) {
        return;
    }
    while (index >= 0 && index < bar->Count()) {
        TMenuBtn& item = bar->Item(index);
        if (item.submenu == nullptr || !IsMenu(item.submenu)) {
            if (item.enabled) {
                if (!fromKeyboard) {
                    item.Press(); // shown pressed until the button is let go over it
                }
                PostMessageA(form.Window(), WM_COMMAND, item.command, 0);
            }
            return;
        }
        if (!item.enabled) {
            return;
        }
        TrackDropDown(form, item, fromKeyboard);
        if (std::exchange(gTrack.formGone, false)) {
            return; // nothing of the form may be touched now
        }
        const int opened = index;
        index = gTrack.next;
        fromKeyboard = gTrack.nextByKey;
        gTrack.next = -1;
        // The items may have been taken again while the menu was open: ask the bar afresh.
        bar = form.MenuBar();
        if (bar == nullptr) {
            return;
        }
        if (opened < bar->Count() && bar->Item(opened).state != nsNormal) {
            bar->Item(opened).Leave();
        }
    }
}

void NoteMenuSelect(const IMenuHost& form, WPARAM wParam, LPARAM lParam) {
    if (gTrack.form != &form) {
        return;
    }
    const UINT flags = HIWORD(wParam);
    if (flags == 0xFFFF && lParam == 0) {
        return; // the menu closes
    }
    const auto menu = reinterpret_cast<HMENU>(lParam);
    gTrack.view.selectedInNested = menu != gTrack.dropDown;
    gTrack.view.selectedHasChildren = (flags & MF_POPUP) != 0;
}

void EndBarTracking(IMenuHost& form) {
    if (gTrack.form != &form) {
        return;
    }
    form.SetDropDownMenu(nullptr);
    gTrack.form = nullptr;
    gTrack.formGone = true;
    gTrack.next = -1;
    EndMenu();
}

bool MenuBarTracking() {
    return gTrack.open;
}

int MenuFilterHookCount() {
    return gHookCount;
}

} // namespace quellar
