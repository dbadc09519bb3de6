// The package reader with the decoder: any bytes as a skin file. Every member found must lie
// within the entries' bytes, and looking a member up by name returns that member.
#include "skin/model/SkinMessage.h"
#include "skin/package/LZH.h"
#include "skin/package/SkinReader.h"

#include <algorithm>
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
        // An entry never reaches beyond its own size, and a name lookup hands back the first
        // entry of that name (a damaged package may repeat a name), byte for byte.
        const auto entry = reader.Entry(i);
        if (static_cast<std::int64_t>(entry.size()) > reader.Size(i)) {
            std::abort();
        }
        const std::string& name = reader.Names()[static_cast<std::size_t>(i)];
        int first = 0;
        while (reader.Names()[static_cast<std::size_t>(first)] != name) {
            ++first;
        }
        quellar::TMemoryStream out;
        reader.GetFileByName(name, out);
        const auto expected = reader.Entry(first);
        if (out.Bytes().size() != expected.size() ||
            !std::equal(expected.begin(), expected.end(), out.Bytes().begin())) {
            std::abort();
        }
    }
    quellar::TMemoryStream ini;
    std::string name;
    reader.GetFileByPart(".ini", ini, name);
    return 0;
}
