#pragma once
// The description a skin's art is drawn from: its palette and the shapes of its frame and
// buttons. Read from an INI text with one section [Style]; colours as "r g b".
#include "Canvas.h"

#include <cstdint>
#include <string>

namespace quellar::art {

enum class Pattern { None, Stripes, Dots, Grain };

struct TSkinStyle {
    std::string name;
    std::uint32_t frame = 0x304060;   // frame and title bar, lower end
    std::uint32_t frame2 = 0x6080B0;  // title bar, upper end
    std::uint32_t face = 0xE0E0E0;    // button and control faces
    std::uint32_t window = 0xF4F4F4;  // menu background
    std::uint32_t text = 0x202020;    // control text
    std::uint32_t hilight = 0x3060C0; // selection
    std::uint32_t hilightText = 0xFFFFFF;
    std::uint32_t accent = 0xFFC040; // glyphs on the caption buttons
    std::uint32_t titleText = 0xFFFFFF;
    Corner corner = Corner::Round; // window corners
    int radius = 8;
    int border = 5; // side and bottom border thickness
    int title = 24; // title bar height
    Corner buttonCorner = Corner::Round;
    int buttonRadius = 3;
    bool roundCaptionButtons = false; // discs instead of boxes
    Pattern pattern = Pattern::None;
};

// Throws std::runtime_error naming the first bad line.
TSkinStyle ParseSkinStyle(const std::string& text);

} // namespace quellar::art
