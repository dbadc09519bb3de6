#pragma once
// Which tabs of a tab set are shown and where: from the first visible tab on, each tab is as
// wide as its caption plus 9 pixels and follows the previous one; a tab that would reach past
// the end margin (12 pixels more while scroll buttons are shown) is left out and the next one is
// tried in its place. The tab set paints and hit-tests by this, and so does its skin. Portable.
#include <vector>

namespace quellar {

struct TTabSetPlace {
    int index = 0;
    int left = 0, right = 0;
    friend bool operator==(const TTabSetPlace&, const TTabSetPlace&) = default;
};

struct TTabSetMetrics {
    int width = 0;
    int startMargin = 0;
    int endMargin = 0;
    int firstIndex = 0;
    bool scrollButtons = false; // shown
};

// captionWidths holds the measured width of every tab's caption.
std::vector<TTabSetPlace> PlaceTabSetTabs(const std::vector<int>& captionWidths,
                                          const TTabSetMetrics& metrics);

// The tab placed at x, or -1.
int TabSetTabAt(const std::vector<TTabSetPlace>& places, int x);

} // namespace quellar
