#pragma once
// The icon files made from the artwork, by name, as committed beside these sources and as the
// program's resource script uses them.
#include <cstdint>
#include <string>
#include <vector>

namespace quellar::art {

struct TArtFile {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

// quellar.ico (32 x 32 and 16 x 16), radar00.ico to radar15.ico, menu_start.ico,
// menu_stop.ico, menu_showform.ico and menu_exit.ico.
std::vector<TArtFile> TrayArtFiles();

} // namespace quellar::art
