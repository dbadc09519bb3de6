// Writes one of the hostile skin files as a compressed .skn file, for the program test under
// Wine and for trying `quellar-skin check` by hand:
//   make_hostile_skins names|bitmap|bitmaps|sections OUT.skn
//   make_hostile_skins FAMILY OUT.skn BASE.skn    (the hostile-number families of HostileSkins.h)
#include "skin/package/LzhEncoder.h"
#include "tests/skin/HostileSkins.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
    using namespace quellar::test;
    const std::string family = argc == 3 || argc == 4 ? argv[1] : "";
    if (argc == 4) {
        std::ifstream in(argv[3], std::ios::binary);
        const std::vector<std::uint8_t> base((std::istreambuf_iterator<char>(in)),
                                             std::istreambuf_iterator<char>());
        const std::vector<std::uint8_t> file = HostileNumbersSkinFile(base, family);
        if (file.empty()) {
            std::fprintf(stderr, "make_hostile_skins: unknown family %s or unreadable base %s\n", argv[1],
                         argv[3]);
            return 2;
        }
        std::ofstream out(argv[2], std::ios::binary);
        out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
        return out ? 0 : 1;
    }
    std::vector<std::uint8_t> package;
    if (family == "names") {
        package = ManyNamesPackage(32'000'000);
    } else if (family == "bitmap") {
        package = OneHugeBitmapPackage(4096);
    } else if (family == "bitmaps") {
        package = ManyHugeBitmapsPackage(4096, 20);
    } else if (family == "sections") {
        package = ManySectionsPackage(1'000'000);
    } else {
        std::fprintf(stderr, "usage: make_hostile_skins names|bitmap|bitmaps|sections OUT.skn\n");
        return 2;
    }
    const std::vector<std::uint8_t> file = quellar::LzhCompress(package);
    std::ofstream out(argv[2], std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    return out ? 0 : 1;
}
