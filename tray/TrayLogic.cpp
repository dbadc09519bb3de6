#include "tray/TrayLogic.h"

#include <algorithm>

namespace quellar {

TTrayTip MakeTrayTip(std::string_view hint, bool showHint) {
    TTrayTip tip{};
    if (showHint && !hint.empty()) {
        const std::size_t length = std::min(hint.size(), kTrayTipSize - 1);
        std::copy_n(hint.begin(), length, tip.begin());
    }
    return tip;
}

int ClampIconIndex(int requested, int count) {
    if (count <= 0 || requested < 0) {
        return 0;
    }
    return std::min(requested, count - 1);
}

int NextCycleIndex(int index, int count) {
    if (index < 0 || index + 1 >= count) {
        return 0;
    }
    return index + 1;
}

} // namespace quellar
