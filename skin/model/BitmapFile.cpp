#include "skin/model/BitmapFile.h"

#include <algorithm>
#include <map>

namespace quellar {

namespace {

constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t BI_BITFIELDS = 3;

std::uint32_t LE16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8;
}
std::uint32_t LE32(std::span<const std::uint8_t> b, std::size_t at) {
    return LE16(b, at) | LE16(b, at + 2) << 16;
}

struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0;
    bool topDown = false;
    int bits = 0;
    std::uint32_t compression = BI_RGB;
    std::uint32_t masks[3] = {0, 0, 0};
    std::size_t paletteAt = 0;
    std::size_t paletteEntrySize = 4;
    std::size_t paletteCount = 0;
};

// One channel of a bit-field pixel scaled to 0..255.
struct Channel {
    int shift = 0;
    int width = 0;
    explicit Channel(std::uint32_t mask) {
        if (mask == 0) {
            return;
        }
        while (((mask >> shift) & 1u) == 0) {
            ++shift;
        }
        while (width < 32 - shift && ((mask >> (shift + width)) & 1u) != 0) {
            ++width;
        }
    }
    std::uint32_t Get(std::uint32_t pixel) const {
        if (width == 0) {
            return 0;
        }
        const std::uint64_t max = (std::uint64_t{1} << width) - 1;
        const std::uint64_t v = (pixel >> shift) & max;
        return static_cast<std::uint32_t>((v * 255 + max / 2) / max);
    }
};

bool ReadHeader(std::span<const std::uint8_t> b, Header& h) {
    if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') {
        return false;
    }
    const std::uint32_t infoSize = LE32(b, 14);
    if (infoSize == 12) {
        h.width = LE16(b, 18);
        h.height = static_cast<std::int16_t>(LE16(b, 20));
        if (LE16(b, 22) != 1) {
            return false;
        }
        h.bits = static_cast<int>(LE16(b, 24));
        h.paletteEntrySize = 3;
    } else {
        if (infoSize < 40 || infoSize > b.size() - 14) {
            return false;
        }
        h.width = static_cast<std::int32_t>(LE32(b, 18));
        h.height = static_cast<std::int32_t>(LE32(b, 22));
        if (LE16(b, 26) != 1) {
            return false;
        }
        h.bits = static_cast<int>(LE16(b, 28));
        h.compression = LE32(b, 30);
        h.paletteCount = LE32(b, 46);
    }
    h.topDown = h.height < 0;
    h.height = h.height < 0 ? -h.height : h.height;
    h.paletteAt = 14 + infoSize;
    if (h.compression == BI_BITFIELDS) {
        // The masks follow a 40-byte header, or are part of a larger one.
        if (b.size() < 14 + 40 + 12) {
            return false;
        }
        for (int i = 0; i < 3; ++i) {
            h.masks[i] = LE32(b, 54 + 4 * static_cast<std::size_t>(i));
        }
        if (infoSize == 40) {
            h.paletteAt += 12;
        }
    } else if (h.bits == 16) {
        h.masks[0] = 0x7C00;
        h.masks[1] = 0x03E0;
        h.masks[2] = 0x001F;
    }
    const bool bitsOk =
        h.bits == 1 || h.bits == 4 || h.bits == 8 || h.bits == 16 || h.bits == 24 || h.bits == 32;
    const bool compressionOk =
        h.compression == BI_RGB || (h.compression == BI_BITFIELDS && (h.bits == 16 || h.bits == 32));
    return bitsOk && compressionOk && h.width > 0 && h.height > 0 && h.width * h.height <= MaxBitmapPixels;
}

std::vector<std::uint32_t> ReadPalette(std::span<const std::uint8_t> b, const Header& h) {
    std::vector<std::uint32_t> palette(std::size_t{1} << h.bits, 0);
    std::size_t count =
        (h.paletteCount == 0 || h.paletteCount > palette.size()) ? palette.size() : h.paletteCount;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = h.paletteAt + i * h.paletteEntrySize;
        if (at + 3 > b.size()) {
            break;
        }
        palette[i] = Rgb32(b[at + 2], b[at + 1], b[at]);
    }
    return palette;
}

