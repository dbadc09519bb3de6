#include "skin/model/SkinDescription.h"

#include "skin/model/BitmapFile.h"
#include "skin/model/SkinDataPlatform.h"
#include "skin/model/SkinLimits.h"

#include <algorithm>
#include <stdexcept>

namespace quellar {

namespace {
const std::string Personality = "Personality";
} // namespace

std::string SkinBitmapMemberName(const std::string& reference) {
    const std::size_t cut = reference.find_last_of("\\:");
    std::string name = cut == std::string::npos ? reference : reference.substr(cut + 1);
    const std::string ext = ".bmp";
    const std::size_t dot = name.rfind('.');
    if (name.empty() || dot == std::string::npos || name.compare(dot, std::string::npos, ext) != 0) {
        return {};
    }
    return name;
}

TSkinDescriptionReader::TSkinDescriptionReader(TSkinData& data, const TSkinIniFile& ini,
                                               const TSkinReader& package, std::vector<std::string>* warnings)
    : d_(data), m_(data.Model()), ini_(ini), package_(package), warnings_(warnings) {}

void TSkinDescriptionReader::Warn(const std::string& text) {
    if (warnings_ != nullptr && !text.empty()) {
        warnings_->push_back(text);
    }
}

std::optional<std::int32_t> TSkinDescriptionReader::Bounded(const std::string& section,
                                                            const std::string& key) {
    const TSkinKeyRule* rule = FindSkinKeyRule(section, key);
    if (rule == nullptr) {
        throw std::logic_error("the skin key table has no [" + section + "] " + key);
    }
    const std::string text = ini_.ReadString(section, key, "");
    if (!text.empty() && !ParseIniInteger(text)) {
        Warn("[" + section + "] " + key + "=" + text + ": not a whole number, " + std::to_string(rule->def) +
             " used");
    }
    const std::int32_t value = ini_.ReadInteger(section, key, rule->def);
    if (value >= rule->min && value <= rule->max) {
        return value;
    }
    const std::string range = std::to_string(rule->min) + " .. " + std::to_string(rule->max);
    const std::string head = "[" + section + "] " + key + "=" + std::to_string(value) + ": outside " + range;
    if (rule->outside == TSkinOutside::Missing) {
        Warn(head + ", [" + section + "] left out");
        return std::nullopt;
    }
    const std::int32_t clamped = std::clamp(value, rule->min, rule->max);
    Warn(head + ", " + std::to_string(clamped) + " used");
    return clamped;
}

std::int32_t TSkinDescriptionReader::Int(const std::string& section, const std::string& key) {
    return Bounded(section, key).value_or(FindSkinKeyRule(section, key)->def);
}

TSkinColor TSkinDescriptionReader::Rgb(const std::string& section, const std::string& key, TSkinColor def) {
    const std::string text = ini_.ReadString(section, key, "");
    const bool digitsOnly = std::all_of(
        text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || c == ' ' || c == ','; });
    if (!text.empty() && !digitsOnly) {
        Warn("[" + section + "] " + key + "=" + text + ": not an RGB text");
    }
    return ParseRGB(text, def);
}

TBitmap32 TSkinDescriptionReader::LoadSkinBitmap(const std::string& reference, const std::string& where) {
    if (reference.empty()) {
        return {};
    }
    const std::string member = SkinBitmapMemberName(reference);
    if (member.empty()) {
        Warn(where + "=" + reference + ": not a .bmp name");
        return {};
    }
    const int index = package_.IndexOf(member);
    if (index < 0 || package_.Entry(index).empty()) {
        Warn(where + "=" + reference + ": no such bitmap in the package");
        return {};
    }
    auto it = decoded_.find(index);
    if (it == decoded_.end()) {
        it = decoded_.emplace(index, DecodeMember(index)).first;
    }
    if (!it->second.failure.empty()) {
        Warn(where + "=" + reference + ": " + it->second.failure);
    }
    return it->second.bitmap;
}

