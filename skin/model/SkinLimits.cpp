#include "skin/model/SkinLimits.h"

#include "skin/model/SkinIni.h"

#include <algorithm>
#include <unordered_map>

namespace quellar {

namespace {

using K = TSkinValueKind;
constexpr std::int32_t IntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t IntMax = std::numeric_limits<std::int32_t>::max();

// The ranges, generous next to real skins (our own use margins up to 32, offsets up to 22 and
// frames up to 23): slice margins and plate widths 0 .. 1024 pixels, offsets -4096 .. 4096
// pixels, frame counts up to 64. Flags (Trans, Tile, Stretch), Style and colour components take
// any value: the painters test them for one value or use their low 8 bits, so none can grow
// into a size.
constexpr std::int32_t MaxMargin = 1024;
constexpr std::int32_t MaxOffset = 4096;

TSkinKeyRule Number(const std::string& section, const std::string& key, std::int32_t def, std::int32_t min,
                    std::int32_t max, TSkinOutside outside = TSkinOutside::Clamp) {
    return {section, key, K::Integer, def, min, max, outside};
}
TSkinKeyRule Flag(const std::string& section, const std::string& key, std::int32_t def) {
    return {section, key, K::Integer, def, IntMin, IntMax, TSkinOutside::Clamp};
}
TSkinKeyRule Of(K kind, const std::string& section, const std::string& key, std::int32_t def = 0) {
    return {section, key, kind, def, IntMin, IntMax, TSkinOutside::Clamp};
}

void AddMargins(std::vector<TSkinKeyRule>& t, const std::string& s) {
    for (const char* key : {"LeftWidth", "RightWidth", "TopHeight", "BottomHeight"}) {
        t.push_back(Number(s, key, 0, 0, MaxMargin));
    }
    t.push_back(Flag(s, "Trans", 0));
    t.push_back(Flag(s, "Tile", 0));
}

void AddColourKeys(std::vector<TSkinKeyRule>& t, const std::string& s) {
    for (const char* key : {"NormalColour", "MouseOverColour", "PressedColour"}) {
        t.push_back(Of(K::Colour, s, key, -1));
    }
    for (const char* key : {"NormalColour2", "MouseOverColour2", "PressedColour2"}) {
        t.push_back(Of(K::RgbText, s, key));
    }
}

void AddFrameAndTitle(std::vector<TSkinKeyRule>& t) {
    const std::string p = "Personality";
    t.push_back(Of(K::Text, "TitlebarSkin", "SkinName"));
    for (const char* n : {"Left", "Right", "Top", "Bottom"}) {
        const std::string name = n;
        t.push_back(Number(p, name + "TopHeight", 0, 0, MaxMargin));
        t.push_back(Number(p, name + "BotHeight", 0, 0, MaxMargin));
        t.push_back(Number(p, name + "Frame", 1, 1, MaxFrameCount));
        t.push_back(Flag(p, name + "Stretch", 1));
        t.push_back(Flag(p, name + "Trans", 1));
        t.push_back(Of(K::Bitmap, p, name));
    }
    for (const char* key : {"WindowText", "ButtonFace", "Scrollbar", "HilightText", "Hilight", "Menubar",
                            "Menu", "MenuText", "ButtonText", "ButtonHilight", "Buttonlight", "ButtonShadow",
                            "ButtonDkShadow", "MenuBarText", "TitleTextActive", "TitleTextNoActive"}) {
        t.push_back(Of(K::RgbText, "Colours", key));
    }
}

void AddCaptionButtons(std::vector<TSkinKeyRule>& t) {
    const std::string b(CaptionButtonSection);
    t.push_back(Number(b, "Action", 0, -1, 255));
    t.push_back(Number(b, "Align", 0, 0, 255));
    t.push_back(Number(b, "Xcoord", 0, -MaxOffset, MaxOffset));
    t.push_back(Number(b, "Ycoord", 0, -MaxOffset, MaxOffset));
    // Outside 0 .. 2000 a button never shows: leaving it out keeps that meaning.
    t.push_back(Number(b, "Visibility", 0, 0, 2000, TSkinOutside::Missing));
    t.push_back(Number(b, "Visibility1", 0, 0, 2000, TSkinOutside::Missing));
    t.push_back(Flag(b, "CombineOp", -1));
    t.push_back(Number(b, "frame", 0, 0, MaxFrameCount));
    t.push_back(Of(K::Bitmap, b, "ButtonImage"));
}

void AddButtonsAndTitle(std::vector<TSkinKeyRule>& t) {
    const std::string s = "Buttons";
    AddMargins(t, s);
    t.push_back(Of(K::Bitmap, s, "Bitmap"));
    t.push_back(Of(K::Bitmap, s, "CheckButton"));
    t.push_back(Of(K::Bitmap, s, "RadioButton"));
    t.push_back(Number(s, "RadioButtonFrame", 0, 0, MaxFrameCount));
    t.push_back(Number(s, "CheckButtonFrame", 0, 0, MaxFrameCount));
    AddColourKeys(t, s);
    const std::string p = "Personality";
    t.push_back(Of(K::Bitmap, p, "TextBack"));
    t.push_back(Number(p, "TextShift", 0, -MaxOffset, MaxOffset));
    t.push_back(Number(p, "TextShiftVert", 0, -MaxOffset, MaxOffset));
    t.push_back(Number(p, "TextRightClip", 0, -MaxOffset, MaxOffset));
    t.push_back(Number(p, "TextAlignment", 0, 0, 2));
    t.push_back(Flag(p, "Textbackground", 0));
    t.push_back(Number("Fonts", "FontHeight", 14, -256, 256));
    t.push_back(Number(p, "TXTBackleft", 0, 0, MaxMargin));
    t.push_back(Number(p, "TXTBackRight", 0, 0, MaxMargin));
    // Colour components: the low 8 bits are used, so any value is harmless.
    for (const char* colour : {"ActiveText", "InActiveText"}) {
        for (const char* c : {"R", "G", "B"}) {
            t.push_back(Flag(p, std::string(colour) + c, -1));
        }
    }
}

void AddElements(std::vector<TSkinKeyRule>& t) {
    const std::string s = "Progress";
    t.push_back(Of(K::Bitmap, s, "Bitmap"));
    t.push_back(Of(K::Bitmap, s, "Chunk"));
    t.push_back(Flag(s, "Style", 0));
    AddMargins(t, s);
    const std::string p = "Personality";
    t.push_back(Of(K::Bitmap, p, "menuBar"));
    t.push_back(Flag(p, "TileMenu", 0));
    t.push_back(Number(p, "TileLeftMenu", 1, 0, MaxMargin));
    t.push_back(Number(p, "TileRightMenu", 1, 0, MaxMargin));
    for (const std::string& section : GeneralElementSections()) {
        t.push_back(Of(K::Bitmap, section, "Image"));
        const bool second = section == "Tabs" || section == "ComboButton" || section.rfind("UpDown.", 0) == 0;
        if (!second) {
            t.push_back(Flag(section, "Style", 0));
        }
        AddMargins(t, section);
        AddColourKeys(t, section);
    }
    t.push_back(Of(K::Bitmap, "Tabs", "Border"));
    t.push_back(Of(K::Bitmap, "UpDown.Horz", "GlyphImage"));
    t.push_back(Of(K::Bitmap, "UpDown.Vert", "GlyphImage"));
    t.push_back(Number("HorzScrollThumb", "FrameCount", 3, 1, MaxFrameCount));
    t.push_back(Number("VertScrollThumb", "FrameCount", 3, 1, MaxFrameCount));
    t.push_back(Of(K::Bitmap, "MDICONTROLS", "Image"));
}

std::string LookupKey(std::string_view section, std::string_view key) {
    return IniUpper(section) + '\0' + IniUpper(key);
}

bool IsCaptionButtonSection(std::string_view section) {
    const std::string upper = IniUpper(section);
    return upper.rfind("BUTTON", 0) == 0 && upper != "BUTTONS" && upper != "BUTTON.RADIO" &&
           upper != "BUTTON.CHECKBOX";
}

} // namespace

const std::vector<std::string>& GeneralElementSections() {
    static const std::vector<std::string> sections = {
        "GroupBoxEdge",        "Toolbars",           "Tabs",
        "StatusBarEdges",      "ComboButton",        "SunkEdge",
        "ExtraImages",         "Headerbar",          "MenuItem",
        "MenuBackground",      "Scrollbar",          "HorzScroll",
        "VertScroll",          "HorzScrollThumb",    "VertScrollThumb",
        "Trackbar.ThumbHorz",  "Trackbar.ThumbVert", "Trackbar.ThumbLeft",
        "Trackbar.ThumbRight", "Trackbar.ThumbUp",   "Trackbar.ThumbDown",
        "UpDown.Horz",         "UpDown.Vert"};
    return sections;
}

const std::vector<TSkinKeyRule>& SkinKeyRules() {
    static const std::vector<TSkinKeyRule> rules = [] {
        std::vector<TSkinKeyRule> t;
        AddFrameAndTitle(t);
        AddCaptionButtons(t);
        AddButtonsAndTitle(t);
        AddElements(t);
        return t;
    }();
    return rules;
}

const TSkinKeyRule* FindSkinKeyRule(std::string_view section, std::string_view key) {
    static const std::unordered_map<std::string, const TSkinKeyRule*> index = [] {
        std::unordered_map<std::string, const TSkinKeyRule*> out;
        for (const TSkinKeyRule& rule : SkinKeyRules()) {
            out.emplace(LookupKey(rule.section, rule.key), &rule);
        }
        return out;
    }();
    const std::string_view lookup = IsCaptionButtonSection(section) ? CaptionButtonSection : section;
    const auto it = index.find(LookupKey(lookup, key));
    return it == index.end() ? nullptr : it->second;
}

std::string BoundFrameStrip(TBitmap32& picture, int frames, bool stacked, const std::string& where) {
    if (picture.Empty()) {
        return {};
    }
    const int count = std::clamp(frames, 1, MaxFrameCount);
    const int cellWidth = stacked ? picture.Width() : picture.Width() / count;
    const int cellHeight = stacked ? picture.Height() / count : picture.Height();
    if (cellWidth <= MaxFrameCellSide && cellHeight <= MaxFrameCellSide) {
        return {};
    }
    const std::string text =
        where + ": " + std::to_string(picture.Width()) + " x " + std::to_string(picture.Height()) + " in " +
        std::to_string(count) + " frames gives frames of " + std::to_string(cellWidth) + " x " +
        std::to_string(cellHeight) + ", larger than " + std::to_string(MaxFrameCellSide) + " x " +
        std::to_string(MaxFrameCellSide) + ": left empty";
    picture.Clear();
    return text;
}

} // namespace quellar
