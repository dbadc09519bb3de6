#include "ui/TabSetLayout.h"

#include <algorithm>
#include <cstdint>

namespace quellar {

namespace {
constexpr int kTabPadding = 9;
constexpr int kScrollButtonsRoom = 12;
} // namespace

std::vector<TTabSetPlace> PlaceTabSetTabs(const std::vector<int>& captionWidths,
                                          const TTabSetMetrics& metrics) {
    std::vector<TTabSetPlace> places;
    const std::int64_t limit = std::int64_t{metrics.width} - metrics.endMargin;
    const int room = kTabPadding + (metrics.scrollButtons ? kScrollButtonsRoom : 0);
    std::int64_t x = metrics.startMargin;
    const int count = static_cast<int>(captionWidths.size());
    for (int i = std::max(metrics.firstIndex, 0); i < count; ++i) {
        const std::int64_t w = std::max(captionWidths[static_cast<std::size_t>(i)], 0);
        if (limit < x + w + room) {
            continue; // a narrower tab further on may still fit here
        }
        places.push_back({i, static_cast<int>(x), static_cast<int>(x + w + kTabPadding)});
        x += w + kTabPadding;
    }
    return places;
}

int TabSetTabAt(const std::vector<TTabSetPlace>& places, int x) {
    for (const TTabSetPlace& p : places) {
        if (x >= p.left && x < p.right) {
            return p.index;
        }
    }
    return -1;
}

} // namespace quellar
