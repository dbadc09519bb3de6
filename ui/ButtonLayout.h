#pragma once
// Where a button's glyph and caption go inside its client area. Pure geometry, shared by the
// framework's speed buttons and the skin painters, tested natively.
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

// Glyph and caption are centred across the layout axis; along it the margin and spacing place
// them (integer division rounds toward zero). A speed button's centred margin is one pixel more.
inline TButtonPlacement PlaceGlyphAndCaption(const TButtonGeometry& g) {
    const bool horizontal = g.layout == TButtonLayout::blGlyphLeft || g.layout == TButtonLayout::blGlyphRight;
    TButtonPlacement p;
    if (horizontal) {
        p.glyphY = (g.clientHeight - g.glyphHeight + 1) / 2;
        p.captionY = (g.clientHeight - g.textHeight + 1) / 2;
    } else {
        p.glyphX = (g.clientWidth - g.glyphWidth + 1) / 2;
        p.captionX = (g.clientWidth - g.textWidth + 1) / 2;
    }
    const int extent = horizontal ? g.clientWidth : g.clientHeight;
    const int glyph = horizontal ? g.glyphWidth : g.glyphHeight;
    const int text = horizontal ? g.textWidth : g.textHeight;
    int margin = g.margin;
    int spacing = (text != 0 && glyph != 0) ? g.spacing : 0;
    if (margin == -1 && spacing == -1) {
        margin = (extent - (glyph + text)) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = (extent - (spacing + glyph + text)) / 2 + (g.speedButton ? 1 : 0);
    } else if (spacing == -1) {
        spacing = ((extent - margin - glyph) - text) / 2;
    }
    int glyphPos = 0;
    int textPos = 0;
    if (g.layout == TButtonLayout::blGlyphLeft || g.layout == TButtonLayout::blGlyphTop) {
        glyphPos = margin;
        textPos = margin + glyph + spacing;
    } else {
        glyphPos = extent - margin - glyph;
        textPos = glyphPos - spacing - text;
    }
    if (horizontal) {
        p.glyphX = glyphPos;
        p.captionX = textPos;
    } else {
        p.glyphY = glyphPos;
        p.captionY = textPos;
    }
    return p;
}

} // namespace quellar
