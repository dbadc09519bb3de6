#pragma once
// Where the items of a skinned window's menu bar go and what the bar does with a key or the
// pointer while one of its drop-downs is open. Plain values in, plain answers out: the Windows
// side measures the captions, asks here and acts.
#include "skin/painter/PaintGeometry.h"

#include <string_view>
#include <vector>

namespace quellar {

// One item of the bar as the layout and the tracking see it.
struct TBarItem {
    int textWidth = 0;      // the caption's width in the menu font
    bool hasCaption = true; // an item without a caption takes no room and is never hit
    bool enabled = true;
    bool dropDown = false; // it has a submenu
    char accelerator = 0;  // lower-case letter after a single '&', 0 for none
    TSkinRect rect;        // in window coordinates, after LayOutBarItems
};

// How the skin dresses the bar: whether it has a MenuBar element and that element's caps.
struct TBarDress {
    bool hasElement = false;
    int leftWidth = 0;
    int rightWidth = 0;
    bool rightToLeft = false;
};

// The first item's distance from the bar's leading edge: the element's cap + 4 (+ 8 from the
// right in a right-to-left bar), 12 when that would not fit the bar, 6 without an element.
int FirstItemX(const TBarDress& dress, int barWidth);

// Each item's rectangle in a bar at `bar` (window coordinates): items run from the first x one
// after the other, each its text width + 10 wide (0 without a caption), one pixel short of the
// bar's bottom; right to left they run leftwards from the bar's right edge minus the first x.
void LayOutBarItems(std::vector<TBarItem>& items, const TSkinRect& bar, int firstX, bool rightToLeft);

// The first item with a caption whose rectangle holds (x, y); -1 when none.
int BarItemAt(const std::vector<TBarItem>& items, int x, int y);

// The first enabled item whose accelerator is `key` (either case); -1 when none.
int BarAcceleratorItem(const std::vector<TBarItem>& items, char key);

// The next item from `from` in direction step (+1 or -1) that can show a drop-down (enabled,
// with a caption and a submenu), wrapping round the ends; -1 when there is none besides `from`.
int BarNeighbour(const std::vector<TBarItem>& items, int from, int step);

// What the tracking knows while a drop-down is open.
struct TTrackView {
    int open = -1;                    // the bar item whose drop-down shows
    bool selectedInNested = false;    // the selected item lies in a submenu of the drop-down
    bool selectedHasChildren = false; // the selected item opens a submenu of its own
    bool rightToLeft = false;         // the arrow keys are swapped
};

// What to do with a message that reached the menu loop.
struct TTrackDecision {
    int switchTo = -1;    // close the drop-down and open this bar item's
    bool close = false;   // close the drop-down
    bool swallow = false; // the menu loop does not see the message
    friend bool operator==(const TTrackDecision&, const TTrackDecision&) = default;
};

inline constexpr unsigned TrackKeyLeft = 0x25, TrackKeyRight = 0x27;

// Left goes to the previous bar item unless the selection is in a nested submenu (the menu
// closes that first); right to the next unless the selected item opens a submenu.
TTrackDecision DecideTrackKey(const std::vector<TBarItem>& items, const TTrackView& view, unsigned key);

// The pointer at (x, y) in window coordinates, moving or pressed. Over another item that has a
// drop-down: switch to it. Pressed on an enabled plain command: switch to it (it runs). Pressed
// on the open item or a disabled one: close. Anywhere else the menu decides.
TTrackDecision DecideTrackPointer(const std::vector<TBarItem>& items, const TTrackView& view, int x, int y,
                                  bool pressed);

} // namespace quellar
