#pragma once
// Portable arithmetic of the icon: the tooltip field, the picture index and the animation step.
#include <array>
#include <cstddef>
#include <string_view>

namespace quellar {

// The tooltip field of the platform's first-version icon record: 64 bytes, zero-terminated.
inline constexpr std::size_t kTrayTipSize = 64;
using TTrayTip = std::array<char, kTrayTipSize>;

// The tooltip the platform is given: the first 63 characters of `hint` and a terminating zero
// when the hint is shown and not empty; otherwise all 64 bytes zero. Bytes after the
// terminator are always zero, so the record never carries stale text.
TTrayTip MakeTrayTip(std::string_view hint, bool showHint);

// The index stored for a request of `requested` with a list of `count` pictures: at most
// count - 1, never below 0. An empty list stores 0.
int ClampIconIndex(int requested, int count);

// The index the animation moves to after `index`: the next one, or 0 after the last.
int NextCycleIndex(int index, int count);

} // namespace quellar
