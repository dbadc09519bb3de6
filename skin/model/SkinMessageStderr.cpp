#include "skin/model/SkinMessage.h"

#include <cstdio>

namespace quellar {

void DefaultSkinMessage(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
}

} // namespace quellar
