#include "skin/controls/ControlGeometry.h"

#include <algorithm>
#include <limits>

namespace quellar {

namespace {
// Marks up to this width are centred in a column of it.
constexpr int kCheckColumn = 14;

// Sizes come from windows and skin files: sums of them are taken in 64 bits and brought back into
// the int range instead of wrapping.
int Saturate(std::int64_t v) {
    return static_cast<int>(
        std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

TSkinRect RectAt(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h) {
    return {Saturate(x), Saturate(y), Saturate(x + w), Saturate(y + h)};
}
} // namespace

TSkinRect CheckBoxRect(const TSkinRect& window, int cellWidth, int cellHeight, bool rightButton) {
    const std::int64_t w = cellWidth, h = cellHeight;
    const std::int64_t top = window.top + (window.Height() - h) / 2;
    const std::int64_t inset = w <= kCheckColumn ? (kCheckColumn - w) / 2 : 0;
    if (rightButton) {
        const std::int64_t right = window.right - (w <= kCheckColumn ? inset : 1);
        return RectAt(right - w, top, w, h);
    }
    return RectAt(window.left + inset, top, w, h);
}

int ProgressLength(int position, int minimum, int maximum, int width) {
    if (maximum <= minimum || width <= 0) {
        return 0;
    }
    // A 33-bit difference times a 31-bit width fits 64 bits.
    const std::int64_t filled =
        (std::int64_t{position} - minimum) * width / (std::int64_t{maximum} - minimum);
    return static_cast<int>(std::clamp<std::int64_t>(filled, 0, width));
}

TComboParts ComboParts(int width, int height, int buttonWidth, bool leftScrollBar) {
    const std::int64_t w = width, h = height, e = buttonWidth;
    const auto rect = [](std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b) {
        return TSkinRect{Saturate(l), Saturate(t), Saturate(r), Saturate(b)};
    };
    if (leftScrollBar) {
        return {rect(e + 4, 2, w - 2, h - 2), rect(0, 0, e + 2, h), rect(2, 0, e + 2, h)};
    }
    return {rect(2, 2, w - e - 4, h - 2), rect(w - e - 2, 0, w, h), rect(w - e - 2, 0, w - 2, h)};
}

TUpDownHalves UpDownHalves(const TSkinRect& client, bool horizontal, bool inset) {
    TSkinRect r = client;
    if (inset) {
        r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
    TUpDownHalves halves;
    halves.horizontal = horizontal;
    halves.first = halves.second = r;
    if (horizontal) {
        halves.split = Saturate(r.left + r.Width() / 2);
        halves.first.right = halves.second.left = halves.split;
    } else {
        halves.split = Saturate(r.top + r.Height() / 2);
        halves.first.bottom = halves.second.top = halves.split;
    }
    return halves;
}

bool InFirstHalf(const TUpDownHalves& halves, int x, int y) {
    return (halves.horizontal ? x : y) < halves.split;
}

int GlyphCell(int glyphCount, const TControlState& state) {
    if (glyphCount != 4) {
        return 1;
    }
    if (!state.enabled) {
        return 2;
    }
    return state.pressed ? 3 : 1;
}

TGlyphCaptionLayout LayOutGlyphAndCaption(const TGlyphCaptionInput& in) {
    const TButtonPlacement p = PlaceGlyphAndCaption(in);
    const TButtonLayout layout = ButtonLayoutOf(static_cast<int>(in.layout));
    TGlyphCaptionLayout out;
    out.glyph = RectAt(p.glyphX, p.glyphY, in.glyphWidth, in.glyphHeight);
    out.caption = RectAt(p.captionX, p.captionY, in.textWidth, in.textHeight);
    out.alignment = layout == TButtonLayout::blGlyphLeft    ? caLeft
                    : layout == TButtonLayout::blGlyphRight ? caRight
                                                            : caCentre;
    return out;
}

} // namespace quellar
