#pragma once
// Writes images into the bytes of a Windows icon file (.ico): one 32-bit entry per image, the
// colour bitmap with its alpha channel and the 1-bit mask (set where a pixel is fully clear).
#include "TrayArt.h"

#include <cstdint>
#include <vector>

namespace quellar::art {

// Images must be 1 to 256 pixels wide and high.
std::vector<std::uint8_t> IconFileBytes(const std::vector<TArtImage>& images);

} // namespace quellar::art
