#include "skin/form/FrameBounds.h"

#include <algorithm>

namespace quellar {

TFrameSizes FrameWithin(const TFrameSizes& frame, int workWidth, int workHeight) {
    const int across = std::max(0, workWidth / 4), down = std::max(0, workHeight / 4);
    const auto bound = [](int size, int limit) { return std::clamp(size, 0, limit); };
    return {bound(frame.left, across), bound(frame.top, down), bound(frame.right, across),
            bound(frame.bottom, down), bound(frame.menu, down)};
}

} // namespace quellar
