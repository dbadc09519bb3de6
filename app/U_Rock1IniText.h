#pragma once
// The text of an INI file as a list of lines, read and changed by the same rules as the
// platform's profile service: section and key names match without regard to letter case and
// surrounding blanks; a value is read without its surrounding blanks and without one pair of
// matching quotes around it; a written key replaces its value where it stands, or is added
// after the last line of its section, and a missing section is added at the end of the text.
// Only the first section of a name counts. Every line the write does not change is kept as it
// is, blank lines and comments included.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quellar {

class IniText {
public:
    explicit IniText(std::string_view fileText);

    // The value of key in section, or no value when the section or the key is missing.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;

    // Sets key in section to value (written verbatim after "=").
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // The whole text, every line ended like the first line of the text it was made from ("\r\n"
    // when that had no line end).
    std::string Text() const;

private:
    // Index of the first header line of section, or lines_.size() when there is none.
    std::size_t FindSection(std::string_view section) const;
    // One past the last line that belongs to the section whose header is at index header.
    std::size_t SectionEnd(std::size_t header) const;
    // Index of the key's line in the section whose header is at index header, or no value.
    std::optional<std::size_t> FindKey(std::size_t header, std::string_view key) const;

    std::vector<std::string> lines_;
    std::string lineEnd_;
};

} // namespace quellar