TSkinDescriptionReader::Decoded TSkinDescriptionReader::DecodeMember(int index) {
    TSkinLoadStats& stats = d_.loadStats_;
    const auto bytes = package_.Entry(index);
    const std::int64_t left = MaxSkinPixels - stats.PixelsDecoded;
    Decoded result{DecodeBitmapFile(bytes, left), ""};
    if (result.bitmap.Empty()) {
        result.failure =
            BitmapFilePixels(bytes) > left ? "more pixels than a skin may hold" : "not a readable bitmap";
        return result;
    }
    ++stats.BitmapsDecoded;
    stats.PixelsDecoded += static_cast<std::int64_t>(result.bitmap.Width()) * result.bitmap.Height();
    return result;
}

TBitmap32 TSkinDescriptionReader::Bitmap(const std::string& section, const std::string& key) {
    return LoadSkinBitmap(ini_.ReadString(section, key, ""), "[" + section + "] " + key);
}

void TSkinDescriptionReader::ReadFrameBorder(TDataSkinBorder& border, const std::string& n) {
    border = TDataSkinBorder(n);
    const bool vertical = n == "Left" || n == "Right";
    const std::int32_t head = Int(Personality, n + "TopHeight");
    const std::int32_t tail = Int(Personality, n + "BotHeight");
    // The fixed ends of a horizontal border lie at its left and right.
    (vertical ? border.TopHeight : border.LeftWidth) = head;
    (vertical ? border.BottomHeight : border.RightWidth) = tail;
    border.FrameCount = Int(Personality, n + "Frame");
    border.Tile = Int(Personality, n + "Stretch") != 1 ? 1 : 0; // Stretch 1 stretches the middle
    border.Trans = Int(Personality, n + "Trans");
    border.Image = Bitmap(Personality, n);
}

void TSkinDescriptionReader::ReadColours() {
    const std::string s = "Colours";
    TSkinColours& c = m_.Colours;
    c.WindowText = Rgb(s, "WindowText", SystemColour(8));
    c.ButtonFace = Rgb(s, "ButtonFace", SystemColour(15));
    c.Scrollbar = Rgb(s, "Scrollbar", SystemColour(0));
    c.HilightText = Rgb(s, "HilightText", SystemColour(14));
    c.Hilight = Rgb(s, "Hilight", SystemColour(13));
    c.Menubar = Rgb(s, "Menubar", c.ButtonFace);
    c.Menu = Rgb(s, "Menu", SystemColour(4));
    c.MenuText = Rgb(s, "MenuText", SystemColour(7));
    c.ButtonText = Rgb(s, "ButtonText", SystemColour(18));
    c.ButtonHilight = Rgb(s, "ButtonHilight", SystemColour(20));
    c.Buttonlight = Rgb(s, "Buttonlight", SystemColour(20));
    c.ButtonShadow = Rgb(s, "ButtonShadow", SystemColour(16));
    c.ButtonDkShadow = Rgb(s, "ButtonDkShadow", SystemColour(16));
    c.MenuBarText = Rgb(s, "MenuBarText", SystemColour(7));
    c.TitleTextActive = Rgb(s, "TitleTextActive", SystemColour(9));
    c.TitleTextNoActive = Rgb(s, "TitleTextNoActive", SystemColour(19));
}

