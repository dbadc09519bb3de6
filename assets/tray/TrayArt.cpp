#include "TrayArt.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace quellar::art {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kSubsamples = 4; // per axis, for smooth edges

struct TColour {
    std::uint32_t r, g, b;
};

// A shape answers, for a point in pixel coordinates, whether it is inside.
using TShape = std::function<bool(double x, double y)>;

TArtImage Blank(int size) {
    return TArtImage{size, size, std::vector<std::uint32_t>(static_cast<std::size_t>(size * size), 0)};
}

// Paints `colour` over the image where the shape is, weighted by how much of each pixel it
// covers ("over" composition with straight alpha). The blending is integer arithmetic so every
// build draws the same bytes.
void Paint(TArtImage& image, const TShape& shape, TColour colour, int opacity = 255) {
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            int inside = 0;
            for (int sy = 0; sy < kSubsamples; ++sy) {
                for (int sx = 0; sx < kSubsamples; ++sx) {
                    inside += shape(x + (sx + 0.5) / kSubsamples, y + (sy + 0.5) / kSubsamples) ? 1 : 0;
                }
            }
            constexpr int kSamples = kSubsamples * kSubsamples;
            const std::uint32_t a = static_cast<std::uint32_t>((opacity * inside + kSamples / 2) / kSamples);
            if (a == 0) {
                continue;
            }
            std::uint32_t& pixel = image.argb[static_cast<std::size_t>(y * image.width + x)];
            const std::uint32_t da = pixel >> 24;
            const std::uint32_t srcWeight = a * 255, dstWeight = da * (255 - a);
            const std::uint32_t total = srcWeight + dstWeight; // alpha out, times 255
            auto channel = [&](int shift, std::uint32_t src) {
                const std::uint32_t dst = (pixel >> shift) & 0xFF;
                return (src * srcWeight + dst * dstWeight + total / 2) / total;
            };
            const std::uint32_t r = channel(16, colour.r), g = channel(8, colour.g), b = channel(0, colour.b);
            pixel = (total + 127) / 255 << 24 | r << 16 | g << 8 | b;
        }
    }
}

TColour Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return {r, g, b};
}

TShape Disc(double cx, double cy, double radius) {
    return [=](double x, double y) { return std::hypot(x - cx, y - cy) <= radius; };
}

TShape Ring(double cx, double cy, double inner, double outer) {
    return [=](double x, double y) {
        const double d = std::hypot(x - cx, y - cy);
        return d >= inner && d <= outer;
    };
}

TShape Rect(double left, double top, double right, double bottom) {
    return [=](double x, double y) { return x >= left && x <= right && y >= top && y <= bottom; };
}

