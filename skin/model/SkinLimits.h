#pragma once
// Every key the engine reads from a skin description, with its default and, for numbers, the
// range the engine accepts. The description reader takes its defaults from here and bounds every
// number it reads, so the painters only ever see values inside these ranges. docs/skin-format.md
// documents the same keys (a test keeps the two alike).
#include "skin/model/Bitmap32.h"

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace quellar {

enum class TSkinValueKind {
    Integer, // a whole number, bounded by min .. max
    Colour,  // a whole number taken as a colour value (any 32-bit value is one)
    RgbText, // "r g b" text
    Bitmap,  // the name of a .bmp member of the package
    Text,
};

// What a number outside its range becomes.
enum class TSkinOutside {
    Clamp,   // the nearest end of the range
    Missing, // the element it belongs to is left out, as if its section were absent
};

struct TSkinKeyRule {
    std::string section; // a section name, or CaptionButtonSection for every caption button
    std::string key;
    TSkinValueKind kind = TSkinValueKind::Integer;
    std::int32_t def = 0;
    std::int32_t min = std::numeric_limits<std::int32_t>::min();
    std::int32_t max = std::numeric_limits<std::int32_t>::max();
    TSkinOutside outside = TSkinOutside::Clamp;
};

// Stands for every section that makes a caption button ("Button1", "BUTTONCLOSE", ...).
inline constexpr std::string_view CaptionButtonSection = "Button*";

// The sections read by the general element reader, and those that also carry a second picture.
const std::vector<std::string>& GeneralElementSections();

// The whole table, in the order the reader reads the keys.
const std::vector<TSkinKeyRule>& SkinKeyRules();

// The rule of a key (section and key compared without regard to ASCII case; a caption-button
// section is looked up as CaptionButtonSection), or null for a key the engine does not read.
const TSkinKeyRule* FindSkinKeyRule(std::string_view section, std::string_view key);

// The largest frame cell the engine accepts, in pixels per side: a picture whose frame
// (width / frames side by side, or height / frames stacked) is larger is left empty.
inline constexpr int MaxFrameCellSide = 4096;
// The most frames a strip may be cut into, however many its picture would give.
inline constexpr int MaxFrameCount = 64;

// Empties picture when one of its frames would be larger than MaxFrameCellSide on a side;
// returns a warning for `where` (as "[Section] Key") then, else an empty text.
std::string BoundFrameStrip(TBitmap32& picture, int frames, bool stacked, const std::string& where);

} // namespace quellar
