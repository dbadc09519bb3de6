#pragma once
// TSkinReader: opens a skin package. A skin file is a 32-bit length followed by an LZHUF bit
// stream; the decompressed package is a 16-byte header (version 20000, length of the names
// text, 8 reserved bytes), the entry names one per line, one 32-bit size per entry, and the
// entries' bytes concatenated in the same order. Names are kept lower-cased.
#include "base/Stream.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quellar {

inline constexpr std::int32_t SkinPackageVersion = 20000;
inline constexpr int MaxSkinEntries = 1001;
// Skins are some 100 KB decompressed; a length field above this is refused like a damaged one,
// so no file can make the reader ask for hundreds of megabytes.
inline constexpr std::int32_t MaxSkinPackageBytes = 64 * 1024 * 1024;
inline constexpr const char* OlderSkinFileMessage = "This is Older Skin File\rPlease update to new version !";

class TSkinReader {
public:
    // Decompresses and indexes a whole skin file held in Source. False when the package is of
    // another version (after showing the version message) or is damaged: more than 1001
    // entries, a names text or size table beyond the package's end, or a negative size.
    // Raises ElzhException when the length field is more than the compressed data can hold or
    // more than MaxSkinPackageBytes.
    bool ReadSkinStream(TMemoryStream& Source);
    bool ReadSkinBytes(std::span<const std::uint8_t> file);
    // Indexes a package that is already decompressed (same results as ReadSkinBytes).
    bool ReadPackage(std::span<const std::uint8_t> package) {
        return IndexPackage(std::vector<std::uint8_t>(package.begin(), package.end()));
    }

    // The index of the first entry whose name equals Name (ASCII case ignored), or -1.
    int IndexOf(const std::string& Name) const;
    // Copies the entry whose name equals Name (ASCII case ignored) into Dest; Dest stays empty
    // when there is none.
    void GetFileByName(const std::string& Name, TMemoryStream& Dest) const;
    // The index of the first entry whose (lower-cased) name contains Part, or -1.
    int IndexOfPart(const std::string& Part) const;
    // Copies the first entry whose (lower-cased) name contains Part; Part is taken as it is.
    void GetFileByPart(const std::string& Part, TMemoryStream& Dest, std::string& EntryName) const;

    const std::vector<std::string>& Names() const { return names_; }
    std::int32_t Count() const { return count_; }
    std::int32_t Size(int index) const { return sizes_[static_cast<std::size_t>(index)]; }
    std::int32_t Version() const { return version_; }
    // The bytes of entry `index`, cut short at the end of the entries' area.
    std::span<const std::uint8_t> Entry(int index) const;

private:
    // Takes the package over: its entries' bytes stay where they are, nothing is copied.
    bool IndexPackage(std::vector<std::uint8_t> package);

    std::vector<std::string> names_;
    std::int32_t count_ = 0;
    std::array<std::int32_t, MaxSkinEntries> sizes_{};
    std::vector<std::uint8_t> data_;
    std::vector<std::int64_t> offsets_;
    std::int32_t version_ = 0;
    std::int32_t namesLength_ = 0;
    std::array<std::uint8_t, 8> reserved_{};
};

// Splits a names text into lines at CR, LF or CR LF (no empty last line for a final break; a
// zero byte ends the text), lower-casing ASCII letters. Stops once it holds maxLines lines, so a
// text of millions of lines costs no more than the lines a caller can use.
std::vector<std::string> SplitEntryNames(std::span<const std::uint8_t> text,
                                         std::size_t maxLines = static_cast<std::size_t>(-1));

} // namespace quellar
