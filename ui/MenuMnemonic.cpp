#include "ui/MenuMnemonic.h"

#include <cctype>

namespace quellar {

namespace {
char Folded(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}
} // namespace

char MnemonicOf(std::string_view text) {
    for (std::size_t i = 0; i + 1 < text.size() && text[i] != '\t'; ++i) {
        if (text[i] != '&') {
            continue;
        }
        if (text[i + 1] != '&') {
            return text[i + 1] == '\t' ? 0 : text[i + 1];
        }
        ++i; // "&&" shows one '&'
    }
    return 0;
}

std::string WithoutPrefixes(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 >= text.size()) {
                break; // a lone '&' at the end shows nothing
            }
            ++i; // "&x" shows x, "&&" shows '&'
        }
        shown += text[i];
    }
    return shown;
}

TMnemonicMatch FindMnemonic(std::span<const TMnemonicItem> items, char key, int after) {
    TMnemonicMatch match;
    const int count = static_cast<int>(items.size());
    if (key == 0 || count == 0) {
        return match;
    }
    const int start = after >= 0 && after < count ? after : -1;
    int found = 0;
    for (int n = 1; n <= count; ++n) {
        const int i = (start + n) % count;
        const TMnemonicItem& item = items[static_cast<std::size_t>(i)];
        const char mnemonic = MnemonicOf(item.text);
        if (!item.enabled || mnemonic == 0 || Folded(mnemonic) != Folded(key)) {
            continue;
        }
        if (found++ == 0) {
            match.index = i;
        }
    }
    match.several = found > 1;
    return match;
}

} // namespace quellar
