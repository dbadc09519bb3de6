#pragma once
// Draws every bitmap of one skin from its style and writes the skin description that names
// them. Each painter returns a strip of frames in the order the engine reads them.
#include "SkinStyle.h"
#include "skin/package/SkinPackageWriter.h"

#include <vector>

namespace quellar::art {

// States of a control frame: 1 normal, 2 pressed, 3 disabled, 4 hot, 5 default/focused.
enum class State { Normal, Pressed, Disabled, Hot, Focused };
// Caption buttons: 1 normal, 2 pressed, 3 hot, 4 inactive.
inline constexpr State CaptionStates[4] = {State::Normal, State::Pressed, State::Hot, State::Disabled};

// A control face in the skin's shape for one state.
void Panel(TBitmap32& b, Box r, const TSkinStyle& s, State state);
std::uint32_t GlyphColour(const TSkinStyle& s, State state);

// The window frame (ArtFrame.cpp). The painter puts the sides along the window's full height
// and the top and bottom between them, so the sides hold the window's corners: their top
// `title` rows continue the title bar and their bottom `border` rows the bottom border, and
// only the rows between those stretch. The ends of the top and bottom images (TopEnds and
// BottomEnds wide) are kept unscaled: there a corner wider than the side finishes its curve.
// Each image has two frames, active and inactive: side by side for the sides, one above the
// other for top and bottom.
inline constexpr int TopBottomWidth = 152; // width of the top and bottom images
inline constexpr int TopEnds = 32;
inline constexpr int BottomEnds = 16;
// The top's middle is tiled: whole periods of the title patterns (4 and 11 pixels) keep it even.
static_assert((TopBottomWidth - 2 * TopEnds) % 44 == 0);
struct TFrameImages {
    TBitmap32 left, right, top, bottom;
};
TFrameImages DrawWindowFrame(const TSkinStyle& s);
TBitmap32 DrawTextBack(const TSkinStyle& s);
enum class CaptionGlyph { Close, Maximise, Minimise, Icon };
TBitmap32 DrawCaptionButton(const TSkinStyle& s, CaptionGlyph glyph);
int CaptionButtonSize(const TSkinStyle& s);
TBitmap32 DrawMenuBar(const TSkinStyle& s);
TBitmap32 DrawMdiControls(const TSkinStyle& s);

// Controls (ArtControls.cpp).
TBitmap32 DrawPushButton(const TSkinStyle& s);
TBitmap32 DrawCheckBoxes(const TSkinStyle& s);
TBitmap32 DrawRadioButtons(const TSkinStyle& s);
TBitmap32 DrawMenuItem(const TSkinStyle& s);
TBitmap32 DrawMenuBackground(const TSkinStyle& s);
TBitmap32 DrawScrollArrows(const TSkinStyle& s);
TBitmap32 DrawScrollTrack(const TSkinStyle& s, bool horizontal);
TBitmap32 DrawScrollThumb(const TSkinStyle& s, bool horizontal);
TBitmap32 DrawTrackbarThumb(const TSkinStyle& s, Dir point, bool both);
TBitmap32 DrawComboButton(const TSkinStyle& s);
TBitmap32 DrawSunkEdge(const TSkinStyle& s);
TBitmap32 DrawExtraImages(const TSkinStyle& s);
TBitmap32 DrawTabs(const TSkinStyle& s);
TBitmap32 DrawTabBorder(const TSkinStyle& s);
TBitmap32 DrawStatusBarEdges(const TSkinStyle& s);
TBitmap32 DrawProgress(const TSkinStyle& s);
TBitmap32 DrawProgressChunk(const TSkinStyle& s);
TBitmap32 DrawUpDown(const TSkinStyle& s, bool horizontal);
TBitmap32 DrawUpDownGlyphs(const TSkinStyle& s, bool horizontal);
TBitmap32 DrawGroupBoxEdge(const TSkinStyle& s);
TBitmap32 DrawToolbars(const TSkinStyle& s);
TBitmap32 DrawHeaderbar(const TSkinStyle& s);

// Every member of the skin: the description "skin.ini" first, then the bitmaps.
std::vector<TSkinPackageEntry> DrawSkin(const TSkinStyle& s);

} // namespace quellar::art
