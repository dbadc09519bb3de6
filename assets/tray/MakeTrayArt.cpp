// Writes the icon files of the artwork into a folder: `make_tray_art <folder>`. The files
// committed beside these sources are its output; a test checks that they still match.
#include "TrayArtFiles.h"

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_tray_art <output folder>\n");
        return 2;
    }
    for (const auto& file : quellar::art::TrayArtFiles()) {
        const std::string path = std::string(argv[1]) + "/" + file.name;
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(file.bytes.data()),
                  static_cast<std::streamsize>(file.bytes.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
