#pragma once
// Opening the drop-downs of a skinned window's menu bar. The platform's popup-menu tracking
// shows a bar item's submenu; while it runs, a message-filter hook of this thread watches the
// keys and the pointer, so the user can arrow or slide from one bar item to the next. A switch
// ends the open menu (EndMenu) and the loop in OpenBarItem opens the next one, so the hook and
// the tracking state are in place for exactly one open menu at a time and gone on every way out.
#include <windows.h>

namespace quellar {

class IMenuHost;

// Posted by a skinned window to itself: open bar item wParam; lParam 1 when asked from the
// keyboard (the drop-down then opens with its first item selected).
inline constexpr UINT SkinOpenMenuItem = 0x3510;

// Opens bar item index of the form's bar: a plain command is posted as WM_COMMAND; an enabled
// item with a submenu shows it below the item and returns when the menu closes, after any
// switches to other items. Does nothing while a drop-down is open already.
void OpenBarItem(IMenuHost& form, int index, bool fromKeyboard);

// WM_MENUSELECT reached the form's window (it is sent, so the hook never sees it).
void NoteMenuSelect(const IMenuHost& form, WPARAM wParam, LPARAM lParam);

// The form's bar goes (detach, or the form's end): its open drop-down closes, and the tracking
// touches neither the form nor its bar again.
void EndBarTracking(IMenuHost& form);

// Whether a drop-down of a bar is open on this thread.
bool MenuBarTracking();
// Message-filter hooks of the bar installed now (0 unless a drop-down is open).
int MenuFilterHookCount();

} // namespace quellar
