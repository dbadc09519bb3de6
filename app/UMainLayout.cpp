#include "app/UMainLayout.h"

#include "app/UMain.h"

#include <bit>
#include <cstdint>

namespace quellar {

namespace {
using V = TPropValue;
TLayoutProperty P(const char* name, V value) {
    return TLayoutProperty{name, std::move(value)};
}
V I(std::int64_t v) {
    return V::Int(v);
}
V S(const char* v) {
    return V::Str(v);
}
V B(bool v) {
    return V::Bool(v);
}
V Id(const char* v) {
    return V::Ident(v);
}
V L(std::vector<std::string> v) {
    return V::Strings(std::move(v));
}
V N(std::vector<std::int64_t> v) {
    return V::Ints(std::move(v));
}

constexpr std::int64_t kNavy = 0x800000;
constexpr std::int64_t kThaiCharset = 222;

// Bold Tahoma of a given character height, as the middle area's labels and titles use.
std::vector<TLayoutProperty> Bold(std::int64_t pixels, std::vector<TLayoutProperty> more = {}) {
    std::vector<TLayoutProperty> props{P("Font.Name", S("Tahoma")), P("Font.Height", I(pixels)),
                                       P("Font.Style", L({"fsBold"}))};
    props.insert(props.end(), more.begin(), more.end());
    return props;
}

std::vector<TLayoutProperty> Place(int left, int top, int width, int height,
                                   std::vector<TLayoutProperty> more = {}) {
    std::vector<TLayoutProperty> props{P("Left", I(left)), P("Top", I(top)), P("Width", I(width)),
                                       P("Height", I(height))};
    props.insert(props.end(), more.begin(), more.end());
    return props;
}

std::vector<TLayoutProperty> LabelAt(int left, int top, const char* caption, std::int64_t boldPixels) {
    return Bold(boldPixels, {P("Left", I(left)), P("Top", I(top)), P("Caption", S(caption))});
}

TLayoutObject CommandButton(const char* name, int left, int top, const char* caption, const char* hint,
                            const char* glyph, const char* handler) {
    return {"TSpeedButton",
            name,
            "",
            Place(left, top, 69, 46,
                  {P("Hint", S(hint)), P("Caption", S(caption)), P("Font.Name", S("Tahoma")),
                   P("Font.Height", I(12)), P("Font.Style", L({"fsBold"})), P("Glyph.Resource", S(glyph)),
                   P("NumGlyphs", I(2)), P("Layout", Id("blGlyphTop")), P("ShowHint", B(true)),
                   P("OnClick", V::Event(handler))}),
            {}};
}

// The tone generator's table of eight extra oscillators: highest index 7, then per entry the
// amplitude (0: silent), the waveform (sine) and the frequency multiple (as float bits).
std::vector<std::uint8_t> SilentAMTable() {
    std::vector<std::uint8_t> bytes;
    auto put = [&](std::int32_t v) {
        for (int i = 0; i < 4; ++i) {
            bytes.push_back(static_cast<std::uint8_t>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF));
        }
    };
    put(7);
    for (int i = 0; i < 8; ++i) {
        put(0);
        put(0);
        put(std::bit_cast<std::int32_t>(1.0f));
    }
    return bytes;
}

// The window itself, the banner with its help button, the main panel and the status picture.
void AddWindowAndBanner(std::vector<TLayoutObject>& l) {
    l.push_back({"TfrmMain",
                 "frmMain",
                 "",
                 {P("Caption", S(kMainCaption)), P("ClientWidth", I(449)), P("ClientHeight", I(347)),
                  P("BorderStyle", Id("bsSingle")), P("BorderIcons", L({"biSystemMenu", "biMinimize"})),
                  P("Position", Id("poDesktopCenter")), P("Font.Name", S("Tahoma")), P("Font.Height", I(12)),
                  P("Font.Color", I(kNavy)), P("Font.Charset", I(kThaiCharset)),
                  P("OnCreate", V::Event("FormCreate"))},
                 {}});
    l.push_back({"TPanel",
                 "Panel3",
                 "",
                 Place(0, 0, 449, 42,
                       {P("Align", Id("alTop")), P("BorderStyle", Id("bsSingle")),
                        P("Caption", S(" * KOR Quellar 3.3*")), P("Font.Name", S("Comic Sans MS")),
                        P("Font.Height", I(21)), P("Font.Style", L({"fsBold"})), P("Font.Color", I(kNavy))}),
                 {}});
    l.push_back({"TSpeedButton",
                 "SpeedButton1",
                 "Panel3",
                 Place(412, 6, 26, 25,
                       {P("Hint", S("Help")), P("ShowHint", B(true)), P("Flat", B(true)),
                        P("Glyph.Resource", S("GLYPH_HELP")), P("NumGlyphs", I(2))}),
                 {}});
    l.push_back({"TPanel",
                 "Panel1",
                 "",
                 Place(0, 0, 446, 272, {P("BevelInner", Id("bvRaised")), P("BevelOuter", Id("bvLowered"))}),
                 {}});
    l.push_back({"TPanel", "Panel2", "Panel1", Place(7, 46, 118, 126), {}});
    l.push_back({"TImage",
                 "Image1",
                 "Panel2",
                 Place(1, 1, 116, 124, {P("Align", Id("alClient")), P("Stretch", B(true))}),
                 {}});
}

// The pest choice and the output devices (upper right).
void AddPestAndDevices(std::vector<TLayoutObject>& l) {
    l.push_back({"TGroupBox",
                 "GroupBox1",
                 "Panel1",
                 Place(153, 45, 278, 67, Bold(13, {P("Caption", S("Pest Choices"))})),
                 {}});
    l.push_back({"TLabel", "Label1", "GroupBox1", LabelAt(11, 28, "Pest", 15), {}});
    l.push_back(
        {"TComboBoxEx",
         "cmbPest",
         "GroupBox1",
         Place(50, 18, 133, 40,
               {P("ItemsEx", V{V::Kind::Strings, 0, 0, false, "", {"Larva...", "Mosquitoes"}, {0, 1}}),
                P("DropDownCount", I(8)), P("Images", V::Ref("imgpest"))}),
         {}});
    l.push_back({"TLabel", "Label11", "GroupBox1", LabelAt(198, 13, "Media", 13), {}});
    l.push_back({"TComboBox",
                 "ComboBox3",
                 "GroupBox1",
                 Place(197, 30, 68, 21, {P("Items.Strings", L({"Air", "Water"})), P("ItemIndex", I(0))}),
                 {}});
    l.push_back({"TGroupBox",
                 "GroupBox2",
                 "Panel1",
                 Place(153, 111, 278, 58, Bold(13, {P("Caption", S("Output Device"))})),
                 {}});
    l.push_back({"TImage",
                 "Image2",
                 "GroupBox2",
                 Place(9, 19, 32, 32, {P("Picture.Resource", S("DEVICE_PC")), P("Transparent", B(true))}),
                 {}});
    l.push_back({"TImage",
                 "Image3",
                 "GroupBox2",
                 Place(118, 13, 32, 32, {P("Picture.Resource", S("DEVICE_CARD")), P("Transparent", B(true))}),
                 {}});
    l.push_back(
        {"TCheckBox", "CheckBox1", "GroupBox2", Place(44, 24, 66, 17, {P("Caption", S("PC SPK"))}), {}});
    l.push_back(
        {"TCheckBox",
         "CheckBox2",
         "GroupBox2",
         Place(152, 24, 110, 17, {P("Caption", S("Sound device")), P("OnClick", V::Event("CheckBox2Click"))}),
         {}});
}

// Sample rate, volume, sweep parameters, waveform, duration and frequency.
void AddSoundParameters(std::vector<TLayoutObject>& l) {
    l.push_back({"TLabel", "Label2", "Panel1", LabelAt(10, 175, "Sample Rate", 13), {}});
    l.push_back(
        {"TComboBox",
         "ComboBox1",
         "Panel1",
         Place(10, 190, 116, 21,
               {P("Items.Strings", L({"8,000", "11,025", "22,050", "44,100"})), P("ItemIndex", I(0))}),
         {}});
    l.push_back({"TLabel", "Label3", "Panel1", LabelAt(10, 217, "Master Volume", 13), {}});
    l.push_back({"TTrackBar",
                 "TrackBar1",
                 "Panel1",
                 Place(0, 230, 126, 22,
                       {P("Min", I(0)), P("Max", I(100)), P("Position", I(0)), P("ThumbLength", I(15))}),
                 {}});
    l.push_back({"TGroupBox",
                 "GroupBox3",
                 "Panel1",
                 Place(139, 169, 292, 49, Bold(12, {P("Caption", S("Parameter"))})),
                 {}});
    l.push_back({"TLabel", "Label4", "GroupBox3", LabelAt(10, 20, "Time Change", 13), {}});
    l.push_back({"TEdit", "edtTC", "GroupBox3", Place(92, 17, 54, 22, {P("Text", S("0"))}), {}});
    l.push_back({"TLabel", "Label5", "GroupBox3", LabelAt(152, 21, "Val Change", 13), {}});
    l.push_back({"TEdit", "edtVC", "GroupBox3", Place(225, 18, 54, 22, {P("Text", S("0"))}), {}});
    l.push_back({"TLabel", "Label7", "Panel1", LabelAt(139, 224, "Wave", 13), {}});
    l.push_back({"TComboBox",
                 "ComboBox2",
                 "Panel1",
                 Place(180, 221, 71, 21,
                       {P("Items.Strings", L({"Sine", "Square", "Triangle", "Sawtooth", "Noise"}))}),
                 {}});
    l.push_back({"TLabel", "Label8", "Panel1", LabelAt(258, 224, "Duration", 13), {}});
    l.push_back({"TEdit", "edtDU", "Panel1", Place(318, 222, 45, 22, {P("Text", S("0"))}), {}});
    l.push_back({"TCheckBox", "CheckBox3", "Panel1", Place(369, 226, 67, 12, {P("Caption", S("Auto"))}), {}});
    l.push_back({"TLabel", "Label6", "Panel1", LabelAt(129, 245, "Freq", 13), {}});
    l.push_back(
        {"TTrackBar",
         "TrackBar2",
         "Panel1",
         Place(155, 245, 276, 24,
               {P("Min", I(15000)), P("Max", I(20000)), P("Position", I(15000)), P("ThumbLength", I(13))}),
         {}});
}

// The five command buttons and the status bar.
void AddCommandsAndStatus(std::vector<TLayoutObject>& l) {
    l.push_back(CommandButton("btnSetup", 11, 278, "&Save Para", "Save Configulation", "GLYPH_SAVE",
                              "btnSetupClick"));
    l.push_back(
        CommandButton("btnTest", 90, 279, "&TEST", "Test Output device", "GLYPH_TEST", "btnTestClick"));
    l.push_back(CommandButton("btnStop", 170, 279, "ST&OP", "Stop Quellar...", "GLYPH_STOP", "btnStopClick"));
    l.push_back(
        CommandButton("btnStart", 250, 279, "STA&RT", "Start Quellar...", "GLYPH_START", "btnStartClick"));
    l.push_back(CommandButton("btnExit", 374, 278, "E&xit", "Exit Quellar", "GLYPH_EXIT", "btnExitClick"));
    l.push_back({"TStatusBar",
                 "StatusBar1",
                 "",
                 Place(0, 328, 449, 19,
                       {P("Align", Id("alBottom")), P("Panels.Width", N({70, 70, 50})),
                        P("Panels.Text", L({"", "", kStatusNotice}))}),
                 {}});
}

// The notification icon's menu and the image lists.
void AddMenuAndLists(std::vector<TLayoutObject>& l) {
    l.push_back({"TImageList",
                 "ImageList1",
                 "",
                 {P("Width", I(16)), P("Height", I(16)), P("Bitmap.Resource", S("MENU_IMAGES"))},
                 {}});
    l.push_back({"TPopupMenu", "PopupMenu1", "", {P("Images", V::Ref("ImageList1"))}, {}});
    auto item = [](const char* name, const char* caption, int image, const char* handler) {
        std::vector<TLayoutProperty> props{P("Caption", S(caption))};
        if (image >= 0) {
            props.push_back(P("ImageIndex", I(image)));
        }
        if (handler != nullptr) {
            props.push_back(P("OnClick", V::Event(handler)));
        }
        return TLayoutObject{"TMenuItem", name, "PopupMenu1", props, {}};
    };
    l.push_back(item("START1", "START", 0, "START1Click"));
    l.push_back(item("STOP1", "STOP", 1, "STOP1Click"));
    l.push_back(item("ShowForm1", "SHOW FORM", 2, "ShowForm1Click"));
    l.push_back(item("N1", "-", -1, nullptr));
    l.push_back(item("Exit1", "E&xit", 3, "Exit1Click"));
    l.push_back({"TImageList",
                 "imgrada",
                 "",
                 {P("Width", I(16)), P("Height", I(16)), P("Bitmap.Resource", S("RADAR_FRAMES"))},
                 {}});
    l.push_back({"TImageList",
                 "imgpest",
                 "",
                 {P("Width", I(32)), P("Height", I(32)), P("Bitmap.Resource", S("PEST_IMAGES"))},
                 {}});
    l.push_back({"TImageList",
                 "imgDev",
                 "",
                 {P("Width", I(32)), P("Height", I(32)), P("Bitmap.Resource", S("DEVICE_IMAGES"))},
                 {}});
}

// Timers, the notification-area icon, the tone generator and the skin.
void AddComponents(std::vector<TLayoutObject>& l) {
    l.push_back({"TTimer",
                 "Timer1",
                 "",
                 {P("Interval", I(1000)), P("Enabled", B(true)), P("OnTimer", V::Event("Timer1Timer"))},
                 {}});
    l.push_back({"TTimer",
                 "Timer2",
                 "",
                 {P("Enabled", B(false)), P("Interval", I(1000)), P("OnTimer", V::Event("Timer2Timer"))},
                 {}});
    l.push_back({"TTimer",
                 "Timer3",
                 "",
                 {P("Enabled", B(false)), P("Interval", I(1000)), P("OnTimer", V::Event("Timer3Timer"))},
                 {}});
    l.push_back(
        {"TCoolTrayIcon",
         "TrayIcon1",
         "",
         {P("CycleInterval", I(400)), P("Hint", S("TrayIcon Test")), P("ShowHint", B(true)),
          P("Icon.Resource", S("MAINICON")), P("IconIndex", I(0)), P("PopupMenu", V::Ref("PopupMenu1")),
          P("MinimizeToTray", B(true)), P("OnClick", V::Event("TrayIcon1Click"))},
         {}});
    l.push_back({"TToneGen",
                 "ToneGen1",
                 "",
                 {P("Loop", B(true)), P("Stereo", B(true)), P("AMAmplitude", I(0)),
                  P("AMWaveform", Id("tgSine")), P("AMFrequency", V::Float(0.5))},
                 {TLayoutBinary{"AMArrayData", StoredBinary(SilentAMTable())}}});
    l.push_back({"TSkinData",
                 "SkinData1",
                 "",
                 {P("Active", B(false))},
                 {TLayoutBinary{"SkinStream", StoredBinary({0, 0, 0, 0})}}});
}

std::vector<TLayoutObject> BuildLayout() {
    std::vector<TLayoutObject> l;
    AddWindowAndBanner(l);
    AddPestAndDevices(l);
    AddSoundParameters(l);
    AddCommandsAndStatus(l);
    AddMenuAndLists(l);
    AddComponents(l);
    return l;
}
} // namespace

const std::vector<TLayoutObject>& MainFormLayout() {
    static const std::vector<TLayoutObject> layout = BuildLayout();
    return layout;
}

} // namespace quellar
