#include "SkinTool.h"

#include "skin/model/SkinMessage.h"
#include "skin/model/WinSkinData.h"

#include <iomanip>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <tuple>

namespace quellar {

namespace {

std::string ColourText(TSkinColor c) {
    std::ostringstream s;
    const auto v = static_cast<std::uint32_t>(c);
    if ((v & 0xFF000000u) == 0xFF000000u) {
        s << "system colour " << (v & 0xFF);
    } else {
        s << (v & 0xFF) << " " << ((v >> 8) & 0xFF) << " " << ((v >> 16) & 0xFF);
    }
    return s.str();
}

void Element(std::ostream& out, const char* label, const TDataSkinObject* e) {
    out << "  " << std::left << std::setw(20) << label;
    if (e == nullptr) {
        out << "absent\n";
        return;
    }
    out << e->Image.Width() << "x" << e->Image.Height() << ", " << e->FrameCount << " frames, margins "
        << e->LeftWidth << " " << e->TopHeight << " " << e->RightWidth << " " << e->BottomHeight << ", trans "
        << e->Trans << ", tile " << e->Tile << "\n";
}

void ReportElements(const TSkinData& d, std::ostream& out) {
    out << "elements:\n";
    const std::pair<const char*, const TDataSkinObject*> elements[] = {
        {"Left", d.Model().FrameLeft.get()},
        {"Right", d.Model().FrameRight.get()},
        {"Top", d.Model().FrameTop.get()},
        {"Bottom", d.Model().FrameBottom.get()},
        {"Title", d.Model().Title.get()},
        {"Buttons", d.Model().Buttons.get()},
        {"Progress", d.Model().Progress.get()},
        {"MenuBar", d.Model().MenuBar.get()},
        {"GroupBoxEdge", d.Model().GroupBoxEdge.get()},
        {"Toolbars", d.Model().Toolbars.get()},
        {"Tabs", d.Model().Tabs.get()},
        {"StatusBarEdges", d.Model().StatusBarEdges.get()},
        {"ComboButton", d.Model().ComboButton.get()},
        {"SunkEdge", d.Model().SunkEdge.get()},
        {"ExtraImages", d.Model().ExtraImages.get()},
        {"Headerbar", d.Model().Headerbar.get()},
        {"MenuItem", d.Model().MenuItem.get()},
        {"MenuBackground", d.Model().MenuBackground.get()},
        {"Scrollbar", d.Model().Scrollbar.get()},
        {"HorzScroll", d.Model().HorzScroll.get()},
        {"VertScroll", d.Model().VertScroll.get()},
        {"HorzScrollThumb", d.Model().HorzScrollThumb.get()},
        {"VertScrollThumb", d.Model().VertScrollThumb.get()},
        {"TrackbarThumbHorz", d.Model().TrackbarThumbHorz.get()},
        {"TrackbarThumbVert", d.Model().TrackbarThumbVert.get()},
        {"TrackbarThumbLeft", d.Model().TrackbarThumbLeft.get()},
        {"TrackbarThumbRight", d.Model().TrackbarThumbRight.get()},
        {"TrackbarThumbUp", d.Model().TrackbarThumbUp.get()},
        {"TrackbarThumbDown", d.Model().TrackbarThumbDown.get()},
        {"UpDownHorz", d.Model().UpDownHorz.get()},
        {"UpDownVert", d.Model().UpDownVert.get()},
    };
    for (const auto& [label, e] : elements) {
        Element(out, label, e);
    }
    const TDataSkinButton& b = *d.Model().Buttons;
    out << "  check boxes " << b.CheckImage.Width() << "x" << b.CheckImage.Height() << " ("
        << b.CheckFrameCount << " frames), radio buttons " << b.RadioImage.Width() << "x"
        << b.RadioImage.Height() << " (" << b.RadioFrameCount << " frames)\n";
}

void ReportCaptionButtons(const TSkinData& d, std::ostream& out) {
    out << "caption buttons:\n";
    for (const auto& sb : d.Model().SysButtons) {
        out << "  " << std::left << std::setw(20) << sb->Name << "action " << sb->Action << ", align "
            << sb->Align << ", at " << sb->Xcoord << "," << sb->Ycoord << ", image " << sb->Image.Width()
            << "x" << sb->Image.Height() << ", " << sb->FrameCount << " frames\n";
    }
}

void ReportColours(const TSkinData& d, std::ostream& out) {
    const TSkinColours& c = d.Model().Colours;
    out << "colours:\n";
    const std::pair<const char*, TSkinColor> colours[] = {{"WindowText", c.WindowText},
                                                          {"ButtonFace", c.ButtonFace},
                                                          {"Scrollbar", c.Scrollbar},
                                                          {"HilightText", c.HilightText},
                                                          {"Hilight", c.Hilight},
                                                          {"Menubar", c.Menubar},
                                                          {"Menu", c.Menu},
                                                          {"MenuText", c.MenuText},
                                                          {"ButtonText", c.ButtonText},
                                                          {"ButtonHilight", c.ButtonHilight},
                                                          {"Buttonlight", c.Buttonlight},
                                                          {"ButtonShadow", c.ButtonShadow},
                                                          {"ButtonDkShadow", c.ButtonDkShadow},
                                                          {"MenuBarText", c.MenuBarText},
                                                          {"TitleTextActive", c.TitleTextActive},
                                                          {"TitleTextNoActive", c.TitleTextNoActive}};
    for (const auto& [name, value] : colours) {
        out << "  " << std::left << std::setw(20) << name << ColourText(value) << "\n";
    }
}

// A strip whose width does not split into the frames its element is drawn with, or a mark strip
// with fewer frames than the four looks a check box or radio button shows.
void FrameFitWarnings(const TSkinData& d, std::vector<std::string>& warnings) {
    auto split = [&](const char* name, const TBitmap32& image, int frames) {
        if (!image.Empty() && (frames < 1 || image.Width() % frames != 0)) {
            warnings.push_back(std::string(name) + ": " + std::to_string(image.Width()) +
                               " pixels do not split into " + std::to_string(frames) + " frames");
        }
    };
    const std::pair<const char*, const TDataSkinObject*> strips[] = {
        {"Buttons", d.Model().Buttons.get()},
        {"Progress", d.Model().Progress.get()},
        {"Tabs", d.Model().Tabs.get()},
        {"StatusBarEdges", d.Model().StatusBarEdges.get()},
        {"ComboButton", d.Model().ComboButton.get()},
        {"SunkEdge", d.Model().SunkEdge.get()},
        {"ExtraImages", d.Model().ExtraImages.get()},
        {"MenuItem", d.Model().MenuItem.get()},
        {"Scrollbar", d.Model().Scrollbar.get()},
        {"HorzScroll", d.Model().HorzScroll.get()},
        {"VertScroll", d.Model().VertScroll.get()},
        {"HorzScrollThumb", d.Model().HorzScrollThumb.get()},
        {"VertScrollThumb", d.Model().VertScrollThumb.get()},
        {"Trackbar.ThumbHorz", d.Model().TrackbarThumbHorz.get()},
        {"Trackbar.ThumbVert", d.Model().TrackbarThumbVert.get()},
        {"UpDown.Horz", d.Model().UpDownHorz.get()},
        {"UpDown.Vert", d.Model().UpDownVert.get()},
    };
    for (const auto& [name, e] : strips) {
        if (e != nullptr) {
            split(name, e->Image, e->FrameCount);
        }
    }
    for (const TDataSkinBorder* upDown : {d.Model().UpDownHorz.get(), d.Model().UpDownVert.get()}) {
        if (upDown != nullptr) {
            split("GlyphImage", upDown->Image2, upDown->FrameCount);
        }
    }
    const TDataSkinButton& b = *d.Model().Buttons;
    for (const auto& [name, image, frames] : {std::tuple{"CheckButton", &b.CheckImage, b.CheckFrameCount},
                                              std::tuple{"RadioButton", &b.RadioImage, b.RadioFrameCount}}) {
        split(name, *image, frames);
        if (!image->Empty() && frames < 4) {
            warnings.push_back(std::string(name) + ": " + std::to_string(frames) +
                               " frames; the mark shows 4 (unchecked, checked, both disabled)");
        }
    }
    for (const auto& sb : d.Model().SysButtons) {
        split(sb->Name.c_str(), sb->Image, sb->FrameCount);
    }
}

} // namespace

namespace {

// Loads the file exactly as the program loads a skin file; the version message becomes the error.
std::vector<std::string> LoadForCheck(TSkinData& data, const std::vector<std::uint8_t>& file,
                                      const std::string& name) {
    const std::string prefix = name.empty() ? "" : name + ": ";
    std::vector<std::string> warnings;
    std::string message;
    const TSkinMessageProc previous = SetSkinMessageProc([&](const std::string& text) { message = text; });
    const bool loaded = data.LoadSkinBytes(file, &warnings);
    SetSkinMessageProc(previous);
    const TSkinLoadStats& stats = data.LoadStats();
    if (!message.empty()) {
        throw std::runtime_error(prefix + "not a skin package of version 20000");
    }
    if (!loaded) {
        throw std::runtime_error(prefix + "not loaded: " + stats.Failure);
    }
    if (stats.Description.empty()) {
        warnings.insert(warnings.begin(), "no description: the package has no \".ini\" member");
    }
    FrameFitWarnings(data, warnings);
    return warnings;
}

} // namespace

std::vector<std::string> SkinCheckWarnings(const std::vector<std::uint8_t>& file) {
    TSkinData data(nullptr);
    try {
        return LoadForCheck(data, file, "");
    } catch (const std::exception& e) {
        return {e.what()};
    }
}

int CheckSkin(const std::vector<std::uint8_t>& file, std::ostream& out, const std::string& name) {
    TSkinData data(nullptr);
    const std::vector<std::string> warnings = LoadForCheck(data, file, name);
    const TSkinLoadStats& stats = data.LoadStats();
    out << "package: " << stats.Members << " members, description "
        << (stats.Description.empty() ? "(none)" : stats.Description) << "\n";
    out << "skin: " << data.Model().SkinName << "\n";
    out << "bitmaps: " << stats.BitmapsDecoded << " decoded, " << stats.PixelsDecoded << " pixels\n";
    ReportElements(data, out);
    ReportCaptionButtons(data, out);
    ReportColours(data, out);
    out << "warnings: " << warnings.size() << "\n";
    for (const std::string& w : warnings) {
        out << "  " << w << "\n";
    }
    return static_cast<int>(warnings.size());
}

} // namespace quellar
