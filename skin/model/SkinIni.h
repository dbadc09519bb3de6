#pragma once
// The skin description's INI reader and its value rules. Sections in square brackets, lines of
// key "=" value; section and key names match without regard to ASCII case; the first of two
// equal keys in a section wins, and a section given twice adds to the first. Sections and keys
// are found through hash indexes, so a description of a million sections reads in linear time.
#include "skin/model/SkinElements.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace quellar {

class TSkinIniFile {
public:
    explicit TSkinIniFile(std::string_view text);

    // Section names in file order, each once, spelled as first seen.
    const std::vector<std::string>& Sections() const { return sectionNames_; }
    bool ValueExists(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, const std::string& def) const;
    // Decimal, or hexadecimal after "$" or "0x"; a missing key or a text that is no number
    // gives def.
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const;

private:
    const std::string* FindValue(std::string_view section, std::string_view key) const;

    std::vector<std::string> sectionNames_;
    // Upper-cased section names seen so far.
    std::unordered_set<std::string> sectionIndex_;
    // Upper-cased section name, a zero byte, upper-cased key name: the first value given.
    std::unordered_map<std::string, std::string> values_;
};

std::string IniUpper(std::string_view s);
std::string TrimIniText(std::string_view s);
std::string_view TrimIniView(std::string_view s);

// A whole 32-bit number: optional sign, then decimal digits or "$"/"0x" and hexadecimal digits
// (hexadecimal up to 0xFFFFFFFF, taken as its 32-bit pattern). Surrounding spaces are allowed.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

// RGB text such as "255 128 0" or "0,0,255" as 0x00BBGGRR; the low 8 bits of each number are
// used; an empty text gives def. Digits form numbers that fill red, green, blue in turn; the
// last number counts as blue only when red and green are filled; numbers after blue are
// ignored; components not filled are 0.
TSkinColor ParseRGB(std::string_view text, TSkinColor def);

} // namespace quellar
