#include "skin/controls/ScrollGeometry.h"

#include <algorithm>
#include <limits>

namespace quellar {

namespace {
TSkinRect Rect(int left, int top, int right, int bottom) {
    return TSkinRect{left, top, right, bottom};
}

int Border(const TScrollFrame& f) {
    if (f.vertical) {
        return (f.width - f.clientWidth - f.arrow) / 2;
    }
    if (f.horizontal) {
        return (f.height - f.clientHeight - f.arrow) / 2;
    }
    return f.edge;
}
} // namespace

TBarLayout LayOutBars(const TScrollFrame& f) {
    const int b = Border(f), e = f.arrow, w = f.width, h = f.height;
    TBarLayout bars;
    if (f.horizontal && f.vertical) {
        if (f.leftScrollBar) {
            bars.horizontal = Rect(b + e, h - b - e, w - b, h - b);
            bars.vertical = Rect(b, b, b + e, h - b - e);
            bars.corner = Rect(b, h - b - e, b + e, h - b);
        } else {
            bars.horizontal = Rect(b, h - b - e, w - b - e, h - b);
            bars.vertical = Rect(w - b - e, b, w - b, h - b - e);
            bars.corner = Rect(w - b - e, h - b - e, w - b, h - b);
        }
    } else if (f.horizontal) {
        bars.horizontal = Rect(b, h - b - e, w - b, h - b);
    } else if (f.vertical) {
        bars.vertical = f.leftScrollBar ? Rect(b, b, b + e, h - b) : Rect(w - b - e, b, w - b, h - b);
    }
    return bars;
}

namespace {
std::int64_t MulDivRound64(std::int64_t a, std::int64_t b, std::int64_t c) {
    if (c == 0) {
        return 0;
    }
    // Callers pass int-sized factors or a range of two ints: the product fits in 64 bits.
    const std::int64_t product = a * b;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t n = product < 0 ? -product : product;
    const std::int64_t d = c < 0 ? -c : c;
    std::int64_t q = (n + d / 2) / d; // on magnitudes, so halves go away from zero
    return negative ? -q : q;
}
} // namespace

int MulDivRound(std::int64_t a, std::int64_t b, std::int64_t c) {
    const std::int64_t q = std::clamp<std::int64_t>(MulDivRound64(a, b, c), std::numeric_limits<int>::min(),
                                                    std::numeric_limits<int>::max());
    return static_cast<int>(q);
}

bool ComputeThumb(const TScrollValues& v, int barLength, int arrow, int minThumb, int platformThumb,
                  TThumb& thumb) {
    const std::int64_t range = std::int64_t{v.maximum} - v.minimum;
    if (range <= 0) {
        return false;
    }
    const int track = barLength - 2 * arrow;
    int length = v.page != 0 ? std::max(MulDivRound(v.page, track, range), minThumb) : platformThumb;
    length = std::min(length, track);
    int offset = 0;
    if (v.page == range) {
        length -= 1;
    } else {
        offset =
            MulDivRound(std::int64_t{v.position} - v.minimum, std::int64_t{track} - length, range - v.page);
    }
    // A position outside the range must not put the thumb outside the track.
    offset = std::clamp(offset, 0, std::max(0, track - length));
    thumb = TThumb{track, length, offset};
    return true;
}

TScrollHit HitTestBar(int p, int arrow, const TThumb& t) {
    const std::int64_t at = p;
    if (at < arrow) {
        return shLineUp;
    }
    if (at < std::int64_t{arrow} + t.offset) {
        return shPageUp;
    }
    if (at < std::int64_t{arrow} + t.offset + t.length) {
        return shThumb;
    }
    if (at < std::int64_t{arrow} + t.track) {
        return shPageDown;
    }
    if (at < 2 * std::int64_t{arrow} + t.track) {
        return shLineDown;
    }
    return shNone;
}

TDragStep DragPosition(int offset, const TScrollValues& v, const TThumb& t) {
    const std::int64_t range = std::int64_t{v.maximum} - v.minimum;
    TDragStep step{std::max(offset, 0), v.minimum};
    if (v.page != 0) {
        step.offset = std::min(step.offset, std::max(t.track, 0));
        if (t.track > 0) {
            const std::int64_t p = MulDivRound64(step.offset, range, t.track) + v.minimum;
            const std::int64_t last = std::int64_t{v.maximum} - v.page;
            step.position = static_cast<int>(p >= last ? std::max(last + 1, std::int64_t{v.minimum}) : p);
        }
    } else {
        const int room = t.track - t.length;
        step.offset = std::min(step.offset, std::max(room, 0));
        if (room > 0) { // no room to move: the thumb stands for the minimum
            const std::int64_t p = MulDivRound64(step.offset, range, room) + v.minimum;
            step.position = static_cast<int>(std::min<std::int64_t>(p, v.maximum));
        }
    }
    step.position = std::max(step.position, v.minimum);
    return step;
}

} // namespace quellar
