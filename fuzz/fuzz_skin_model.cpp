// The description reader with the model: the input is split into an INI description and one
// bitmap member that every image key of the description may name.
#include "skin/SkinMessage.h"
#include "skin/SkinPackageWriter.h"
#include "skin/SkinReader.h"
#include "skin/WinSkinData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = [] {
        quellar::SetSkinMessageProc([](const std::string&) {});
        return true;
    }();
    (void)quiet;
    // First byte: where the description ends (in 1/256ths of the rest).
    if (size < 1) {
        return 0;
    }
    const std::size_t rest = size - 1;
    const std::size_t cut = rest * data[0] / 256;
    const std::string ini(reinterpret_cast<const char*>(data + 1), cut);
    const std::vector<std::uint8_t> bitmap(data + 1 + cut, data + size);
    // The package goes to the reader uncompressed: the decoder has its own target.
    quellar::TSkinReader reader;
    const std::vector<std::uint8_t> package =
        quellar::BuildSkinPackage({{"a.bmp", bitmap}, {"b.bmp", bitmap}, {"i.bmp", bitmap}});
    if (!reader.ReadPackage(package)) {
        return 0;
    }
    // One component for every run: each load rebuilds the whole model, as a skin change does.
    static quellar::TSkinData skin(nullptr);
    std::vector<std::string> warnings;
    skin.ReadSkinDescription(ini, reader, &warnings);
    return skin.SkinLoaded() ? 0 : 1;
}
