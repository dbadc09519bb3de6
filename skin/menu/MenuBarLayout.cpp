#include "skin/menu/MenuBarLayout.h"

#include <cctype>

namespace quellar {

int FirstItemX(const TBarDress& dress, int barWidth) {
    if (!dress.hasElement) {
        return 6;
    }
    const std::int64_t x =
        dress.rightToLeft ? std::int64_t{dress.rightWidth} + 8 : std::int64_t{dress.leftWidth} + 4;
    return x > barWidth ? 12 : SaturateInt(x);
}

void LayOutBarItems(std::vector<TBarItem>& items, const TSkinRect& bar, int firstX, bool rightToLeft) {
    const int bottom = SaturateInt(std::int64_t{bar.bottom} - 1);
    // 64-bit positions: a long bar of wide captions stops at the int limit instead of wrapping.
    std::int64_t x = rightToLeft ? std::int64_t{bar.right} - firstX : std::int64_t{bar.left} + firstX;
    for (TBarItem& item : items) {
        const std::int64_t width = item.hasCaption ? std::int64_t{item.textWidth} + 10 : 0;
        const std::int64_t next = rightToLeft ? x - width : x + width;
        item.rect = rightToLeft ? TSkinRect{SaturateInt(next), bar.top, SaturateInt(x), bottom}
                                : TSkinRect{SaturateInt(x), bar.top, SaturateInt(next), bottom};
        x = next;
    }
}

int BarItemAt(const std::vector<TBarItem>& items, int x, int y) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        const TSkinRect& r = items[i].rect;
        if (items[i].hasCaption && x >= r.left && x < r.right && y >= r.top && y < r.bottom) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int BarAcceleratorItem(const std::vector<TBarItem>& items, char key) {
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(key)));
    if (lower == 0) {
        return -1;
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].enabled && items[i].accelerator == lower) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int BarNeighbour(const std::vector<TBarItem>& items, int from, int step) {
    const int count = static_cast<int>(items.size());
    if (count == 0 || (step != 1 && step != -1)) {
        return -1;
    }
    const int start = (from >= 0 && from < count) ? from : (step > 0 ? -1 : count);
    for (int n = 1; n <= count; ++n) {
        const int i = ((start + step * n) % count + count) % count;
        const TBarItem& item = items[static_cast<std::size_t>(i)];
        if (i != from && item.enabled && item.hasCaption && item.dropDown) {
            return i;
        }
    }
    return -1;
}

TTrackDecision DecideTrackKey(const std::vector<TBarItem>& items, const TTrackView& view, unsigned key) {
    if (view.rightToLeft && (key == TrackKeyLeft || key == TrackKeyRight)) {
        key = key == TrackKeyLeft ? TrackKeyRight : TrackKeyLeft;
    }
    int next = -1;
    if (key == TrackKeyLeft && !view.selectedInNested) {
        next = BarNeighbour(items, view.open, -1);
    } else if (key == TrackKeyRight && !view.selectedHasChildren) {
        next = BarNeighbour(items, view.open, 1);
    }
    if (next < 0) {
        return {};
    }
    return {next, true, true};
}

TTrackDecision DecideTrackPointer(const std::vector<TBarItem>& items, const TTrackView& view, int x, int y,
                                  bool pressed) {
    const int hit = BarItemAt(items, x, y);
    if (hit < 0) {
        return {};
    }
    if (hit == view.open) {
        return pressed ? TTrackDecision{-1, true, true} : TTrackDecision{};
    }
    const TBarItem& item = items[static_cast<std::size_t>(hit)];
    if (!item.enabled) {
        // A disabled item on the bar: a press closes the drop-down there.
        return pressed ? TTrackDecision{-1, true, true} : TTrackDecision{};
    }
    if (!item.dropDown) {
        // A plain command runs when clicked, the drop-down closing first; passing over it
        // leaves the drop-down open (a command is never run by the pointer alone).
        return pressed ? TTrackDecision{hit, true, true} : TTrackDecision{};
    }
    return {hit, true, pressed};
}

} // namespace quellar