void DecodeRow(const std::uint8_t* src, const Header& h, const std::vector<std::uint32_t>& palette,
               std::uint32_t* dst) {
    const auto width = static_cast<int>(h.width);
    const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]);
    for (int x = 0; x < width; ++x) {
        switch (h.bits) {
        case 1:
            dst[x] = palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
            break;
        case 4:
            dst[x] = palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 15];
            break;
        case 8:
            dst[x] = palette[src[x]];
            break;
        case 16: {
            const std::uint32_t p = src[2 * x] | static_cast<std::uint32_t>(src[2 * x + 1]) << 8;
            dst[x] = Rgb32(red.Get(p), green.Get(p), blue.Get(p));
            break;
        }
        case 24:
            dst[x] = Rgb32(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
            break;
        default: {
            const std::uint8_t* q = src + 4 * x;
            if (h.compression == BI_BITFIELDS) {
                const std::uint32_t p =
                    q[0] | q[1] << 8 | q[2] << 16 | static_cast<std::uint32_t>(q[3]) << 24;
                dst[x] = Rgb32(red.Get(p), green.Get(p), blue.Get(p));
            } else {
                dst[x] = Rgb32(q[2], q[1], q[0]);
            }
            break;
        }
        }
    }
}

} // namespace

std::int64_t BitmapFilePixels(std::span<const std::uint8_t> bytes) {
    Header h;
    return ReadHeader(bytes, h) ? h.width * h.height : -1;
}

TBitmap32 DecodeBitmapFile(std::span<const std::uint8_t> bytes, std::int64_t maxPixels) {
    Header h;
    if (!ReadHeader(bytes, h) || h.width * h.height > maxPixels) {
        return {};
    }
    const std::uint32_t dataAt = LE32(bytes, 10);
    const std::int64_t stride = ((h.width * h.bits + 31) / 32) * 4;
    if (dataAt < 14 || dataAt > bytes.size() ||
        stride * h.height > static_cast<std::int64_t>(bytes.size() - dataAt)) {
        return {};
    }
    const std::vector<std::uint32_t> palette =
        h.bits <= 8 ? ReadPalette(bytes, h) : std::vector<std::uint32_t>{};
    TBitmap32 out(static_cast<int>(h.width), static_cast<int>(h.height));
    for (std::int64_t row = 0; row < h.height; ++row) {
        const std::int64_t y = h.topDown ? row : h.height - 1 - row;
        DecodeRow(bytes.data() + dataAt + row * stride, h, palette, out.Row(static_cast<int>(y)));
    }
    return out;
}

namespace {
void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v);
    Put16(out, v >> 16);
}
} // namespace

std::vector<std::uint8_t> EncodeBitmapFile(const TBitmap32& bitmap) {
    std::map<std::uint32_t, std::uint8_t> index;
    for (std::uint32_t p : bitmap.Pixels()) {
        if (index.size() > 256) {
            break;
        }
        index.emplace(p, 0);
    }
    const bool paletted = index.size() <= 256;
    std::uint8_t next = 0;
    for (auto& [colour, i] : index) {
        i = next++;
    }
    const int bits = paletted ? 8 : 24;
    const std::uint32_t paletteBytes = paletted ? static_cast<std::uint32_t>(index.size()) * 4 : 0;
    const std::uint32_t stride = ((static_cast<std::uint32_t>(bitmap.Width()) * bits + 31) / 32) * 4;
    const std::uint32_t dataAt = 14 + 40 + paletteBytes;
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, dataAt + stride * static_cast<std::uint32_t>(bitmap.Height()));
    Put32(out, 0);
    Put32(out, dataAt);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(bitmap.Width()));
    Put32(out, static_cast<std::uint32_t>(bitmap.Height()));
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bits));
    Put32(out, BI_RGB);
    Put32(out, stride * static_cast<std::uint32_t>(bitmap.Height()));
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, paletted ? static_cast<std::uint32_t>(index.size()) : 0);
    Put32(out, 0);
    if (paletted) {
        for (const auto& [colour, i] : index) {
            Put32(out, colour);
        }
    }
    for (int y = bitmap.Height() - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < bitmap.Width(); ++x) {
            const std::uint32_t p = bitmap.Pixel(x, y);
            if (paletted) {
                out.push_back(index[p]);
            } else {
                out.push_back(static_cast<std::uint8_t>(p));
                out.push_back(static_cast<std::uint8_t>(p >> 8));
                out.push_back(static_cast<std::uint8_t>(p >> 16));
            }
        }
        out.resize(rowStart + stride, 0);
    }
    return out;
}

} // namespace quellar
