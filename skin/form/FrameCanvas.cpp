#include "skin/form/FrameCanvas.h"

#include <algorithm>

namespace quellar {

void TFrameCanvas::Release() {
    if (dc_ != nullptr) {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    if (section_ != nullptr) {
        DeleteObject(section_);
    }
    dc_ = nullptr;
    section_ = nullptr;
    old_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = 0;
}

HDC TFrameCanvas::Load(const TBitmap32& pixels) {
    if (pixels.Empty()) {
        return nullptr;
    }
    if (pixels.Width() != width_ || pixels.Height() != height_ || dc_ == nullptr) {
        Release();
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = pixels.Width();
        info.bmiHeader.biHeight = -pixels.Height(); // top-down, as the pixels are kept
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        section_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        dc_ = section_ != nullptr ? CreateCompatibleDC(nullptr) : nullptr;
        if (dc_ == nullptr) {
            Release();
            return nullptr;
        }
        old_ = SelectObject(dc_, section_);
        bits_ = static_cast<std::uint32_t*>(bits);
        width_ = pixels.Width();
        height_ = pixels.Height();
    }
    GdiFlush(); // drawing on the surface has finished before its memory is written
    std::copy(pixels.Pixels().begin(), pixels.Pixels().end(), bits_);
    return dc_;
}

} // namespace quellar
