// The package reader with the decoder: any bytes as a skin file. Every member found must lie
// within the entries' bytes.
#include "skin/LZH.h"
#include "skin/SkinMessage.h"
#include "skin/SkinReader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = [] {
        quellar::SetSkinMessageProc([](const std::string&) {});
        return true;
    }();
    (void)quiet;
    quellar::TSkinReader reader;
    try {
        if (!reader.ReadSkinBytes(std::span(data, size))) {
            return 0;
        }
    } catch (const quellar::ElzhException&) {
        return 0;
    }
    for (int i = 0; i < reader.Count(); ++i) {
        quellar::TMemoryStream out;
        reader.GetFileByName(reader.Names()[static_cast<std::size_t>(i)], out);
        if (static_cast<std::int64_t>(out.Size()) > reader.Size(i)) {
            std::abort();
        }
    }
    quellar::TMemoryStream ini;
    std::string name;
    reader.GetFileByPart(".ini", ini, name);
    return 0;
}
