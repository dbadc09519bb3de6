#include "tests/skin/HostileSkins.h"

#include "skin/model/BitmapFile.h"
#include "skin/package/SkinPackageWriter.h"
#include "skin/package/SkinReader.h"

#include <algorithm>
#include <array>
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

// A 1-bit bitmap file of width x height pixels, all of the palette's first colour (magenta).
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
// The description with section's key set to value: the key's line replaced where the section
// has it, else a line added under the section's header (the section added at the end when
// there is none). Lines may end in LF or CR LF; the result's end in CR LF.
std::string WithIniValue(const std::string& ini, const std::string& section, const std::string& key,
                         const std::string& value) {
    std::vector<std::string> lines;
    for (std::size_t pos = 0; pos < ini.size();) {
        const std::size_t end = std::min(ini.find('\n', pos), ini.size());
        std::string line = ini.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
        pos = end + 1;
    }
    const std::string header = "[" + section + "]";
    auto at = std::find(lines.begin(), lines.end(), header);
    if (at == lines.end()) {
        lines.push_back(header);
        at = lines.end() - 1;
    }
    auto line = at + 1;
    while (line != lines.end() && !(line->size() > 0 && line->front() == '[') &&
           line->compare(0, key.size() + 1, key + "=") != 0) {
        ++line;
    }
    if (line != lines.end() && line->compare(0, key.size() + 1, key + "=") == 0) {
        *line = key + "=" + value;
    } else {
        lines.insert(at + 1, key + "=" + value);
    }
    std::string out;
    for (const std::string& l : lines) {
        out += l + "\r\n";
    }
    return out;
}

struct TNumbersFamily {
    const char* name;
    std::vector<std::array<const char*, 3>> values; // section, key, value
    const char* member;                             // a bitmap replaced, or null
    int width, height;
};

const std::vector<TNumbersFamily>& NumbersFamilies() {
    static const std::vector<TNumbersFamily> families = {
        {"skin0", {}, nullptr, 0, 0},
        {"border", {{"Personality", "LeftFrame", "2"}}, "left.bmp", 8'000'000, 1},
        {"textshift", {{"Personality", "TextShift", "100000"}}, nullptr, 0, 0},
        {"txtback",
         {{"Personality", "TXTBackleft", "60000000"}, {"Personality", "TXTBackRight", "60000000"}},
         nullptr,
         0,
         0},
        {"chunk", {{"Progress", "Style", "1"}}, "chunk.bmp", 1, 200'000},
        {"check", {{"Buttons", "CheckButtonFrame", "1"}}, "check.bmp", 2800, 2800},
        {"menuitem", {{"MenuItem", "LeftWidth", "2000000"}}, nullptr, 0, 0},
        {"tilemenu", {{"Personality", "TileLeftMenu", "-100000"}}, nullptr, 0, 0},
    };
    return families;
}

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

std::vector<std::uint8_t> HostileNumbersSkinFile(const std::vector<std::uint8_t>& baseFile,
                                                 const std::string& family) {
    const auto found = std::find_if(NumbersFamilies().begin(), NumbersFamilies().end(),
                                    [&](const TNumbersFamily& f) { return family == f.name; });
    TSkinReader reader;
    if (found == NumbersFamilies().end() || !reader.ReadSkinBytes(baseFile)) {
        return {};
    }
    std::vector<TSkinPackageEntry> entries;
    for (int i = 0; i < reader.Count(); ++i) {
        const std::span<const std::uint8_t> bytes = reader.Entry(i);
        TSkinPackageEntry entry{reader.Names()[static_cast<std::size_t>(i)], {bytes.begin(), bytes.end()}};
        if (entry.name == "skin.ini") {
            std::string ini(entry.bytes.begin(), entry.bytes.end());
            for (const auto& [section, key, value] : found->values) {
                ini = WithIniValue(ini, section, key, value);
            }
            entry.bytes = Text(ini);
        } else if (found->member != nullptr && entry.name == found->member) {
            entry.bytes = MonochromeBmp(found->width, found->height);
        }
        entries.push_back(std::move(entry));
    }
    return BuildSkinFile(entries);
}

} // namespace quellar::test
