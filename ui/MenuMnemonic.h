#pragma once
// Menu mnemonics: the letter after an ampersand in an item's text, and which item of a menu a
// typed letter chooses. Portable, so the rule is tested apart from the menus that use it.
#include <span>
#include <string>
#include <string_view>

namespace quellar {

// The character after the first single '&' of a menu text ("&&" shows one ampersand), up to the
// tab that starts the shortcut text; 0 when there is none.
char MnemonicOf(std::string_view text);

// The text as it shows with its access-key underline hidden: each single '&' dropped, "&&" one
// '&'. Drawn without prefix processing it takes the same room as the text with its underline
// (Wine's DrawText ignores DT_HIDEPREFIX; this works the same everywhere).
std::string WithoutPrefixes(std::string_view text);

struct TMnemonicItem {
    std::string_view text;
    bool enabled = true;
};

struct TMnemonicMatch {
    int index = -1;       // the item chosen, -1 for none
    bool several = false; // more than one enabled item has that mnemonic
};

// The enabled item whose mnemonic is key, letters compared without case (ASCII): the first one
// after the item at `after` (-1: from the top), wrapping around, as a menu moves from item to
// item when several share a letter.
TMnemonicMatch FindMnemonic(std::span<const TMnemonicItem> items, char key, int after = -1);

} // namespace quellar
