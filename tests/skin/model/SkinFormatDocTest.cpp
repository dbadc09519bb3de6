// The skin authors' document and the engine's key table say the same: every key the engine
// reads is documented under its section, and the document names no key the engine ignores.
// The document's form: a "### " heading names sections in square brackets, and each table row
// under it that begins with a key in backquotes documents that key for those sections.
#include "skin/model/SkinLimits.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace quellar {
namespace {

using KeySet = std::set<std::pair<std::string, std::string>>;

KeySet DocumentedKeys(std::istream& doc) {
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
            }
        }
    }
    return keys;
}

TEST(SkinFormatDocTest, DocumentsExactlyTheKeysTheEngineReads) {
    std::ifstream doc(QUELLAR_SOURCE_DIR "/docs/skin-format.md");
    ASSERT_TRUE(doc) << "docs/skin-format.md";
    const KeySet documented = DocumentedKeys(doc);
    KeySet read;
    for (const TSkinKeyRule& rule : SkinKeyRules()) {
        read.insert({rule.section, rule.key});
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
    EXPECT_EQ(DocumentedKeys(doc), (KeySet{{"A", "K"}, {"B", "K"}}));
}

} // namespace
} // namespace quellar
