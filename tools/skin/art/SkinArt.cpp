#include "SkinArt.h"

#include "skin/model/BitmapFile.h"

#include <sstream>

namespace quellar::art {

namespace {

std::string RgbText(std::uint32_t c) {
    return std::to_string((c >> 16) & 0xFF) + " " + std::to_string((c >> 8) & 0xFF) + " " +
           std::to_string(c & 0xFF);
}

class SkinBuilder {
public:
    explicit SkinBuilder(const TSkinStyle& s) : s_(s) {}

    // Adds a bitmap member and returns the name the description uses for it.
    std::string Add(const std::string& name, const TBitmap32& bitmap) {
        entries_.push_back({name, EncodeBitmapFile(bitmap)});
        return name;
    }

    std::vector<TSkinPackageEntry> Build();

private:
    void Frame();
    void CaptionButtons();
    void Controls();
    void Colours();
    void Element(const std::string& section, const std::string& image, int margin, int trans,
                 const std::string& extra = "");

    const TSkinStyle& s_;
    std::ostringstream ini_;
    std::vector<TSkinPackageEntry> entries_;
};

void SkinBuilder::Frame() {
    const TSkinStyle& s = s_;
    ini_ << "[TitlebarSkin]\nSkinName=" << s.name << "\n\n[Personality]\n";
    const TFrameImages frame = DrawWindowFrame(s);
    // Stretch 0 tiles the top's middle, so its stripes, dots and grain keep their spacing.
    ini_ << "Top=" << Add("top.bmp", frame.top) << "\nTopTopHeight=" << TopEnds
         << "\nTopBotHeight=" << TopEnds << "\nTopFrame=2\nTopStretch=0\nTopTrans=1\n";
    // The sides keep their corner parts: the title bar's rows above, the bottom border's below.
    ini_ << "Left=" << Add("left.bmp", frame.left) << "\nLeftTopHeight=" << s.title
         << "\nLeftBotHeight=" << s.border << "\nLeftFrame=2\nLeftStretch=1\nLeftTrans=1\n";
    ini_ << "Right=" << Add("right.bmp", frame.right) << "\nRightTopHeight=" << s.title
         << "\nRightBotHeight=" << s.border << "\nRightFrame=2\nRightStretch=1\nRightTrans=1\n";
    ini_ << "Bottom=" << Add("bottom.bmp", frame.bottom) << "\nBottomTopHeight=" << BottomEnds
         << "\nBottomBotHeight=" << BottomEnds << "\nBottomFrame=2\nBottomStretch=1\nBottomTrans=1\n";
    ini_ << "TextBack=" << Add("textback.bmp", DrawTextBack(s))
         << "\nTextShift=22\nTextShiftVert=0\nTextRightClip=8\nTextAlignment=0\nTextbackground=1\n"
         << "TXTBackleft=10\nTXTBackRight=10\n";
    ini_ << "ActiveTextR=" << ((s.titleText >> 16) & 0xFF) << "\nActiveTextG=" << ((s.titleText >> 8) & 0xFF)
         << "\nActiveTextB=" << (s.titleText & 0xFF) << "\n";
    const std::uint32_t inactive = Mix(s.titleText, s.frame, 1, 2);
    ini_ << "InActiveTextR=" << ((inactive >> 16) & 0xFF) << "\nInActiveTextG=" << ((inactive >> 8) & 0xFF)
         << "\nInActiveTextB=" << (inactive & 0xFF) << "\n";
    ini_ << "menuBar=" << Add("menubar.bmp", DrawMenuBar(s))
         << "\nTileMenu=1\nTileLeftMenu=4\nTileRightMenu=4\n\n";
    ini_ << "[Fonts]\nFontHeight=" << (s.title <= 20 ? 13 : 14) << "\n\n";
}

void SkinBuilder::CaptionButtons() {
    const TSkinStyle& s = s_;
    const int n = CaptionButtonSize(s);
    const int y = (s.title - n) / 2;
    struct Def {
        const char* section;
        const char* file;
        CaptionGlyph glyph;
        int action;
        int slot; // 0 right-most
    };
    const Def defs[] = {{"ButtonClose", "close.bmp", CaptionGlyph::Close, 0, 0},
                        {"ButtonMaximize", "maximize.bmp", CaptionGlyph::Maximise, 1, 1},
                        {"ButtonMinimize", "minimize.bmp", CaptionGlyph::Minimise, 2, 2}};
    for (const Def& d : defs) {
        ini_ << "[" << d.section << "]\nAction=" << d.action
             << "\nAlign=1\nXcoord=" << s.border + 2 + (d.slot + 1) * (n + 2) << "\nYcoord=" << y
             << "\nVisibility=0\nVisibility1=0\nframe=4\nButtonImage="
             << Add(d.file, DrawCaptionButton(s, d.glyph)) << "\n\n";
    }
    // The window-icon button: the frame draws the window's icon in its place.
    ini_ << "[ButtonIcon]\nAction=3\nAlign=0\nXcoord=" << s.border + 3 << "\nYcoord=" << y
         << "\nVisibility=0\nVisibility1=0\nButtonImage="
         << Add("icon.bmp", DrawCaptionButton(s, CaptionGlyph::Icon)) << "\n\n";
    ini_ << "[MDICONTROLS]\nImage=" << Add("mdi.bmp", DrawMdiControls(s)) << "\n\n";
}

void SkinBuilder::Element(const std::string& section, const std::string& image, int margin, int trans,
                          const std::string& extra) {
    ini_ << "[" << section << "]\nImage=" << image << "\nLeftWidth=" << margin << "\nRightWidth=" << margin
         << "\nTopHeight=" << margin << "\nBottomHeight=" << margin << "\nTrans=" << trans << "\nTile=0\n"
         << "NormalColour2=" << RgbText(s_.text) << "\nMouseOverColour2=" << RgbText(s_.text)
         << "\nPressedColour2=" << RgbText(s_.text) << "\n"
         << extra << "\n";
}

void SkinBuilder::Controls() {
    const TSkinStyle& s = s_;
    ini_ << "[Buttons]\nBitmap=" << Add("button.bmp", DrawPushButton(s))
         << "\nLeftWidth=5\nRightWidth=5\nTopHeight=5\nBottomHeight=5\nTrans=1\nTile=0\nCheckButton="
         << Add("check.bmp", DrawCheckBoxes(s)) << "\nRadioButton=" << Add("radio.bmp", DrawRadioButtons(s))
         << "\nCheckButtonFrame=4\nRadioButtonFrame=4"
         << "\nNormalColour2=" << RgbText(s.text) << "\nMouseOverColour2=" << RgbText(s.text)
         << "\nPressedColour2=" << RgbText(s.text) << "\n\n";
    ini_ << "[Progress]\nBitmap=" << Add("progress.bmp", DrawProgress(s))
         << "\nChunk=" << Add("chunk.bmp", DrawProgressChunk(s))
         << "\nStyle=0\nLeftWidth=4\nRightWidth=4\nTopHeight=3\nBottomHeight=3\nTrans=1\nTile=0\n\n";
    Element("GroupBoxEdge", Add("groupbox.bmp", DrawGroupBoxEdge(s)), 5, 1);
    Element("Toolbars", Add("toolbar.bmp", DrawToolbars(s)), 5, 1);
    Element("Tabs", Add("tabs.bmp", DrawTabs(s)), 5, 1,
            "Border=" + Add("tabborder.bmp", DrawTabBorder(s)) + "\n");
    Element("StatusBarEdges", Add("status.bmp", DrawStatusBarEdges(s)), 3, 0);
    Element("ComboButton", Add("combo.bmp", DrawComboButton(s)), 3, 1);
    Element("SunkEdge", Add("sunkedge.bmp", DrawSunkEdge(s)), 3, 0);
    Element("ExtraImages", Add("extra.bmp", DrawExtraImages(s)), 0, 1);
    Element("Headerbar", Add("header.bmp", DrawHeaderbar(s)), 4, 0);
    Element("MenuItem", Add("menuitem.bmp", DrawMenuItem(s)), 4, 0);
    Element("MenuBackground", Add("menuback.bmp", DrawMenuBackground(s)), 2, 0);
    Element("Scrollbar", Add("scrollbar.bmp", DrawScrollArrows(s)), 0, 1);
    Element("HorzScroll", Add("hscroll.bmp", DrawScrollTrack(s, true)), 3, 0);
    Element("VertScroll", Add("vscroll.bmp", DrawScrollTrack(s, false)), 3, 0);
    Element("HorzScrollThumb", Add("hthumb.bmp", DrawScrollThumb(s, true)), 4, 1, "FrameCount=3\n");
    Element("VertScrollThumb", Add("vthumb.bmp", DrawScrollThumb(s, false)), 4, 1, "FrameCount=3\n");
    Element("Trackbar.ThumbHorz", Add("tbhorz.bmp", DrawTrackbarThumb(s, Dir::Down, false)), 0, 1);
    Element("Trackbar.ThumbVert", Add("tbvert.bmp", DrawTrackbarThumb(s, Dir::Right, false)), 0, 1);
    Element("Trackbar.ThumbLeft", Add("tbleft.bmp", DrawTrackbarThumb(s, Dir::Left, false)), 0, 1);
    Element("Trackbar.ThumbRight", Add("tbright.bmp", DrawTrackbarThumb(s, Dir::Right, false)), 0, 1);
    Element("Trackbar.ThumbUp", Add("tbup.bmp", DrawTrackbarThumb(s, Dir::Up, false)), 0, 1);
    Element("Trackbar.ThumbDown", Add("tbdown.bmp", DrawTrackbarThumb(s, Dir::Down, false)), 0, 1);
    Element("UpDown.Horz", Add("updownh.bmp", DrawUpDown(s, true)), 2, 1,
            "GlyphImage=" + Add("updownhg.bmp", DrawUpDownGlyphs(s, true)) + "\n");
    Element("UpDown.Vert", Add("updownv.bmp", DrawUpDown(s, false)), 2, 1,
            "GlyphImage=" + Add("updownvg.bmp", DrawUpDownGlyphs(s, false)) + "\n");
}

void SkinBuilder::Colours() {
    const TSkinStyle& s = s_;
    ini_ << "[Colours]\n"
         << "WindowText=" << RgbText(s.text) << "\nButtonFace=" << RgbText(s.face)
         << "\nScrollbar=" << RgbText(Darker(s.face, 8)) << "\nHilightText=" << RgbText(s.hilightText)
         << "\nHilight=" << RgbText(s.hilight) << "\nMenubar=" << RgbText(s.face)
         << "\nMenu=" << RgbText(s.window) << "\nMenuText=" << RgbText(s.text)
         << "\nButtonText=" << RgbText(s.text) << "\nButtonHilight=" << RgbText(Lighter(s.face, 60))
         << "\nButtonlight=" << RgbText(Lighter(s.face, 30))
         << "\nButtonShadow=" << RgbText(Darker(s.face, 30))
         << "\nButtonDkShadow=" << RgbText(Darker(s.face, 60)) << "\nMenuBarText=" << RgbText(s.text)
         << "\nTitleTextActive=" << RgbText(s.titleText)
         << "\nTitleTextNoActive=" << RgbText(Mix(s.titleText, s.frame, 1, 2)) << "\n";
}

std::vector<TSkinPackageEntry> SkinBuilder::Build() {
    Frame();
    CaptionButtons();
    Controls();
    Colours();
    const std::string text = ini_.str();
    std::vector<TSkinPackageEntry> all;
    all.push_back({"skin.ini", std::vector<std::uint8_t>(text.begin(), text.end())});
    all.insert(all.end(), entries_.begin(), entries_.end());
    return all;
}

} // namespace

std::vector<TSkinPackageEntry> DrawSkin(const TSkinStyle& s) {
    return SkinBuilder(s).Build();
}

} // namespace quellar::art
