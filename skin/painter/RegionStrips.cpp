#include "skin/painter/RegionStrips.h"

#include <algorithm>
#include <limits>

namespace quellar {
namespace {

// Per-channel bounds of the key range; a negative tolerance makes the range empty.
struct TKeyRange {
    std::int64_t low[3];
    std::int64_t high[3];

    TKeyRange(std::uint32_t key, int tolerance) {
        for (int c = 0; c < 3; ++c) {
            low[c] = (key >> (8 * c)) & 0xFF;
            high[c] = std::min<std::int64_t>(low[c] + tolerance, 255);
        }
    }

    bool Contains(std::uint32_t pixel) const {
        for (int c = 0; c < 3; ++c) {
            const std::int64_t value = (pixel >> (8 * c)) & 0xFF;
            if (value < low[c] || value > high[c]) {
                return false;
            }
        }
        return true;
    }
};

// Region coordinates are ints; a far offset saturates rather than wrapping around.
int Shift(int value, int offset) {
    return static_cast<int>(std::clamp<std::int64_t>(
        std::int64_t{value} + offset, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

class TChunkCollector {
public:
    explicit TChunkCollector(const std::function<void(const TRegionChunk&)>& onChunk) : onChunk_(onChunk) {
        chunk_.rects.reserve(RegionChunkSize);
    }

    void Add(const TSkinRect& rect) {
        TSkinRect& b = chunk_.bounds;
        if (chunk_.rects.empty()) {
            b = rect;
        } else {
            b = {std::min(b.left, rect.left), std::min(b.top, rect.top), std::max(b.right, rect.right),
                 std::max(b.bottom, rect.bottom)};
        }
        chunk_.rects.push_back(rect);
        if (chunk_.rects.size() == RegionChunkSize) {
            Flush();
        }
    }

    // The rest goes out even when empty, so that every bitmap yields at least one chunk.
    void Finish() { Flush(); }

private:
    void Flush() {
        onChunk_(chunk_);
        chunk_.rects.clear();
        chunk_.bounds = {};
    }

    const std::function<void(const TRegionChunk&)>& onChunk_;
    TRegionChunk chunk_;
};

} // namespace

void ForEachRegionChunk(const TBitmap32& bitmap, int dx, int dy, int tolerance, std::uint32_t key,
                        const std::function<void(const TRegionChunk&)>& onChunk) {
    const TKeyRange range(key, tolerance);
    TChunkCollector collector(onChunk);
    for (int y = 0; y < bitmap.Height(); ++y) {
        const std::uint32_t* row = bitmap.Row(y);
        int x = 0;
        while (x < bitmap.Width()) {
            if (range.Contains(row[x])) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < bitmap.Width() && !range.Contains(row[x])) {
                ++x;
            }
            collector.Add({Shift(start, dx), Shift(y, dy), Shift(x, dx), Shift(Shift(y, dy), 1)});
        }
    }
    collector.Finish();
}

} // namespace quellar