// A line segment of the given width.
TShape Segment(double x0, double y0, double x1, double y1, double width) {
    return [=](double x, double y) {
        const double dx = x1 - x0, dy = y1 - y0;
        const double t = std::clamp(((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= width / 2;
    };
}

TShape Triangle(double ax, double ay, double bx, double by, double cx, double cy) {
    return [=](double x, double y) {
        auto side = [&](double px, double py, double qx, double qy) {
            return (qx - px) * (y - py) - (qy - py) * (x - px);
        };
        const double s1 = side(ax, ay, bx, by), s2 = side(bx, by, cx, cy), s3 = side(cx, cy, ax, ay);
        return (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
    };
}

// Angle of a point around a centre, in degrees clockwise from straight up, in [0, 360).
double Bearing(double cx, double cy, double x, double y) {
    const double degrees = std::atan2(x - cx, cy - y) * 180.0 / kPi;
    return degrees < 0 ? degrees + 360.0 : degrees;
}

// Of the points of `shape`, those whose bearing lies between `from` and `to` degrees.
TShape Sector(const TShape& shape, double cx, double cy, double from, double to) {
    return [=](double x, double y) {
        if (!shape(x, y)) {
            return false;
        }
        const double span = std::fmod(to - from + 720.0, 360.0);
        const double offset = std::fmod(Bearing(cx, cy, x, y) - from + 720.0, 360.0);
        return offset <= span;
    };
}

} // namespace

double RadarSweepDegrees(int index) {
    return 22.5 * (((index % kRadarFrameCount) + kRadarFrameCount) % kRadarFrameCount);
}

TArtImage RadarFrame(int index) {
    TArtImage image = Blank(16);
    const double c = 8.0, radius = 7.6;
    const double sweep = RadarSweepDegrees(index);
    Paint(image, Disc(c, c, radius), Rgb(8, 36, 16));
    Paint(image, Segment(c, c - radius, c, c + radius, 0.6), Rgb(20, 90, 40));
    Paint(image, Segment(c - radius, c, c + radius, c, 0.6), Rgb(20, 90, 40));
    Paint(image, Ring(c, c, 3.4, 4.0), Rgb(20, 90, 40));
    // The trail: four bands of 22.5 degrees behind the sweep, fading with age.
    const int trailOpacity[] = {217, 140, 82, 38}; // of 255
    for (int band = 0; band < 4; ++band) {
        const double to = sweep - 22.5 * band;
        Paint(image, Sector(Disc(c, c, radius - 0.6), c, c, to - 22.5, to), Rgb(60, 220, 90),
              trailOpacity[band]);
    }
    const double rad = sweep * kPi / 180.0;
    Paint(image, Segment(c, c, c + std::sin(rad) * (radius - 0.4), c - std::cos(rad) * (radius - 0.4), 1.3),
          Rgb(200, 255, 200));
    Paint(image, Ring(c, c, radius - 1.1, radius), Rgb(90, 200, 110));
    return image;
}

TArtImage ProgramIcon(int size) {
    TArtImage image = Blank(size);
    const double s = size / 32.0; // drawn on a 32-unit grid
    Paint(image, Disc(16 * s, 16 * s, 15.5 * s), Rgb(24, 60, 130));
    Paint(image, Ring(16 * s, 16 * s, 14.2 * s, 15.5 * s), Rgb(120, 170, 230));
    // Loudspeaker: magnet and cone.
    Paint(image, Rect(5 * s, 12.5 * s, 9.5 * s, 19.5 * s), Rgb(245, 245, 245));
    Paint(image, Triangle(9 * s, 12.5 * s, 16 * s, 6.5 * s, 16 * s, 25.5 * s), Rgb(245, 245, 245));
    Paint(image, Rect(9 * s, 12.5 * s, 12 * s, 19.5 * s), Rgb(245, 245, 245));
    // Sound waves going out to the right.
    for (int wave = 0; wave < 3; ++wave) {
        const double inner = (5.5 + wave * 3.6) * s;
        Paint(image, Sector(Ring(13.5 * s, 16 * s, inner, inner + 1.7 * s), 13.5 * s, 16 * s, 45, 135),
              Rgb(255, 210, 60));
    }
    return image;
}

TArtImage MenuPicture(TMenuPicture picture) {
    TArtImage image = Blank(16);
    switch (picture) {
    case mpStart:
        Paint(image, Triangle(4, 2.5, 4, 13.5, 13.5, 8), Rgb(20, 120, 40));
        Paint(image, Triangle(5.2, 4.6, 5.2, 11.4, 11.3, 8), Rgb(70, 200, 90));
        break;
    case mpStop:
        Paint(image, Rect(2.5, 2.5, 13.5, 13.5), Rgb(140, 20, 20));
        Paint(image, Rect(3.7, 3.7, 12.3, 12.3), Rgb(225, 60, 50));
        break;
    case mpShowForm:
        Paint(image, Rect(1.5, 2.5, 14.5, 13.5), Rgb(70, 70, 80));
        Paint(image, Rect(2.5, 3.5, 13.5, 12.5), Rgb(250, 250, 250));
        Paint(image, Rect(2.5, 3.5, 13.5, 6.0), Rgb(40, 90, 200));
        Paint(image, Rect(11.0, 4.1, 12.8, 5.4), Rgb(250, 250, 250));
        break;
    case mpExit:
        // A power symbol: a ring open at the top and a bar through the gap.
        Paint(image, Sector(Ring(8, 8.6, 4.2, 6.2), 8, 8.6, 35, 325), Rgb(170, 30, 30));
        Paint(image, Segment(8, 1.8, 8, 8.2, 2.0), Rgb(170, 30, 30));
        break;
    }
    return image;
}

} // namespace quellar::art
