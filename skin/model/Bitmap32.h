#pragma once
// A portable 32-bit bitmap: rows top to bottom, one 0x00RRGGBB value per pixel (in memory the
// bytes are blue, green, red, 0, the layout of a 32-bit top-down device-independent bitmap).
// Copies share their pixels until one of them is written to, so the elements of a skin that
// name the same picture hold it once.
#include <cstdint>
#include <memory>
#include <vector>

namespace quellar {

class TBitmap32 {
public:
    TBitmap32() = default;
    TBitmap32(int width, int height, std::uint32_t fill = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }
    void Clear();

    std::uint32_t Pixel(int x, int y) const { return (*pixels_)[Index(x, y)]; }
    void SetPixel(int x, int y, std::uint32_t colour) { Own()[Index(x, y)] = colour; }
    const std::vector<std::uint32_t>& Pixels() const { return *pixels_; }
    std::uint32_t* Row(int y) { return Own().data() + Index(0, y); }
    const std::uint32_t* Row(int y) const { return pixels_->data() + Index(0, y); }
    // True when this bitmap and other hold the very same pixel store (copies not yet written to).
    bool SharesPixelsWith(const TBitmap32& other) const { return pixels_ == other.pixels_; }

    // The region x .. x+width-1, y .. y+height-1 (clipped to this bitmap) as a new bitmap.
    TBitmap32 Copy(int x, int y, int width, int height) const;

    friend bool operator==(const TBitmap32& a, const TBitmap32& b) {
        return a.width_ == b.width_ && a.height_ == b.height_ &&
               (a.SharesPixelsWith(b) || *a.pixels_ == *b.pixels_);
    }

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }

    // The pixels for writing: a store of this bitmap's own, copied first while it is shared.
    std::vector<std::uint32_t>& Own();

    int width_ = 0;
    int height_ = 0;
    // Never null; empty bitmaps share one empty store.
    std::shared_ptr<std::vector<std::uint32_t>> pixels_ = EmptyStore();

    static const std::shared_ptr<std::vector<std::uint32_t>>& EmptyStore();
};

// 0x00RRGGBB from components, and back.
constexpr std::uint32_t Rgb32(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return (r & 0xFF) << 16 | (g & 0xFF) << 8 | (b & 0xFF);
}

// Column x takes the pixel of column width-1-x, row by row.
TBitmap32 MirrorBitmap(const TBitmap32& source);

} // namespace quellar
