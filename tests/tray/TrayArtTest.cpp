// The artwork: the animation turns, the pictures are what their names say, and the committed
// icon files are exactly what the code draws.
#include "assets/tray/TrayArt.h"
#include "assets/tray/IconFile.h"
#include "assets/tray/TrayArtFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace quellar::art {
namespace {

unsigned Alpha(std::uint32_t pixel) {
    return pixel >> 24;
}
unsigned Green(std::uint32_t pixel) {
    return (pixel >> 8) & 0xFF;
}

// The bearing (degrees clockwise from up) of the brightest pixels inside the scope, that is
// where the sweep line is drawn.
double MeasuredSweep(const TArtImage& frame) {
    double sx = 0, sy = 0;
    for (int y = 0; y < frame.height; ++y) {
        for (int x = 0; x < frame.width; ++x) {
            const double dx = x + 0.5 - 8.0, dy = y + 0.5 - 8.0;
            if (std::hypot(dx, dy) > 5.5 || std::hypot(dx, dy) < 1.5 || Green(frame.At(x, y)) < 200) {
                continue;
            }
            sx += dx;
            sy += -dy;
        }
    }
    const double degrees = std::atan2(sx, sy) * 180.0 / 3.14159265358979323846;
    return degrees < 0 ? degrees + 360.0 : degrees;
}

double AngleBetween(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

TEST(TrayArt, RadarSweepTurnsClockwiseOneSixteenthPerFrame) {
    for (int i = 0; i < kRadarFrameCount; ++i) {
        const TArtImage frame = RadarFrame(i);
        ASSERT_EQ(16, frame.width);
        ASSERT_EQ(16, frame.height);
        EXPECT_LT(AngleBetween(22.5 * i, MeasuredSweep(frame)), 12.0) << "frame " << i;
    }
}

TEST(TrayArt, RadarFramesAreRoundAndAllDifferent) {
    std::set<std::vector<std::uint32_t>> distinct;
    for (int i = 0; i < kRadarFrameCount; ++i) {
        const TArtImage frame = RadarFrame(i);
        EXPECT_EQ(0u, Alpha(frame.At(0, 0))) << "corners are clear, frame " << i;
        EXPECT_EQ(0u, Alpha(frame.At(15, 15)));
        EXPECT_EQ(255u, Alpha(frame.At(8, 8))) << "the scope is opaque";
        distinct.insert(frame.argb);
    }
    EXPECT_EQ(static_cast<std::size_t>(kRadarFrameCount), distinct.size());
}

TEST(TrayArt, ProgramIconAndMenuPicturesHaveTheirSizesAndDiffer) {
    const TArtImage icon = ProgramIcon();
    EXPECT_EQ(32, icon.width);
    EXPECT_EQ(32, icon.height);
    EXPECT_EQ(255u, Alpha(icon.At(16, 16)));
    std::set<std::vector<std::uint32_t>> distinct;
    for (int i = 0; i < kMenuPictureCount; ++i) {
        const TArtImage picture = MenuPicture(static_cast<TMenuPicture>(i));
        EXPECT_EQ(16, picture.width);
        EXPECT_EQ(16, picture.height);
        unsigned opaque = 0;
        for (std::uint32_t pixel : picture.argb) {
            opaque += Alpha(pixel) == 255 ? 1 : 0;
        }
        EXPECT_GT(opaque, 20u) << "picture " << i << " draws something";
        distinct.insert(picture.argb);
    }
    EXPECT_EQ(static_cast<std::size_t>(kMenuPictureCount), distinct.size());
}

std::uint32_t Read32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

TEST(TrayArt, IconFileHoldsEachImageWithColourAndMask) {
    const TArtImage frame = RadarFrame(3);
    const std::vector<std::uint8_t> file = IconFileBytes({ProgramIcon(32), frame});
    ASSERT_GE(file.size(), 38u);
    EXPECT_EQ(1u, file[2]) << "type icon";
    EXPECT_EQ(2u, file[4]) << "two images";
    EXPECT_EQ(32u, file[6]);
    EXPECT_EQ(16u, file[6 + 16]);
    const std::uint32_t size = Read32(file, 6 + 16 + 8), offset = Read32(file, 6 + 16 + 12);
    EXPECT_EQ(file.size(), static_cast<std::size_t>(offset) + size) << "the second image ends the file";
    EXPECT_EQ(40u + 16 * 16 * 4 + 16 * 4, size);
    EXPECT_EQ(32u, Read32(file, offset + 8)) << "height counts colour and mask";
    // The colour rows are stored bottom-up: the file's first row is the image's last.
    EXPECT_EQ(frame.At(5, 15), Read32(file, offset + 40 + 5 * 4));
    // The mask marks the clear top-left corner (last mask row) as transparent.
    const std::size_t lastMaskRow = offset + 40 + 16 * 16 * 4 + 15 * 4;
    EXPECT_EQ(0x80u, file[lastMaskRow] & 0x80u);
    EXPECT_THROW(IconFileBytes({TArtImage{}}), std::invalid_argument);
}

TEST(TrayArt, CommittedIconFilesMatchTheDrawing) {
    const auto files = TrayArtFiles();
    EXPECT_EQ(21u, files.size());
    for (const auto& file : files) {
        std::ifstream in(std::string(QUELLAR_TRAY_ART_DIR) + "/" + file.name, std::ios::binary);
        ASSERT_TRUE(in) << file.name << " is missing: run make_tray_art assets/tray";
        const std::vector<std::uint8_t> committed((std::istreambuf_iterator<char>(in)),
                                                  std::istreambuf_iterator<char>());
        EXPECT_TRUE(committed == file.bytes) << file.name << " differs: run make_tray_art assets/tray";
    }
}

} // namespace
} // namespace quellar::art
