// The skin authors' document and the engine's key table say the same: every key the engine
// reads is documented under its section with the table's default and range, and the document
// names no key the engine ignores.
// The document's form: a "### " heading names sections in square brackets, and each table row
// under it that begins with a key in backquotes documents that key for those sections.
#include "skin/model/SkinLimits.h"

#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace quellar {
namespace {

using KeySet = std::set<std::pair<std::string, std::string>>;
// Section and key to the row's Default and Range cells.
using Rows = std::map<std::pair<std::string, std::string>, std::pair<std::string, std::string>>;

std::string Cell(const std::string& row, int index) {
    std::size_t at = 0;
    for (int i = 0; i < index && at != std::string::npos; ++i) {
        at = row.find('|', at + 1);
    }
    const std::size_t end = at == std::string::npos ? at : row.find('|', at + 1);
    if (end == std::string::npos) {
        return {};
    }
    const std::string cell = row.substr(at + 1, end - at - 1);
    const std::size_t first = cell.find_first_not_of(' ');
    return first == std::string::npos ? "" : cell.substr(first, cell.find_last_not_of(' ') - first + 1);
}

KeySet DocumentedKeys(std::istream& doc, Rows* rows = nullptr) {
    KeySet keys;
    std::vector<std::string> sections;
    const std::regex bracketed(R"(\[([^\]]+)\])");
    const std::regex row(R"(^\| `([^`]+)` \|)");
    std::string line;
    while (std::getline(doc, line)) {
        std::smatch m;
        if (line.rfind("#", 0) == 0) {
            sections.clear();
            if (line.rfind("### ", 0) == 0) {
                for (std::sregex_iterator it(line.begin(), line.end(), bracketed), end; it != end; ++it) {
                    sections.push_back((*it)[1]);
                }
            }
        } else if (std::regex_search(line, m, row)) {
            for (const std::string& s : sections) {
                keys.insert({s, m[1]});
                if (rows != nullptr) {
                    (*rows)[{s, m[1]}] = {Cell(line, 2), Cell(line, 3)};
                }
            }
        }
    }
    return keys;
}

TEST(SkinFormatDocTest, DocumentsExactlyTheKeysTheEngineReads) {
    std::ifstream doc(QUELLAR_SOURCE_DIR "/docs/skin-format.md");
    ASSERT_TRUE(doc) << "docs/skin-format.md";
    Rows rows;
    const KeySet documented = DocumentedKeys(doc, &rows);
    KeySet read;
    for (const TSkinKeyRule& rule : SkinKeyRules()) {
        read.insert({rule.section, rule.key});
        const auto row = rows.find({rule.section, rule.key});
        if (rule.kind != TSkinValueKind::Integer || row == rows.end()) {
            continue;
        }
        // A number's default and range as the table has them ("any" for the whole int range).
        const bool any = rule.min == std::numeric_limits<std::int32_t>::min() &&
                         rule.max == std::numeric_limits<std::int32_t>::max();
        const std::string range = any ? "any" : std::to_string(rule.min) + " .. " + std::to_string(rule.max);
        EXPECT_EQ(row->second.first, std::to_string(rule.def)) << "[" << rule.section << "] " << rule.key;
        EXPECT_EQ(row->second.second.substr(0, range.size()), range)
            << "[" << rule.section << "] " << rule.key;
    }
    for (const auto& [section, key] : read) {
        EXPECT_TRUE(documented.count({section, key}))
            << "[" << section << "] " << key << " is not documented";
    }
    for (const auto& [section, key] : documented) {
        EXPECT_TRUE(read.count({section, key}))
            << "[" << section << "] " << key << " is documented but not read";
    }
}

TEST(SkinFormatDocTest, TheFormOfTheDocumentIsReadAsSaid) {
    std::istringstream doc("## Style files\n| `name` | x |\n### [A], [B]\n| Key | x |\n|---|\n| `K` | x |\n"
                           "text `L` here\n## Other\n| `M` | x |\n");
    Rows rows;
    EXPECT_EQ(DocumentedKeys(doc, &rows), (KeySet{{"A", "K"}, {"B", "K"}}));
    using Pair = std::pair<std::string, std::string>;
    EXPECT_EQ(rows[Pair("A", "K")], Pair("", "")) << "a row too short for them";
    std::istringstream full("### [S]\n| `K` | number | 3 | 1 .. 64 | frames |\n");
    DocumentedKeys(full, &rows);
    EXPECT_EQ(rows[Pair("S", "K")], Pair("3", "1 .. 64"));
}

} // namespace
} // namespace quellar