void TSkinDescriptionReader::ReadCaptionButtons() {
    m_.SysButtons.clear();
    std::vector<std::string> kept;
    for (const std::string& section : ini_.Sections()) {
        const std::string upper = IniUpper(section);
        if (upper.rfind("BUTTON", 0) == 0 && upper != "BUTTONS" && upper != "BUTTON.RADIO" &&
            upper != "BUTTON.CHECKBOX") {
            if (kept.size() == MaxCaptionButtons) {
                Warn("[" + section + "]: more than " + std::to_string(MaxCaptionButtons) +
                     " caption buttons, the rest are left out");
                break;
            }
            kept.push_back(section);
        }
    }
    std::size_t made = 0;
    for (const std::string& section : kept) {
        auto b = std::make_unique<TDataSkinSysButton>(IniUpper(section));
        b->Action = Int(section, "Action");
        b->Align = Int(section, "Align");
        b->Xcoord = Int(section, "Xcoord");
        b->Ycoord = Int(section, "Ycoord");
        const auto visibility = Bounded(section, "Visibility");
        const auto visibility1 = Bounded(section, "Visibility1");
        if (!visibility || !visibility1) {
            continue; // a button that would never show
        }
        b->Visibility = *visibility;
        b->Visibility1 = *visibility1;
        b->CombineOp = Int(section, "CombineOp");
        b->FrameCount = Int(section, "frame");
        b->Image = Bitmap(section, "ButtonImage");
        if (b->FrameCount == 0) {
            b->FrameCount = 6;
            if (!b->Image.Empty()) {
                const double ratio = static_cast<double>(b->Image.Width()) / b->Image.Height();
                b->FrameCount = ratio <= 3.8 ? 3 : 6;
                if (b->Action < 0) {
                    b->FrameCount = 6;
                }
            }
            // The form frame draws the window icon for these.
            if (b->Action == 3 || b->Action == 11) {
                b->Image.Clear();
            }
        }
        m_.SysButtons.push_back(std::move(b));
        ++made;
    }
    ReadMdiButtons(made);
}

void TSkinDescriptionReader::ReadMdiButtons(std::size_t first) {
    for (int k = 0; k < 3; ++k) {
        auto b = std::make_unique<TDataSkinSysButton>("MDI" + std::to_string(k));
        b->Action = 7 + k;
        b->Align = b->Visibility = b->Visibility1 = 100;
        b->FrameCount = 4;
        b->CombineOp = 0;
        m_.SysButtons.push_back(std::move(b));
    }
    TBitmap32 strip = Bitmap("MDICONTROLS", "Image");
    // Twelve cells: four frames for each of the three buttons.
    Warn(BoundFrameStrip(strip, 12, false, "[MDICONTROLS] Image"));
    if (strip.Empty()) {
        return;
    }
    const int c = strip.Width() / 12;
    for (int k = 0; k < 3; ++k) {
        TDataSkinSysButton& b = *m_.SysButtons[first + static_cast<std::size_t>(k)];
        b.Image = strip.Copy(4 * c * k, 0, 4 * c, strip.Height());
        b.Xcoord = (c + 4) * (3 - k);
    }
}

void TSkinDescriptionReader::ReadSliceMargins(TDataSkinObject& e, const std::string& section) {
    e.LeftWidth = Int(section, "LeftWidth");
    e.RightWidth = Int(section, "RightWidth");
    e.TopHeight = Int(section, "TopHeight");
    e.BottomHeight = Int(section, "BottomHeight");
    e.Trans = Int(section, "Trans");
}

// The three integer colours, then the three RGB-text colours (absent: the skin's ButtonText).
void TSkinDescriptionReader::ReadColourKeys(TDataSkinObject& e, const std::string& section) {
    e.NormalColour = Int(section, "NormalColour");
    e.MouseOverColour = Int(section, "MouseOverColour");
    e.PressedColour = Int(section, "PressedColour");
    const TSkinColor text = m_.Colours.ButtonText;
    e.NormalColour2 = Rgb(section, "NormalColour2", text);
    e.MouseOverColour2 = Rgb(section, "MouseOverColour2", text);
    e.PressedColour2 = Rgb(section, "PressedColour2", text);
}

void TSkinDescriptionReader::ReadButtons() {
    const std::string s = "Buttons";
    TDataSkinButton& b = *m_.Buttons;
    b = TDataSkinButton(s);
    ReadSliceMargins(b, s);
    b.Image = ini_.ReadString(s, "Bitmap", "").empty() ? TBitmap32() : Bitmap(s, "Bitmap");
    b.Tile = Int(s, "Tile");
    b.CheckImage = Bitmap(s, "CheckButton");
    b.RadioImage = Bitmap(s, "RadioButton");
    b.NormalColour = Int(s, "NormalColour");
    b.MouseOverColour = Int(s, "MouseOverColour");
    b.PressedColour = Int(s, "PressedColour");
    b.RadioFrameCount = Int(s, "RadioButtonFrame");
    b.CheckFrameCount = Int(s, "CheckButtonFrame");
    const TSkinColor text = m_.Colours.ButtonText;
    b.NormalColour2 = Rgb(s, "NormalColour2", text);
    b.MouseOverColour2 = Rgb(s, "MouseOverColour2", text);
    b.PressedColour2 = Rgb(s, "PressedColour2", text);
}

