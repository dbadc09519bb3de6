// Which menu item a typed letter chooses: the letter after a single ampersand, without case,
// disabled items skipped, and the next one along when several share the letter.
#include "ui/MenuMnemonic.h"

#include <gtest/gtest.h>

#include <vector>

namespace quellar {
namespace {

TEST(MenuMnemonic, TheLetterAfterASingleAmpersandBeforeTheShortcutAndTheTextAsItShowsWithout) {
    const struct {
        const char* text;
        char mnemonic;
        const char* shown; // with the underline hidden
    } rows[] = {{"&Open", 'O', "Open"},
                {"E&xit", 'x', "Exit"},
                {"Fish && &Chips", 'C', "Fish & Chips"},
                {"Salt && pepper", 0, "Salt & pepper"},
                {"Ends with &", 0, "Ends with "},
                {"Plain\tCtrl+&P", 0, "Plain\tCtrl+P"},
                {"&\tF6", 0, "\tF6"},
                {"", 0, ""},
                {"&&&Three", 'T', "&Three"},
                {"Two &a&b", 'a', "Two ab"}};
    for (const auto& row : rows) {
        EXPECT_EQ(row.mnemonic, MnemonicOf(row.text)) << row.text;
        EXPECT_EQ(row.shown, WithoutPrefixes(row.text)) << row.text;
    }
}

TEST(MenuMnemonic, EnabledItemWithTheLetterTheNextOneWhenShared) {
    const std::vector<TMnemonicItem> menu{{"&Open", true}, {"&Save", false},      {"-", true},
                                          {"&Next", true}, {"&new window", true}, {"E&xit", true}};
    const struct {
        char key;
        int after, index;
        bool several;
    } rows[] = {
        {'o', -1, 0, false},  // lower case finds "&Open"
        {'X', -1, 5, false},  // upper case finds "E&xit"
        {'s', -1, -1, false}, // only a disabled item has it
        {'n', -1, 3, true},   // two share it: the first from the top
        {'N', 3, 4, true},    // after the first, the second
        {'n', 4, 3, true},    // after the last, around to the first
        {'q', -1, -1, false}, // nobody
        {0, -1, -1, false},
    };
    for (const auto& row : rows) {
        const TMnemonicMatch match = FindMnemonic(menu, row.key, row.after);
        EXPECT_EQ(row.index, match.index) << row.key << " after " << row.after;
        EXPECT_EQ(row.several, match.several) << row.key << " after " << row.after;
    }
    EXPECT_EQ(-1, FindMnemonic({}, 'a').index);
}

} // namespace
} // namespace quellar
