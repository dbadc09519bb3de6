// skin-art STYLE OUTDIR: draws the bitmaps of one skin from its style description and writes
// them with the skin description into OUTDIR, ready for `quellar-skin pack`.
#include "SkinArt.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    if (argc != 3) {
        std::fprintf(stderr, "usage: skin-art STYLE OUTDIR\n");
        return 2;
    }
    try {
        std::ifstream in(argv[1], std::ios::binary);
        if (!in) {
            throw std::runtime_error(std::string("cannot read ") + argv[1]);
        }
        std::ostringstream text;
        text << in.rdbuf();
        const auto style = quellar::art::ParseSkinStyle(text.str());
        const fs::path dir = argv[2];
        fs::create_directories(dir);
        for (const auto& entry : quellar::art::DrawSkin(style)) {
            std::ofstream out(dir / entry.name, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(entry.bytes.data()),
                      static_cast<std::streamsize>(entry.bytes.size()));
            if (!out) {
                throw std::runtime_error("cannot write " + (dir / entry.name).string());
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skin-art: %s: %s\n", argv[1], e.what());
        return 2;
    }
    return 0;
}
