#pragma once
// Drawing primitives for the skin art: filled and shaded rectangles, rounded and cut corners
// with the magenta key colour outside them, and small glyphs. Colours are 0x00RRGGBB.
#include "skin/model/Bitmap32.h"

#include <cstdint>

namespace quellar::art {

inline constexpr std::uint32_t Key = 0xFF00FF; // magenta: not drawn, outside the window region

struct Box {
    int x, y, w, h;
    int Right() const { return x + w - 1; }
    int Bottom() const { return y + h - 1; }
    Box Inset(int d) const { return {x + d, y + d, w - 2 * d, h - 2 * d}; }
};

enum class Corner { Square, Round, Bevel, Notch };
enum class Dir { Left, Right, Up, Down };

std::uint32_t Mix(std::uint32_t a, std::uint32_t b, int num, int den);
std::uint32_t Lighter(std::uint32_t c, int percent);
std::uint32_t Darker(std::uint32_t c, int percent);
std::uint32_t Grey(std::uint32_t c); // the colour's luminance as a grey

void Fill(TBitmap32& b, Box r, std::uint32_t c);
// Vertical (top to bottom) or horizontal (left to right) blend in a few flat steps.
void GradientV(TBitmap32& b, Box r, std::uint32_t top, std::uint32_t bottom);
void GradientH(TBitmap32& b, Box r, std::uint32_t left, std::uint32_t right);
void Outline(TBitmap32& b, Box r, std::uint32_t c);
// A one-pixel bevel: light on top and left, dark on bottom and right.
void Bevel(TBitmap32& b, Box r, std::uint32_t light, std::uint32_t dark);
// Paints the key colour outside the corners of r (which corners: bit 0 top-left, 1 top-right,
// 2 bottom-left, 3 bottom-right) and an outline colour along the cut.
void CutCorners(TBitmap32& b, Box r, Corner shape, int size, int which, std::uint32_t edge);

void Arrow(TBitmap32& b, Box r, Dir d, std::uint32_t c);
void Cross(TBitmap32& b, Box r, std::uint32_t c);
void CheckMark(TBitmap32& b, Box r, std::uint32_t c);
void Disc(TBitmap32& b, Box r, std::uint32_t c);
void Grip(TBitmap32& b, Box r, std::uint32_t light, std::uint32_t dark);

} // namespace quellar::art
