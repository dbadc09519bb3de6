#pragma once
// Where the pieces of a skinned control go: the check mark's box, the filled length of a progress
// bar, the combo box's button, the two halves of an up-down, and a button's glyph beside its
// caption. Pure functions over plain values, so a control's painter only asks and copies.
#include "skin/controls/StateFrames.h"
#include "skin/painter/PaintGeometry.h"
#include "ui/ButtonLayout.h"

#include <cstdint>

namespace quellar {

// The box of a check box or radio button's mark, a cellWidth x cellHeight frame of its image,
// centred vertically in window. Marks up to 14 pixels wide are centred in a 14-pixel column at the
// left edge, or at the right edge for a right-button style; wider marks sit at the left edge, or
// one pixel in from the right.
TSkinRect CheckBoxRect(const TSkinRect& window, int cellWidth, int cellHeight, bool rightButton);

// The filled length of a progress bar width pixels long at position of minimum .. maximum, in
// 0 .. width; 0 for an empty or inverted range.
int ProgressLength(int position, int minimum, int maximum, int width);

// The pieces of a width x height combo box whose drop-down button is buttonWidth wide (the
// system's scroll-bar width), in window coordinates.
struct TComboParts {
    TSkinRect excluded; // the text area, left out of the skin's painting
    TSkinRect button;   // the whole drop-down button
    TSkinRect glyph;    // where the button's arrow image goes
    friend bool operator==(const TComboParts&, const TComboParts&) = default;
};
// leftScrollBar: the window's extended style puts the scroll bar, and so the button, on the left.
TComboParts ComboParts(int width, int height, int buttonWidth, bool leftScrollBar);

// The two arrows of an up-down control: left and right halves of a horizontal one, top and bottom
// of a vertical one. inset leaves a one-pixel border round both.
struct TUpDownHalves {
    TSkinRect first, second;
    bool horizontal = false;
    int split = 0; // the first x (horizontal) or y of the second half
};
TUpDownHalves UpDownHalves(const TSkinRect& client, bool horizontal, bool inset);
// A point before the split is on the first arrow.
bool InFirstHalf(const TUpDownHalves& halves, int x, int y);

// A button's client size, glyph cell size (0 x 0 without a glyph) and measured caption size
// (0 x 0 when empty), placed by the framework's rule (ui/ButtonLayout.h).
using TGlyphCaptionInput = TButtonGeometry;

enum TCaptionAlignment : int {
    caLeft = 0,
    caRight = 1,
    caCentre = 2,
};

struct TGlyphCaptionLayout {
    TSkinRect glyph, caption;
    TCaptionAlignment alignment = caLeft;
};
TGlyphCaptionLayout LayOutGlyphAndCaption(const TGlyphCaptionInput& in);

// The cell of a glyph strip for the button's state: a strip of four holds normal, disabled and
// pressed (and down) looks; any other strip shows its first cell always. The hot look is the
// normal one.
int GlyphCell(int glyphCount, const TControlState& state);

} // namespace quellar
