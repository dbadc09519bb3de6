#pragma once
// The elements of a loaded skin. One element is one section (or one group of keys) of the skin
// description: slice margins, the image strip and how it is drawn. Plain data; the skin model
// fills them and the painters read them.
#include "skin/model/Bitmap32.h"

#include <cstdint>
#include <string>

namespace quellar {

// Colour values of the skin engine: 0x00BBGGRR is an explicit colour (red in the low byte),
// 0xFF0000nn the platform's system colour nn, and -1 an integer colour key the skin does not give.
using TSkinColor = std::int32_t;
constexpr TSkinColor SystemColour(int index) {
    return static_cast<TSkinColor>(0xFF000000u | static_cast<std::uint32_t>(index));
}
constexpr TSkinColor NoColour = -1;

class TDataSkinObject {
public:
    explicit TDataSkinObject(std::string name) : Name(std::move(name)) {}
    virtual ~TDataSkinObject() = default;

    std::int32_t LeftWidth = 0;
    std::int32_t TopHeight = 0;
    std::int32_t RightWidth = 0;
    std::int32_t BottomHeight = 0;
    TBitmap32 Image;
    std::int32_t Trans = 0; // 1: magenta pixels are not drawn
    // Not 0: the centre piece is tiled, 0: stretched. A border's and the menu bar's are 1 when
    // their key (Stretch, TileMenu) is not 1: a key of 1 stretches the middle.
    std::int32_t Tile = 0;
    std::string Name;
    std::int32_t FrameCount = 0;
    std::int32_t Style = 0;
    TSkinColor NormalColour = NoColour;
    TSkinColor MouseOverColour = NoColour;
    TSkinColor PressedColour = NoColour;
    TSkinColor NormalColour2 = 0;
    TSkinColor MouseOverColour2 = 0;
    TSkinColor PressedColour2 = 0;
};

// Adds a second image: the "Border" of "Tabs", the "GlyphImage" of the up-down buttons, the
// "Chunk" of "Progress", the mirrored "ComboButton". The four frame borders are of this class.
class TDataSkinBorder : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    TBitmap32 Image2;
};

// The push-button element of section "Buttons" with the check-box and radio-button strips.
class TDataSkinButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    TBitmap32 CheckImage;
    TBitmap32 RadioImage;
    std::int32_t RadioFrameCount = 0;
    std::int32_t CheckFrameCount = 0;
};

// Title text settings. TextShift lives in LeftWidth, TextShiftVert in TopHeight and
// TextRightClip in RightWidth so a drawer can treat the title like any element.
class TDataSkinTitle : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    static constexpr TSkinColor NotGiven = 0x1FFFFFFF;
    std::int32_t TextAlignment = 0;
    std::int32_t Textbackground = 0;
    std::int32_t FontHeight = 14;
    std::int32_t TXTBackleft = 0;
    std::int32_t TXTBackRight = 0;
    TSkinColor ActiveText = NotGiven;
    TSkinColor InActiveText = NotGiven;
};

// One caption (title-bar) button.
class TDataSkinSysButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    std::int32_t Action = 0;
    std::int32_t Align = 0;
    std::int32_t Xcoord = 0;
    std::int32_t Ycoord = 0;
    std::int32_t CombineOp = -1;
    std::int32_t Visibility = 0;
    std::int32_t Visibility1 = 0;
};

} // namespace quellar
