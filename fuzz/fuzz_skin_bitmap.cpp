// The bitmap decoder: any bytes as a .bmp member. A decoded bitmap holds exactly its pixels.
#include "skin/model/BitmapFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const quellar::TBitmap32 b = quellar::DecodeBitmapFile(std::span(data, size));
    if (!b.Empty() &&
        b.Pixels().size() != static_cast<std::size_t>(b.Width()) * static_cast<std::size_t>(b.Height())) {
        std::abort();
    }
    return 0;
}
