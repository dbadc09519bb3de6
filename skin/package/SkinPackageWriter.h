#pragma once
// Builds skin packages: the inverse of TSkinReader, used by the skin tool and the tests.
#include <cstdint>
#include <string>
#include <vector>

namespace quellar {

struct TSkinPackageEntry {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

// The decompressed package: version 20000, the names each ended by CR LF, the sizes, the bytes.
std::vector<std::uint8_t> BuildSkinPackage(const std::vector<TSkinPackageEntry>& entries);
// A whole skin file: the package LZHUF-compressed behind its 32-bit length.
std::vector<std::uint8_t> BuildSkinFile(const std::vector<TSkinPackageEntry>& entries);

} // namespace quellar
