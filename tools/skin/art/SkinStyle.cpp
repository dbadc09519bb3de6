#include "SkinStyle.h"

#include "skin/model/SkinIni.h"

#include <stdexcept>

namespace quellar::art {

namespace {

const char* const Section = "Style";

std::uint32_t Colour(const TSkinIniFile& ini, const char* key, std::uint32_t def) {
    const std::string text = ini.ReadString(Section, key, "");
    if (text.empty()) {
        return def;
    }
    // The INI rule gives 0x00BBGGRR; the art works in 0x00RRGGBB.
    const auto bgr = static_cast<std::uint32_t>(ParseRGB(text, 0));
    return Rgb32(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

Corner CornerOf(const std::string& text, const char* key) {
    if (text == "round") {
        return Corner::Round;
    }
    if (text == "bevel") {
        return Corner::Bevel;
    }
    if (text == "notch") {
        return Corner::Notch;
    }
    if (text == "square") {
        return Corner::Square;
    }
    throw std::runtime_error(std::string("style key ") + key + ": unknown shape '" + text + "'");
}

Pattern PatternOf(const std::string& text) {
    if (text == "none") {
        return Pattern::None;
    }
    if (text == "stripes") {
        return Pattern::Stripes;
    }
    if (text == "dots") {
        return Pattern::Dots;
    }
    if (text == "grain") {
        return Pattern::Grain;
    }
    throw std::runtime_error("style key pattern: unknown pattern '" + text + "'");
}

int Number(const TSkinIniFile& ini, const char* key, int def, int low, int high) {
    const int v = ini.ReadInteger(Section, key, def);
    if (v < low || v > high) {
        throw std::runtime_error(std::string("style key ") + key + ": " + std::to_string(v) + " is outside " +
                                 std::to_string(low) + ".." + std::to_string(high));
    }
    return v;
}

} // namespace

TSkinStyle ParseSkinStyle(const std::string& text) {
    const TSkinIniFile ini(text);
    TSkinStyle s;
    s.name = ini.ReadString(Section, "name", "");
    if (s.name.empty()) {
        throw std::runtime_error("style has no name");
    }
    s.frame = Colour(ini, "frame", s.frame);
    s.frame2 = Colour(ini, "frame2", s.frame2);
    s.face = Colour(ini, "face", s.face);
    s.window = Colour(ini, "window", s.window);
    s.text = Colour(ini, "text", s.text);
    s.hilight = Colour(ini, "hilight", s.hilight);
    s.hilightText = Colour(ini, "hilighttext", s.hilightText);
    s.accent = Colour(ini, "accent", s.accent);
    s.titleText = Colour(ini, "titletext", s.titleText);
    s.corner = CornerOf(ini.ReadString(Section, "corner", "round"), "corner");
    s.radius = Number(ini, "radius", s.radius, 0, 14);
    s.border = Number(ini, "border", s.border, 3, 10);
    s.title = Number(ini, "title", s.title, 18, 32);
    s.buttonCorner = CornerOf(ini.ReadString(Section, "buttoncorner", "round"), "buttoncorner");
    s.buttonRadius = Number(ini, "buttonradius", s.buttonRadius, 0, 6);
    s.roundCaptionButtons = ini.ReadString(Section, "captionbuttons", "box") == "disc";
    s.pattern = PatternOf(ini.ReadString(Section, "pattern", "none"));
    return s;
}

} // namespace quellar::art
