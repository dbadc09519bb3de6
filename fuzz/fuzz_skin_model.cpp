// The description reader with the model: any bytes as a decompressed skin package (the decoder
// has its own target), loaded the way the program loads a skin: the first ".ini" member is the
// description and every image key names a member of the same package.
#include "skin/SkinMessage.h"
#include "skin/SkinReader.h"
#include "skin/WinSkinData.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = [] {
        quellar::SetSkinMessageProc([](const std::string&) {});
        return true;
    }();
    (void)quiet;
    quellar::TSkinReader reader;
    if (!reader.ReadPackage(std::span(data, size))) {
        return 0;
    }
    quellar::TMemoryStream ini;
    std::string name;
    reader.GetFileByPart(".ini", ini, name);
    // One component for every run: each load rebuilds the whole model, as a skin change does.
    static quellar::TSkinData skin(nullptr);
    std::vector<std::string> warnings;
    skin.ReadSkinDescription(std::string(ini.Bytes().begin(), ini.Bytes().end()), reader, &warnings);
    if (!skin.SkinLoaded() || skin.SysButtons().size() < 3) {
        std::abort();
    }
    return 0;
}
