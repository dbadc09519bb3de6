#include "IconFile.h"

#include <stdexcept>

namespace quellar::art {

namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

std::size_t MaskRowBytes(int width) {
    return static_cast<std::size_t>((width + 31) / 32 * 4);
}

// The entry's data: header, colour rows and mask rows, both bottom-up.
std::vector<std::uint8_t> EntryBytes(const TArtImage& image) {
    const std::size_t colourBytes = static_cast<std::size_t>(image.width * image.height * 4);
    const std::size_t maskBytes = MaskRowBytes(image.width) * static_cast<std::size_t>(image.height);
    std::vector<std::uint8_t> out;
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(image.width));
    Put32(out, static_cast<std::uint32_t>(image.height * 2)); // colour and mask together
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0); // uncompressed
    Put32(out, static_cast<std::uint32_t>(colourBytes + maskBytes));
    for (int i = 0; i < 4; ++i) {
        Put32(out, 0);
    }
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            Put32(out, image.At(x, y)); // little-endian ARGB is the file's BGRA
        }
    }
    for (int y = image.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(MaskRowBytes(image.width), 0);
        for (int x = 0; x < image.width; ++x) {
            if ((image.At(x, y) >> 24) == 0) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

} // namespace

std::vector<std::uint8_t> IconFileBytes(const std::vector<TArtImage>& images) {
    std::vector<std::uint8_t> out;
    Put16(out, 0);
    Put16(out, 1); // icon
    Put16(out, static_cast<unsigned>(images.size()));
    std::vector<std::vector<std::uint8_t>> entries;
    for (const TArtImage& image : images) {
        if (image.width < 1 || image.width > 256 || image.height < 1 || image.height > 256 ||
            image.argb.size() != static_cast<std::size_t>(image.width * image.height)) {
            throw std::invalid_argument("icon images must be 1 to 256 pixels a side");
        }
        entries.push_back(EntryBytes(image));
    }
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.push_back(static_cast<std::uint8_t>(images[i].width & 0xFF)); // 256 is written as 0
        out.push_back(static_cast<std::uint8_t>(images[i].height & 0xFF));
        out.push_back(0); // no palette
        out.push_back(0);
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, static_cast<std::uint32_t>(entries[i].size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(entries[i].size());
    }
    for (const auto& entry : entries) {
        out.insert(out.end(), entry.begin(), entry.end());
    }
    return out;
}

} // namespace quellar::art
