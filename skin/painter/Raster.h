#pragma once
// Raster operations of the skin painter on portable bitmaps: scaled and plain copies, opaque or
// with magenta transparent, nine-slice composition and drawing one frame of an element. Every
// write is clipped to the destination bitmap and every read to the source, whatever the rects.
#include "skin/model/Bitmap32.h"
#include "skin/painter/PaintGeometry.h"

namespace quellar {

class TDataSkinObject;

// Source pixels of this colour leave the destination unchanged in a transparent copy.
inline constexpr std::uint32_t KeyColour = 0xFF00FF;

enum class TTransparency { trOpaque, trMagenta };

// Nearest pixel, no blending: destination pixel (x, y) of destRect takes source pixel
// (sourceRect.left + x * sw / dw, sourceRect.top + y * sh / dh). Destination pixels whose
// source pixel lies outside the source bitmap are left alone. Empty or inverted rects draw nothing.
void StretchPixels(TBitmap32& dest, const TSkinRect& destRect, const TBitmap32& source,
                   const TSkinRect& sourceRect, TTransparency mode);

// sourceRect copied unscaled with its top-left corner at (x, y).
void CopyPixels(TBitmap32& dest, int x, int y, const TBitmap32& source, const TSkinRect& sourceRect,
                TTransparency mode);

// A width x height bitmap composed from cell of image by the nine-slice plan; empty when
// width or height is not positive. Pixels that no piece covers stay black.
TBitmap32 ComposeNineSlice(const TBitmap32& image, const TSkinRect& cell, int width, int height,
                           TSliceMargins margins, bool tile);

// The piece `part` (in the composed bitmap's coordinates, cut to 0 .. width x 0 .. height) of what
// ComposeNineSlice would compose, as a bitmap of part's size: what a destination can show of a
// piece larger than itself, at the cost of that piece alone.
TBitmap32 ComposeNineSlicePart(const TBitmap32& image, const TSkinRect& cell, int width, int height,
                               TSliceMargins margins, bool tile, const TSkinRect& part);

// The nine-slice composition of cell to rect's size, drawn at rect. Only the piece of rect that
// lies in dest is composed, so a rect far larger than dest costs no more than dest.
void DrawNineSlice(TBitmap32& dest, const TSkinRect& rect, const TBitmap32& image, const TSkinRect& cell,
                   TSliceMargins margins, bool tile, TTransparency mode);

// Frame k of frameCount of the element, composed to rect's size and drawn at rect, with magenta
// transparent when the element's Trans is 1. Nothing for an inverted rect or an empty image.
void DrawFrame(TBitmap32& dest, const TSkinRect& rect, const TDataSkinObject& element, int frameCount,
               int frame);
// The same, opaque or transparent whatever the element's Trans says.
void DrawFrame(TBitmap32& dest, const TSkinRect& rect, const TDataSkinObject& element, int frameCount,
               int frame, TTransparency mode);

} // namespace quellar
