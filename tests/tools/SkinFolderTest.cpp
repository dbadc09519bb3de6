#include "SkinFolder.h"

#include <gtest/gtest.h>

namespace quellar {
namespace {

TEST(SkinFolder, OffersSkinFilesInNumberOrder) {
    const struct {
        const char* name;
        int number;
    } names[] = {{"skin0.skn", 0},      {"SKIN12.SKN", 12}, {"skin2.skn", 2},   {"skin.skn", -1},
                 {"skin2.skn.bak", -1}, {"skinx.skn", -1},  {"skin-1.skn", -1}, {"skin9999999.skn", -1},
                 {"myskin1.skn", -1},   {"skin1.skn", 1}};
    std::vector<std::string> all;
    for (const auto& row : names) {
        EXPECT_EQ(SkinFileNumber(row.name), row.number) << row.name;
        all.emplace_back(row.name);
    }
    EXPECT_EQ(SkinFilesInOrder(all),
              (std::vector<std::string>{"skin0.skn", "skin1.skn", "skin2.skn", "SKIN12.SKN"}));
}

} // namespace
} // namespace quellar
