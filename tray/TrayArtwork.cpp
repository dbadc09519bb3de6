#include "tray/TrayArtwork.h"

#include <cstring>
#include <utility>

namespace quellar {

HICON CreateArtIcon(const art::TArtImage& image) {
    BITMAPV5HEADER header{};
    header.bV5Size = sizeof header;
    header.bV5Width = image.width;
    header.bV5Height = -image.height; // top-down rows, as the image keeps them
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00FF0000;
    header.bV5GreenMask = 0x0000FF00;
    header.bV5BlueMask = 0x000000FF;
    header.bV5AlphaMask = 0xFF000000;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP colour =
        CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (colour == nullptr || bits == nullptr) {
        return nullptr;
    }
    std::memcpy(bits, image.argb.data(), image.argb.size() * sizeof(std::uint32_t));
    // The alpha channel decides; the mask is all "draw" so old displays show the square.
    const std::vector<BYTE> maskBits(static_cast<std::size_t>((image.width + 15) / 16 * 2 * image.height), 0);
    HBITMAP mask = CreateBitmap(image.width, image.height, 1, 1, maskBits.data());
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = colour;
    info.hbmMask = mask;
    HICON icon = mask != nullptr ? CreateIconIndirect(&info) : nullptr;
    DeleteObject(colour);
    if (mask != nullptr) {
        DeleteObject(mask);
    }
    return icon;
}

HICON CreateProgramIcon() {
    return CreateArtIcon(art::ProgramIcon(32));
}

TTrayIconSet::TTrayIconSet(std::vector<HICON> icons, TComponent* component)
    : icons_(std::move(icons)), component_(component) {}

TTrayIconSet::~TTrayIconSet() {
    for (HICON icon : icons_) {
        if (icon != nullptr) {
            DestroyIcon(icon);
        }
    }
}

std::vector<HICON> TTrayIconSet::CreateRadarFrames() {
    std::vector<HICON> frames;
    for (int i = 0; i < art::kRadarFrameCount; ++i) {
        frames.push_back(CreateArtIcon(art::RadarFrame(i)));
    }
    return frames;
}

std::vector<HICON> TTrayIconSet::CreateMenuPictures() {
    std::vector<HICON> pictures;
    for (int i = 0; i < art::kMenuPictureCount; ++i) {
        pictures.push_back(CreateArtIcon(art::MenuPicture(static_cast<art::TMenuPicture>(i))));
    }
    return pictures;
}

HICON TTrayIconSet::GetIcon(int index) const {
    if (index < 0 || index >= Count()) {
        return nullptr;
    }
    return icons_[static_cast<std::size_t>(index)];
}

} // namespace quellar
