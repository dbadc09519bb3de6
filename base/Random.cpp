#include "base/Random.h"

namespace quellar {

std::uint32_t RandSeed = 0;

} // namespace quellar