TSkinColor TSkinDescriptionReader::ReadRGBKeys(const std::string& name, TSkinColor current) {
    const std::int32_t r = Int(Personality, name + "R");
    const std::int32_t g = Int(Personality, name + "G");
    const std::int32_t b = Int(Personality, name + "B");
    if (r < 0 || g < 0 || b < 0) {
        return current;
    }
    return static_cast<TSkinColor>((r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16);
}

void TSkinDescriptionReader::ReadTitle() {
    TDataSkinTitle& t = *m_.Title;
    t = TDataSkinTitle("Title");
    t.Image =
        ini_.ReadString(Personality, "TextBack", "").empty() ? TBitmap32() : Bitmap(Personality, "TextBack");
    t.LeftWidth = Int(Personality, "TextShift");
    t.TopHeight = Int(Personality, "TextShiftVert");
    t.RightWidth = Int(Personality, "TextRightClip");
    t.BottomHeight = 0;
    t.TextAlignment = Int(Personality, "TextAlignment");
    t.Textbackground = Int(Personality, "Textbackground");
    t.FontHeight = Int("Fonts", "FontHeight");
    t.TXTBackleft = Int(Personality, "TXTBackleft");
    t.TXTBackRight = Int(Personality, "TXTBackRight");
    t.ActiveText = ReadRGBKeys("ActiveText", TDataSkinTitle::NotGiven);
    t.InActiveText = ReadRGBKeys("InActiveText", TDataSkinTitle::NotGiven);
}

std::unique_ptr<TDataSkinBorder> TSkinDescriptionReader::ReadProgress() {
    const std::string s = "Progress";
    if (ini_.ReadString(s, "Bitmap", "").empty()) {
        return nullptr;
    }
    auto e = std::make_unique<TDataSkinBorder>(s);
    e->Image = Bitmap(s, "Bitmap");
    if (!ini_.ReadString(s, "Chunk", "").empty()) {
        e->Image2 = Bitmap(s, "Chunk");
    }
    e->Style = Int(s, "Style");
    ReadSliceMargins(*e, s);
    e->Tile = Int(s, "Tile");
    return e;
}

std::unique_ptr<TDataSkinObject> TSkinDescriptionReader::ReadMenuBar() {
    if (ini_.ReadString(Personality, "menuBar", "").empty()) {
        return nullptr;
    }
    auto e = std::make_unique<TDataSkinObject>(Personality);
    e->Image = Bitmap(Personality, "menuBar");
    e->TopHeight = 0;
    e->BottomHeight = 0;
    e->Tile = Int(Personality, "TileMenu") != 1 ? 1 : 0; // TileMenu 1 stretches the middle
    e->LeftWidth = Int(Personality, "TileLeftMenu");
    e->RightWidth = Int(Personality, "TileRightMenu");
    return e;
}

std::unique_ptr<TDataSkinObject> TSkinDescriptionReader::ReadGeneral(const std::string& section) {
    if (ini_.ReadString(section, "Image", "").empty()) {
        return nullptr;
    }
    auto e = std::make_unique<TDataSkinObject>(section);
    e->Image = Bitmap(section, "Image");
    e->Style = Int(section, "Style");
    ReadSliceMargins(*e, section);
    e->Tile = Int(section, "Tile");
    ReadColourKeys(*e, section);
    if (e->Tile > 1) {
        e->Tile = 0;
    }
    return e;
}

std::unique_ptr<TDataSkinBorder> TSkinDescriptionReader::ReadSecondImage(const std::string& section,
                                                                         const std::string& key) {
    if (ini_.ReadString(section, "Image", "").empty()) {
        return nullptr;
    }
    auto e = std::make_unique<TDataSkinBorder>(section);
    e->Image = Bitmap(section, "Image");
    if (!ini_.ReadString(section, key, "").empty()) {
        e->Image2 = Bitmap(section, key);
    }
    ReadSliceMargins(*e, section);
    e->Tile = Int(section, "Tile");
    ReadColourKeys(*e, section);
    if (e->Tile > 1) {
        e->Tile = 0;
    }
    return e;
}

void TSkinDescriptionReader::ReadElements() {
    m_.GroupBoxEdge = ReadGeneral("GroupBoxEdge");
    m_.Toolbars = ReadGeneral("Toolbars");
    m_.Tabs = ReadSecondImage("Tabs", "Border");
    m_.StatusBarEdges = ReadGeneral("StatusBarEdges");
    // A key skins do not carry: the second image comes from mirroring the first.
    m_.ComboButton = ReadSecondImage("ComboButton", "****");
    if (m_.ComboButton && !m_.ComboButton->Image.Empty()) {
        m_.ComboButton->Image2 = MirrorBitmap(m_.ComboButton->Image);
    }
    m_.SunkEdge = ReadGeneral("SunkEdge");
    m_.ExtraImages = ReadGeneral("ExtraImages");
    m_.Headerbar = ReadGeneral("Headerbar");
    m_.MenuItem = ReadGeneral("MenuItem");
    m_.MenuBackground = ReadGeneral("MenuBackground");
    m_.Scrollbar = ReadGeneral("Scrollbar");
    m_.HorzScroll = ReadGeneral("HorzScroll");
    m_.VertScroll = ReadGeneral("VertScroll");
    m_.HorzScrollThumb = ReadGeneral("HorzScrollThumb");
    m_.VertScrollThumb = ReadGeneral("VertScrollThumb");
    m_.TrackbarThumbHorz = ReadGeneral("Trackbar.ThumbHorz");
    m_.TrackbarThumbVert = ReadGeneral("Trackbar.ThumbVert");
    m_.TrackbarThumbLeft = ReadGeneral("Trackbar.ThumbLeft");
    m_.TrackbarThumbRight = ReadGeneral("Trackbar.ThumbRight");
    m_.TrackbarThumbUp = ReadGeneral("Trackbar.ThumbUp");
    m_.TrackbarThumbDown = ReadGeneral("Trackbar.ThumbDown");
    m_.UpDownHorz = ReadSecondImage("UpDown.Horz", "GlyphImage");
    m_.UpDownVert = ReadSecondImage("UpDown.Vert", "GlyphImage");
}

namespace {
// Frames of a check-box or radio-button strip when the skin does not say: square cells of 13
// pixels in a strip lower than 16, else of 16, and at least 4 of them.
std::int32_t CellFrames(const TBitmap32& strip) {
    const int cell = strip.Height() < 16 ? 13 : 16;
    return std::clamp(strip.Width() / cell, 4, MaxFrameCount);
}
void SetCount(TDataSkinObject* e, std::int32_t count) {
    if (e != nullptr) {
        e->FrameCount = count;
    }
}
} // namespace

void TSkinDescriptionReader::SetFrameCounts() {
    SetCount(m_.Buttons.get(), 5);
    SetCount(m_.Title.get(), 2);
    SetCount(m_.Progress.get(), 2);
    SetCount(m_.MenuBar.get(), 2);
    SetCount(m_.GroupBoxEdge.get(), 2);
    SetCount(m_.Toolbars.get(), 5);
    SetCount(m_.Tabs.get(), 5);
    SetCount(m_.StatusBarEdges.get(), 3);
    SetCount(m_.ComboButton.get(), 4);
    SetCount(m_.SunkEdge.get(), 4);
    SetCount(m_.ExtraImages.get(), 5);
    SetCount(m_.Headerbar.get(), 5);
    SetCount(m_.MenuItem.get(), 5);
    SetCount(m_.MenuBackground.get(), 1);
    SetCount(m_.Scrollbar.get(), 23);
    SetCount(m_.HorzScroll.get(), 4);
    SetCount(m_.VertScroll.get(), 4);
    SetCount(m_.UpDownVert.get(), 8);
    SetCount(m_.UpDownHorz.get(), 8);
    for (auto* thumb : {m_.TrackbarThumbHorz.get(), m_.TrackbarThumbVert.get(), m_.TrackbarThumbLeft.get(),
                        m_.TrackbarThumbRight.get(), m_.TrackbarThumbUp.get(), m_.TrackbarThumbDown.get()}) {
        SetCount(thumb, 5);
    }
    SetCount(m_.HorzScrollThumb.get(), Int("HorzScrollThumb", "FrameCount"));
    SetCount(m_.VertScrollThumb.get(), Int("VertScrollThumb", "FrameCount"));
    TDataSkinButton& b = *m_.Buttons;
    if (b.RadioFrameCount == 0) {
        b.RadioFrameCount = CellFrames(b.RadioImage);
    }
    if (b.CheckFrameCount == 0) {
        b.CheckFrameCount = CellFrames(b.CheckImage);
    }
}

// A picture whose frames are larger than the engine draws is left empty, as an unreadable one.
void TSkinDescriptionReader::BoundPictures() {
    auto bound = [this](TBitmap32& picture, int frames, bool stacked, const std::string& where) {
        Warn(BoundFrameStrip(picture, frames, stacked, where));
    };
    const std::string p = "[" + Personality + "] ";
    for (TDataSkinBorder* border : {m_.FrameLeft.get(), m_.FrameRight.get()}) {
        bound(border->Image, border->FrameCount, false, p + border->Name);
    }
    for (TDataSkinBorder* border : {m_.FrameTop.get(), m_.FrameBottom.get()}) {
        bound(border->Image, border->FrameCount, true, p + border->Name);
    }
    bound(m_.Title->Image, m_.Title->FrameCount, false, p + "TextBack");
    if (m_.MenuBar) {
        bound(m_.MenuBar->Image, m_.MenuBar->FrameCount, true, p + "menuBar");
    }
    TDataSkinButton& b = *m_.Buttons;
    bound(b.Image, b.FrameCount, false, "[Buttons] Bitmap");
    bound(b.CheckImage, b.CheckFrameCount, false, "[Buttons] CheckButton");
    bound(b.RadioImage, b.RadioFrameCount, false, "[Buttons] RadioButton");
    for (const auto& sb : m_.SysButtons) {
        bound(sb->Image, sb->FrameCount, false, "[" + sb->Name + "] ButtonImage");
    }
    if (m_.Progress) {
        bound(m_.Progress->Image, m_.Progress->FrameCount, false, "[Progress] Bitmap");
        bound(m_.Progress->Image2, 1, false, "[Progress] Chunk");
    }
    for (TDataSkinObject* e : m_.GeneralElements()) {
        if (e != nullptr) {
            bound(e->Image, e->FrameCount, false, "[" + e->Name + "] Image");
        }
    }
    if (m_.Tabs) {
        bound(m_.Tabs->Image2, 1, false, "[Tabs] Border");
    }
    if (m_.ComboButton) {
        bound(m_.ComboButton->Image2, m_.ComboButton->FrameCount, false, "[ComboButton] Image");
    }
    for (TDataSkinBorder* upDown : {m_.UpDownHorz.get(), m_.UpDownVert.get()}) {
        if (upDown != nullptr) {
            bound(upDown->Image2, upDown->FrameCount, false, "[" + upDown->Name + "] GlyphImage");
        }
    }
}

void TSkinDescriptionReader::Run() {
    m_.SkinName = ini_.ReadString("TitlebarSkin", "SkinName", "");
    ReadFrameBorder(*m_.FrameLeft, "Left");
    ReadFrameBorder(*m_.FrameRight, "Right");
    ReadFrameBorder(*m_.FrameTop, "Top");
    ReadFrameBorder(*m_.FrameBottom, "Bottom");
    ReadColours();
    ReadCaptionButtons();
    ReadButtons();
    ReadTitle();
    m_.Progress = ReadProgress();
    m_.MenuBar = ReadMenuBar();
    ReadElements();
    SetFrameCounts();
    BoundPictures();
    RecreateButtonFaceBrush(d_.platform_.get(), m_.Colours.ButtonFace);
    d_.skinLoaded_ = true;
}

} // namespace quellar
