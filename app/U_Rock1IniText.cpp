#include "app/U_Rock1IniText.h"

namespace quellar {

namespace {

constexpr std::string_view kBlanks = " \t\v\f\r";

std::string_view Trim(std::string_view s) {
    const std::size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

// The name of the section a header line "[name]" opens, or no value for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    const std::string_view t = Trim(line);
    const std::size_t close = t.rfind(']');
    if (t.empty() || t.front() != '[' || close == std::string_view::npos) {
        return std::nullopt;
    }
    return Trim(t.substr(1, close - 1));
}

// The key name of a line inside a section: the text before "=", or the whole line when it has
// none. Blank lines and comments (";") hold no key.
std::optional<std::string_view> KeyName(std::string_view line) {
    const std::string_view t = Trim(line);
    if (t.empty() || t.front() == ';') {
        return std::nullopt;
    }
    return Trim(t.substr(0, t.find('=')));
}

// The value of a key line: the text after the first "=", without surrounding blanks and
// without one pair of matching quotes.
std::string ValueOf(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return {};
    }
    std::string_view value = Trim(line.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

} // namespace

IniText::IniText(std::string_view fileText) {
    // The text keeps the line end of its first line; a text without one gets the platform's.
    const std::size_t firstBreak = fileText.find('\n');
    const bool unixEnds =
        firstBreak != std::string_view::npos && (firstBreak == 0 || fileText[firstBreak - 1] != '\r');
    lineEnd_ = unixEnds ? "\n" : "\r\n";
    while (!fileText.empty()) {
        const std::size_t end = fileText.find('\n');
        std::string_view line = fileText.substr(0, end);
        if (!unixEnds && !line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines_.emplace_back(line);
        fileText = end == std::string_view::npos ? std::string_view{} : fileText.substr(end + 1);
    }
}

std::size_t IniText::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionName(lines_[i]);
        if (name && EqualsNoCase(*name, Trim(section))) {
            return i;
        }
    }
    return lines_.size();
}

std::size_t IniText::SectionEnd(std::size_t header) const {
    std::size_t end = header + 1;
    while (end < lines_.size() && !SectionName(lines_[end])) {
        ++end;
    }
    return end;
}

std::optional<std::size_t> IniText::FindKey(std::size_t header, std::string_view key) const {
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const auto name = KeyName(lines_[i]);
        if (name && EqualsNoCase(*name, Trim(key))) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> IniText::Find(std::string_view section, std::string_view key) const {
    const std::size_t header = FindSection(section);
    if (header == lines_.size()) {
        return std::nullopt;
    }
    const auto line = FindKey(header, key);
    if (!line) {
        return std::nullopt;
    }
    return ValueOf(lines_[*line]);
}

void IniText::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::size_t header = FindSection(section);
    if (header == lines_.size()) {
        lines_.push_back("[" + std::string(Trim(section)) + "]");
        lines_.push_back(std::string(Trim(key)) + "=" + std::string(value));
        return;
    }
    if (const auto line = FindKey(header, key)) {
        // The name keeps the letter case it has in the file.
        lines_[*line] = std::string(*KeyName(lines_[*line])) + "=" + std::string(value);
        return;
    }
    // After the section's last line that is not blank, so that blank lines separating it from
    // the next section stay where they are.
    std::size_t insertAt = SectionEnd(header);
    while (insertAt > header + 1 && Trim(lines_[insertAt - 1]).empty()) {
        --insertAt;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                  std::string(Trim(key)) + "=" + std::string(value));
}

std::string IniText::Text() const {
    std::string text;
    for (const std::string& line : lines_) {
        text += line;
        text += lineEnd_;
    }
    return text;
}

} // namespace quellar
