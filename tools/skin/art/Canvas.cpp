#include "Canvas.h"

#include <algorithm>
#include <cstdlib>

namespace quellar::art {

namespace {
int R(std::uint32_t c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
int G(std::uint32_t c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
int B(std::uint32_t c) {
    return static_cast<int>(c & 0xFF);
}
std::uint32_t Make(int r, int g, int b) {
    return Rgb32(static_cast<std::uint32_t>(std::clamp(r, 0, 255)),
                 static_cast<std::uint32_t>(std::clamp(g, 0, 255)),
                 static_cast<std::uint32_t>(std::clamp(b, 0, 255)));
}
void Put(TBitmap32& b, int x, int y, std::uint32_t c) {
    if (x >= 0 && y >= 0 && x < b.Width() && y < b.Height()) {
        b.SetPixel(x, y, c);
    }
}
constexpr int Steps = 8; // gradients in flat bands keep each bitmap within 256 colours
} // namespace

std::uint32_t Mix(std::uint32_t a, std::uint32_t b, int num, int den) {
    if (den <= 0) {
        return a;
    }
    return Make(R(a) + (R(b) - R(a)) * num / den, G(a) + (G(b) - G(a)) * num / den,
                B(a) + (B(b) - B(a)) * num / den);
}
std::uint32_t Lighter(std::uint32_t c, int percent) {
    return Mix(c, 0xFFFFFF, percent, 100);
}
std::uint32_t Darker(std::uint32_t c, int percent) {
    return Mix(c, 0x000000, percent, 100);
}
std::uint32_t Grey(std::uint32_t c) {
    const int y = (R(c) * 30 + G(c) * 59 + B(c) * 11) / 100;
    return Make(y, y, y);
}

void Fill(TBitmap32& b, Box r, std::uint32_t c) {
    for (int y = r.y; y <= r.Bottom(); ++y) {
        for (int x = r.x; x <= r.Right(); ++x) {
            Put(b, x, y, c);
        }
    }
}

void GradientV(TBitmap32& b, Box r, std::uint32_t top, std::uint32_t bottom) {
    for (int y = 0; y < r.h; ++y) {
        const int band = r.h > 1 ? y * Steps / r.h : 0;
        Fill(b, {r.x, r.y + y, r.w, 1}, Mix(top, bottom, band, Steps - 1));
    }
}

void GradientH(TBitmap32& b, Box r, std::uint32_t left, std::uint32_t right) {
    for (int x = 0; x < r.w; ++x) {
        const int band = r.w > 1 ? x * Steps / r.w : 0;
        Fill(b, {r.x + x, r.y, 1, r.h}, Mix(left, right, band, Steps - 1));
    }
}

void Outline(TBitmap32& b, Box r, std::uint32_t c) {
    Fill(b, {r.x, r.y, r.w, 1}, c);
    Fill(b, {r.x, r.Bottom(), r.w, 1}, c);
    Fill(b, {r.x, r.y, 1, r.h}, c);
    Fill(b, {r.Right(), r.y, 1, r.h}, c);
}

void Bevel(TBitmap32& b, Box r, std::uint32_t light, std::uint32_t dark) {
    Fill(b, {r.x, r.y, r.w, 1}, light);
    Fill(b, {r.x, r.y, 1, r.h}, light);
    Fill(b, {r.x, r.Bottom(), r.w, 1}, dark);
    Fill(b, {r.Right(), r.y, 1, r.h}, dark);
}

namespace {
// True when (dx, dy), measured inward from a corner, lies outside the corner's shape.
bool OutsideCorner(Corner shape, int size, int dx, int dy) {
    switch (shape) {
    case Corner::Round: {
        const int cx = size - dx;
        const int cy = size - dy;
        return dx < size && dy < size &&
               (2 * cx - 1) * (2 * cx - 1) + (2 * cy - 1) * (2 * cy - 1) > 4 * size * size;
    }
    case Corner::Bevel:
        return dx + dy < size;
    case Corner::Notch:
        return dx < size / 2 && dy < size / 2;
    case Corner::Square:
        break;
    }
    return false;
}
} // namespace

void CutCorners(TBitmap32& b, Box r, Corner shape, int size, int which, std::uint32_t edge) {
    if (shape == Corner::Square || size <= 0) {
        return;
    }
    for (int corner = 0; corner < 4; ++corner) {
        if ((which & (1 << corner)) == 0) {
            continue;
        }
        const bool right = (corner & 1) != 0;
        const bool bottom = (corner & 2) != 0;
        for (int dy = 0; dy <= size; ++dy) {
            for (int dx = 0; dx <= size; ++dx) {
                const int x = right ? r.Right() - dx : r.x + dx;
                const int y = bottom ? r.Bottom() - dy : r.y + dy;
                if (OutsideCorner(shape, size, dx, dy)) {
                    Put(b, x, y, Key);
                } else if (OutsideCorner(shape, size, dx - 1, dy) || OutsideCorner(shape, size, dx, dy - 1)) {
                    Put(b, x, y, edge);
                }
            }
        }
    }
}

void Arrow(TBitmap32& b, Box r, Dir d, std::uint32_t c) {
    const int n = std::max(2, std::min(r.w, r.h) / 3);
    const int cx = r.x + r.w / 2;
    const int cy = r.y + r.h / 2;
    for (int i = 0; i < n; ++i) {
        const int half = n - 1 - i; // widest at the base
        for (int k = -half; k <= half; ++k) {
            switch (d) {
            case Dir::Up: // the base below, the tip above
                Put(b, cx + k, cy + n / 2 - i, c);
                break;
            case Dir::Down:
                Put(b, cx + k, cy - n / 2 + i, c);
                break;
            case Dir::Left:
                Put(b, cx + n / 2 - i, cy + k, c);
                break;
            case Dir::Right:
                Put(b, cx - n / 2 + i, cy + k, c);
                break;
            }
        }
    }
}

void Cross(TBitmap32& b, Box r, std::uint32_t c) {
    const int n = std::min(r.w, r.h);
    for (int i = 0; i < n; ++i) {
        Put(b, r.x + i, r.y + i, c);
        Put(b, r.x + i + 1, r.y + i, c);
        Put(b, r.x + n - 1 - i, r.y + i, c);
        Put(b, r.x + n - i, r.y + i, c);
    }
}

void CheckMark(TBitmap32& b, Box r, std::uint32_t c) {
    const int n = std::min(r.w, r.h);
    const int knee = n / 3;
    for (int i = 0; i <= knee; ++i) {
        Fill(b, {r.x + i, r.y + n / 2 + i - 1, 1, 2}, c);
    }
    for (int i = 0; i < n - knee; ++i) {
        Fill(b, {r.x + knee + i, r.y + n / 2 + knee - i - 1, 1, 2}, c);
    }
}

void Disc(TBitmap32& b, Box r, std::uint32_t c) {
    for (int y = 0; y < r.h; ++y) {
        for (int x = 0; x < r.w; ++x) {
            const int dx = 2 * x + 1 - r.w;
            const int dy = 2 * y + 1 - r.h;
            if (dx * dx + dy * dy <= r.w * r.h) {
                Put(b, r.x + x, r.y + y, c);
            }
        }
    }
}

void Grip(TBitmap32& b, Box r, std::uint32_t light, std::uint32_t dark) {
    for (int y = 0; y + 1 < r.h; y += 3) {
        for (int x = 0; x + 1 < r.w; x += 3) {
            if (x + y >= r.w - 2) {
                Put(b, r.x + x, r.y + y, light);
                Put(b, r.x + x + 1, r.y + y + 1, dark);
            }
        }
    }
}

} // namespace quellar::art
