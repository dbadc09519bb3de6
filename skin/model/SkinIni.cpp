#include "skin/model/SkinIni.h"

#include <algorithm>

namespace quellar {

namespace {
char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}
int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (Upper(c) >= 'A' && Upper(c) <= 'F') {
        return Upper(c) - 'A' + 10;
    }
    return -1;
}
} // namespace

std::string IniUpper(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), Upper);
    return out;
}

std::string_view TrimIniView(std::string_view s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && IsSpace(s[b])) {
        ++b;
    }
    while (e > b && IsSpace(s[e - 1])) {
        --e;
    }
    return s.substr(b, e - b);
}

std::string TrimIniText(std::string_view s) {
    return std::string(TrimIniView(s));
}

namespace {
std::string ValueKey(std::string_view section, std::string_view key) {
    std::string k = IniUpper(section);
    k.push_back('\0');
    k += IniUpper(key);
    return k;
}
} // namespace

TSkinIniFile::TSkinIniFile(std::string_view text) {
    // Room for every section and key the text can hold, so the indexes are never rebuilt.
    const auto brackets = static_cast<std::size_t>(std::count(text.begin(), text.end(), '['));
    sectionIndex_.reserve(brackets);
    sectionNames_.reserve(brackets);
    values_.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '=')));
    bool inSection = false;
    std::string current;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = pos;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') {
            ++end;
        }
        const std::string_view line = TrimIniView(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line[0] == ';') {
            continue;
        }
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            const std::string_view name =
                TrimIniView(line.substr(1, close == line.npos ? line.npos : close - 1));
            current = IniUpper(name);
            inSection = true;
            if (sectionIndex_.insert(current).second) {
                sectionNames_.emplace_back(name);
            }
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!inSection || eq == std::string_view::npos) {
            continue;
        }
        values_.try_emplace(ValueKey(current, TrimIniView(line.substr(0, eq))),
                            TrimIniView(line.substr(eq + 1)));
    }
}

const std::string* TSkinIniFile::FindValue(std::string_view section, std::string_view key) const {
    const auto it = values_.find(ValueKey(section, key));
    return it == values_.end() ? nullptr : &it->second;
}

bool TSkinIniFile::ValueExists(std::string_view section, std::string_view key) const {
    return FindValue(section, key) != nullptr;
}

std::string TSkinIniFile::ReadString(std::string_view section, std::string_view key,
                                     const std::string& def) const {
    const std::string* v = FindValue(section, key);
    return v != nullptr ? *v : def;
}

std::int32_t TSkinIniFile::ReadInteger(std::string_view section, std::string_view key,
                                       std::int32_t def) const {
    const std::string* v = FindValue(section, key);
    if (v == nullptr) {
        return def;
    }
    return ParseIniInteger(*v).value_or(def);
}

std::optional<std::int32_t> ParseIniInteger(std::string_view text) {
    const std::string t = TrimIniText(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        negative = t[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < t.size() && t[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < t.size() && t[i] == '0' && (t[i + 1] == 'x' || t[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= t.size()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (; i < t.size(); ++i) {
        const int d = hex ? HexDigit(t[i]) : (t[i] >= '0' && t[i] <= '9' ? t[i] - '0' : -1);
        if (d < 0) {
            return std::nullopt;
        }
        value = value * (hex ? 16 : 10) + static_cast<std::uint64_t>(d);
        if (value > 0xFFFFFFFFull) {
            return std::nullopt;
        }
    }
    if (hex) {
        const auto bits = static_cast<std::uint32_t>(value);
        return static_cast<std::int32_t>(negative ? 0u - bits : bits);
    }
    const std::int64_t signedValue =
        negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value);
    if (signedValue < INT32_MIN || signedValue > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(signedValue);
}

TSkinColor ParseRGB(std::string_view text, TSkinColor def) {
    if (text.empty()) {
        return def;
    }
    const std::string t = TrimIniText(text);
    std::uint32_t rgb[3] = {0, 0, 0};
    int filled = 0;
    bool pending = false;
    std::uint32_t number = 0; // kept modulo 256: only the low 8 bits count
    for (char c : t) {
        if (c >= '0' && c <= '9') {
            number = (number * 10 + static_cast<std::uint32_t>(c - '0')) & 0xFF;
            pending = true;
        } else if (pending) {
            if (filled < 3) {
                rgb[filled++] = number;
            }
            pending = false;
            number = 0;
        }
    }
    if (pending && filled == 2) {
        rgb[2] = number;
    }
    return static_cast<TSkinColor>(rgb[0] | rgb[1] << 8 | rgb[2] << 16);
}

} // namespace quellar
