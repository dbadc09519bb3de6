#pragma once
// Where a button's glyph and caption go inside its client area: the one rule for the framework's
// speed buttons and the skin's button painters. Pure geometry, tested natively.
#include <algorithm>
#include <limits>

namespace quellar {

enum class TButtonLayout { blGlyphLeft = 0, blGlyphRight = 1, blGlyphTop = 2, blGlyphBottom = 3 };

struct TButtonPlacement {
    int glyphX = 0, glyphY = 0;
    int captionX = 0, captionY = 0;
};

struct TButtonGeometry {
    int clientWidth = 0, clientHeight = 0;
    int glyphWidth = 0, glyphHeight = 0; // one glyph cell; 0 x 0 without a glyph
    int textWidth = 0, textHeight = 0;   // 0 x 0 for an empty caption
    TButtonLayout layout = TButtonLayout::blGlyphLeft;
    int margin = -1; // -1: centred
    int spacing = 4; // -1: spread evenly
    bool speedButton = false;
};

// A stored layout value; anything out of range counts as glyph left.
inline TButtonLayout ButtonLayoutOf(int value) {
    return value >= 0 && value <= 3 ? static_cast<TButtonLayout>(value) : TButtonLayout::blGlyphLeft;
}

// Glyph and caption are centred across the layout axis, an odd pixel left over going before
// them; along it the margin and spacing place them (integer division rounds toward zero).
// Spacing only separates two things: without a glyph or a caption (width 0) there is none. A
// margin and spacing both -1 share the free room evenly before, between and after; a margin of
// -1 centres the pair (a speed button's one pixel further); a spacing of -1 centres the caption
// in the room past the glyph. Worked out in 64 bits, so no size can overflow, and saturated.
inline TButtonPlacement PlaceGlyphAndCaption(const TButtonGeometry& g) {
    const TButtonLayout layout = ButtonLayoutOf(static_cast<int>(g.layout));
    const bool horizontal = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
    const bool glyphFirst = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphTop;
    using Wide = long long;
    const auto across = [](Wide room, Wide size) { return (room - size + 1) / 2; };
    const Wide extent = horizontal ? g.clientWidth : g.clientHeight;
    const Wide glyph = horizontal ? g.glyphWidth : g.glyphHeight;
    const Wide text = horizontal ? g.textWidth : g.textHeight;
    Wide margin = g.margin;
    Wide spacing = (g.textWidth != 0 && g.glyphWidth != 0) ? g.spacing : 0;
    if (margin == -1 && spacing == -1) {
        margin = (extent - (glyph + text)) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = (extent - (spacing + glyph + text)) / 2 + (g.speedButton ? 1 : 0);
    } else if (spacing == -1) {
        spacing = ((extent - margin - glyph) - text) / 2;
    }
    const Wide glyphAlong = glyphFirst ? margin : extent - margin - glyph;
    const Wide textAlong = glyphFirst ? margin + glyph + spacing : glyphAlong - spacing - text;
    const auto fit = [](Wide v) {
        return static_cast<int>(
            std::clamp<Wide>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    };
    TButtonPlacement p;
    if (horizontal) {
        p = {fit(glyphAlong), fit(across(g.clientHeight, g.glyphHeight)), fit(textAlong),
             fit(across(g.clientHeight, g.textHeight))};
    } else {
        p = {fit(across(g.clientWidth, g.glyphWidth)), fit(glyphAlong),
             fit(across(g.clientWidth, g.textWidth)), fit(textAlong)};
    }
    return p;
}

} // namespace quellar
