#include "skin/package/SkinPackageWriter.h"

#include "skin/package/LzhEncoder.h"
#include "skin/package/SkinReader.h"

#include <stdexcept>

namespace quellar {

namespace {
void PutLE32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
}
} // namespace

std::vector<std::uint8_t> BuildSkinPackage(const std::vector<TSkinPackageEntry>& entries) {
    if (entries.size() > MaxSkinEntries) {
        throw std::length_error("a skin package holds at most 1001 entries");
    }
    std::string names;
    for (const TSkinPackageEntry& e : entries) {
        if (e.name.empty() || e.name.find_first_of("\r\n") != std::string::npos ||
            e.name.find('\0') != std::string::npos) {
            throw std::invalid_argument("entry name unusable in a skin package: '" + e.name + "'");
        }
        names += e.name + "\r\n";
    }
    std::vector<std::uint8_t> out;
    PutLE32(out, SkinPackageVersion);
    PutLE32(out, static_cast<std::uint32_t>(names.size()));
    out.insert(out.end(), 8, 0);
    out.insert(out.end(), names.begin(), names.end());
    for (const TSkinPackageEntry& e : entries) {
        PutLE32(out, static_cast<std::uint32_t>(e.bytes.size()));
    }
    for (const TSkinPackageEntry& e : entries) {
        out.insert(out.end(), e.bytes.begin(), e.bytes.end());
    }
    return out;
}

std::vector<std::uint8_t> BuildSkinFile(const std::vector<TSkinPackageEntry>& entries) {
    return LzhCompress(BuildSkinPackage(entries));
}

} // namespace quellar
