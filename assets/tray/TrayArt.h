#pragma once
// The icon artwork of the program, drawn in code: the 32 x 32 program icon, the 16 frames of the
// running animation (a radar sweep turning clockwise, 22.5 degrees a frame) and the four 16 x 16
// menu pictures (START, STOP, SHOW FORM, Exit). Pixels are 32-bit ARGB with straight alpha,
// rows top to bottom, so they go into an icon file or a Win32 icon unchanged.
#include <cstdint>
#include <vector>

namespace quellar::art {

struct TArtImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb; // width * height pixels, row by row from the top

    std::uint32_t At(int x, int y) const { return argb[static_cast<std::size_t>(y * width + x)]; }
};

inline constexpr int kRadarFrameCount = 16;
inline constexpr int kMenuPictureCount = 4;
enum TMenuPicture : int { mpStart = 0, mpStop = 1, mpShowForm = 2, mpExit = 3 };

// The program icon at 32 x 32 (size 16 gives the same drawing at 16 x 16).
TArtImage ProgramIcon(int size = 32);
// Frame `index` (0 to 15) of the running animation: the sweep points at index * 22.5 degrees
// clockwise from straight up, with a fading trail behind it.
TArtImage RadarFrame(int index);
// The sweep's leading angle of a frame in degrees, clockwise from straight up.
double RadarSweepDegrees(int index);
TArtImage MenuPicture(TMenuPicture picture);

} // namespace quellar::art
