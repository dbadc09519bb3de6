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

namespace {
// Positions of glyph and caption along the layout's axis.
struct TAxisPlaces {
    std::int64_t glyph = 0, caption = 0;
};

// extent is the client's size along the axis, glyph and text the sizes of the two on it.
TAxisPlaces PlaceAlongAxis(const TGlyphCaptionInput& in, bool glyphFirst, std::int64_t extent,
                           std::int64_t glyph, std::int64_t text) {
    std::int64_t margin = in.margin;
    // Spacing only separates two things: with one of them missing there is nothing to space.
    std::int64_t spacing = (in.textWidth != 0 && in.glyphWidth != 0) ? in.spacing : 0;
    if (margin == -1 && spacing == -1) {
        // Free room shared evenly: before, between and after.
        margin = (extent - (glyph + text)) / 3;
        spacing = margin;
    } else if (margin == -1) {
        // The pair centred.
        margin = (extent - (spacing + glyph + text)) / 2 + (in.speedButton ? 1 : 0);
    } else if (spacing == -1) {
        // The caption centred in the room past the glyph.
        spacing = ((extent - margin - glyph) - text) / 2;
    }
    if (glyphFirst) {
        return {margin, margin + glyph + spacing};
    }
    const std::int64_t glyphAt = extent - margin - glyph;
    return {glyphAt, glyphAt - spacing - text};
}
} // namespace

TGlyphCaptionLayout LayOutGlyphAndCaption(const TGlyphCaptionInput& in) {
    const int layout = (in.layout >= glGlyphLeft && in.layout <= glGlyphBottom) ? in.layout : glGlyphLeft;
    const bool vertical = layout == glGlyphTop || layout == glGlyphBottom;
    const bool glyphFirst = layout == glGlyphLeft || layout == glGlyphTop;
    // Across the axis both are centred; an odd pixel left over goes before them.
    const std::int64_t cross = vertical ? in.clientWidth : in.clientHeight;
    const std::int64_t glyphAcross = (cross - (vertical ? in.glyphWidth : in.glyphHeight) + 1) / 2;
    const std::int64_t textAcross = (cross - (vertical ? in.textWidth : in.textHeight) + 1) / 2;
    const TAxisPlaces along =
        vertical ? PlaceAlongAxis(in, glyphFirst, in.clientHeight, in.glyphHeight, in.textHeight)
                 : PlaceAlongAxis(in, glyphFirst, in.clientWidth, in.glyphWidth, in.textWidth);

    TGlyphCaptionLayout out;
    if (vertical) {
        out.glyph = RectAt(glyphAcross, along.glyph, in.glyphWidth, in.glyphHeight);
        out.caption = RectAt(textAcross, along.caption, in.textWidth, in.textHeight);
        out.alignment = caCentre;
    } else {
        out.glyph = RectAt(along.glyph, glyphAcross, in.glyphWidth, in.glyphHeight);
        out.caption = RectAt(along.caption, textAcross, in.textWidth, in.textHeight);
        out.alignment = glyphFirst ? caLeft : caRight;
    }
    return out;
}

} // namespace quellar
