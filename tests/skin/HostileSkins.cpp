#include "tests/skin/HostileSkins.h"

#include "skin/model/BitmapFile.h"
#include "skin/package/SkinPackageWriter.h"

#include <string>

namespace quellar::test {

namespace {

std::vector<std::uint8_t> Text(const std::string& s) {
    return std::vector<std::uint8_t>(s.begin(), s.end());
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
}

} // namespace

std::vector<std::uint8_t> MonochromeBmp(int width, int height) {
    const std::uint32_t stride = ((static_cast<std::uint32_t>(width) + 31) / 32) * 4;
    const std::uint32_t dataAt = 14 + 40 + 8;
    std::vector<std::uint8_t> out{'B', 'M'};
    Put32(out, dataAt + stride * static_cast<std::uint32_t>(height));
    Put32(out, 0);
    Put32(out, dataAt);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    out.push_back(1); // planes
    out.push_back(0);
    out.push_back(1); // bits per pixel
    out.push_back(0);
    for (int i = 0; i < 6; ++i) {
        Put32(out, 0); // compression, image size, resolutions, colours used and important
    }
    Put32(out, 0x00FF00FF);
    Put32(out, 0x00000000);
    out.resize(out.size() + static_cast<std::size_t>(stride) * static_cast<std::size_t>(height), 0);
    return out;
}

namespace {

// Every key of the description that names a picture, as section and key.
const std::vector<std::pair<std::string, std::string>>& PictureKeys() {
    static const std::vector<std::pair<std::string, std::string>> keys = [] {
        std::vector<std::pair<std::string, std::string>> k = {
            {"Personality", "Left"},    {"Personality", "Right"},      {"Personality", "Top"},
            {"Personality", "Bottom"},  {"Personality", "TextBack"},   {"Personality", "menuBar"},
            {"Buttons", "Bitmap"},      {"Buttons", "CheckButton"},    {"Buttons", "RadioButton"},
            {"Progress", "Bitmap"},     {"Progress", "Chunk"},         {"MDICONTROLS", "Image"},
            {"Tabs", "Border"},         {"UpDown.Horz", "GlyphImage"}, {"UpDown.Vert", "GlyphImage"},
            {"Button1", "ButtonImage"}, {"Button2", "ButtonImage"},    {"Button3", "ButtonImage"}};
        for (const char* section : {"GroupBoxEdge",        "Toolbars",           "Tabs",
                                    "StatusBarEdges",      "ComboButton",        "SunkEdge",
                                    "ExtraImages",         "Headerbar",          "MenuItem",
                                    "MenuBackground",      "Scrollbar",          "HorzScroll",
                                    "VertScroll",          "HorzScrollThumb",    "VertScrollThumb",
                                    "Trackbar.ThumbHorz",  "Trackbar.ThumbVert", "Trackbar.ThumbLeft",
                                    "Trackbar.ThumbRight", "Trackbar.ThumbUp",   "Trackbar.ThumbDown",
                                    "UpDown.Horz",         "UpDown.Vert"}) {
            k.emplace_back(section, "Image");
        }
        return k;
    }();
    return keys;
}

std::string DescriptionNaming(bool oneBitmap) {
    std::string ini;
    std::string section;
    int n = 0;
    for (const auto& [s, key] : PictureKeys()) {
        if (s != section) {
            ini += "[" + s + "]\r\n";
            section = s;
        }
        const std::string member = oneBitmap ? "big.bmp" : "big" + std::to_string(n++) + ".bmp";
        ini += key + "=" + member + "\r\n";
    }
    return ini;
}

} // namespace

std::vector<std::uint8_t> ManyNamesPackage(std::size_t lines) {
    std::vector<std::uint8_t> package;
    Put32(package, 20000);
    Put32(package, static_cast<std::uint32_t>(lines));
    package.resize(16, 0);
    package.resize(16 + lines, '\n');
    return package;
}

std::vector<std::uint8_t> OneHugeBitmapPackage(int side) {
    return BuildSkinPackage(
        {{"skin.ini", Text(DescriptionNaming(true))}, {"big.bmp", MonochromeBmp(side, side)}});
}

std::vector<std::uint8_t> ManyHugeBitmapsPackage(int side, int count) {
    std::vector<TSkinPackageEntry> entries = {{"skin.ini", Text(DescriptionNaming(false))}};
    for (int i = 0; i < count; ++i) {
        entries.push_back({"big" + std::to_string(i) + ".bmp", MonochromeBmp(side, side)});
    }
    return BuildSkinPackage(entries);
}

std::vector<std::uint8_t> ManySectionsPackage(std::size_t sections) {
    std::string ini;
    ini.reserve(sections * 12 + 100);
    for (std::size_t i = 1; i <= sections; ++i) {
        ini += "[S" + std::to_string(i) + "]\r\n";
    }
    ini += "[Personality]\r\nLeft=edge.bmp\r\n[Colours]\r\nButtonFace=10 20 30\r\n";
    return BuildSkinPackage(
        {{"skin.ini", Text(ini)}, {"edge.bmp", EncodeBitmapFile(TBitmap32(4, 4, 0x123456))}});
}

} // namespace quellar::test
