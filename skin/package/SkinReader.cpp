#include "skin/package/SkinReader.h"

#include "skin/model/SkinMessage.h"
#include "skin/package/LZH.h"

#include <algorithm>
#include <cstring>

namespace quellar {

namespace {

std::int32_t ReadLE32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
        static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24);
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerAscii(const std::string& s) {
    std::string out = s;
    std::transform(out.begin(), out.end(), out.begin(), [](char c) { return LowerAscii(c); });
    return out;
}

std::vector<std::uint8_t> DecompressFile(std::span<const std::uint8_t> file) {
    // A file too short for its length field holds nothing.
    if (file.size() < 4) {
        return {};
    }
    const std::int32_t length = ReadLE32(file.data());
    if (length > MaxSkinPackageBytes) {
        throw ElzhException(LzhTooLongMessage);
    }
    TLZH lzh;
    return lzh.DecodeBuffer(file.subspan(4), length);
}

} // namespace

std::vector<std::string> SplitEntryNames(std::span<const std::uint8_t> text, std::size_t maxLines) {
    std::vector<std::string> lines;
    std::string line;
    bool pending = false;
    for (std::size_t i = 0; i < text.size() && text[i] != 0 && lines.size() < maxLines; ++i) {
        const char c = static_cast<char>(text[i]);
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            pending = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            line.push_back(LowerAscii(c));
            pending = true;
        }
    }
    if (pending && lines.size() < maxLines) {
        lines.push_back(line);
    }
    return lines;
}

bool TSkinReader::ReadSkinStream(TMemoryStream& Source) {
    return ReadSkinBytes(Source.Bytes());
}

bool TSkinReader::ReadSkinBytes(std::span<const std::uint8_t> file) {
    return IndexPackage(DecompressFile(file));
}

bool TSkinReader::IndexPackage(std::vector<std::uint8_t> package) {
    names_.clear();
    count_ = 0;
    data_.clear();
    offsets_.clear();
    // Header fields the package does not reach stay 0.
    std::uint8_t header[16] = {};
    std::copy_n(package.begin(), std::min<std::size_t>(16, package.size()), header);
    version_ = ReadLE32(header);
    namesLength_ = ReadLE32(header + 4);
    std::copy(header + 8, header + 16, reserved_.begin());
    if (version_ != SkinPackageVersion) {
        ShowSkinMessage(OlderSkinFileMessage);
        return false;
    }
    if (package.size() <= 16) {
        // Nothing beyond the header: a package without entries (a names length that the
        // package does not hold makes it damaged).
        return namesLength_ == 0;
    }
    const std::size_t size = package.size();
    if (namesLength_ < 0 || static_cast<std::size_t>(namesLength_) > size - 16) {
        return false;
    }
    // One line more than supported is enough to know the package is not usable.
    std::vector<std::string> names = SplitEntryNames(
        std::span(package).subspan(16, static_cast<std::size_t>(namesLength_)), MaxSkinEntries + 1);
    const std::size_t sizesAt = 16 + static_cast<std::size_t>(namesLength_);
    if (names.size() > MaxSkinEntries || names.size() * 4 > size - sizesAt) {
        return false;
    }
    const std::size_t count = names.size();
    std::int64_t offset = 0;
    for (std::size_t i = 0; i < count; ++i) {
        sizes_[i] = ReadLE32(package.data() + sizesAt + 4 * i);
        if (sizes_[i] < 0) {
            return false;
        }
        offsets_.push_back(offset);
        offset += sizes_[i];
    }
    names_ = std::move(names);
    count_ = static_cast<std::int32_t>(count);
    package.erase(package.begin(), package.begin() + static_cast<std::ptrdiff_t>(sizesAt + 4 * count));
    data_ = std::move(package);
    return true;
}

std::span<const std::uint8_t> TSkinReader::Entry(int index) const {
    const auto i = static_cast<std::size_t>(index);
    const std::int64_t start = std::min<std::int64_t>(offsets_[i], static_cast<std::int64_t>(data_.size()));
    const std::int64_t end =
        std::min<std::int64_t>(offsets_[i] + sizes_[i], static_cast<std::int64_t>(data_.size()));
    return std::span<const std::uint8_t>(data_).subspan(static_cast<std::size_t>(start),
                                                        static_cast<std::size_t>(end - start));
}

int TSkinReader::IndexOf(const std::string& Name) const {
    const std::string wanted = LowerAscii(Name);
    for (int i = 0; i < count_; ++i) {
        if (names_[static_cast<std::size_t>(i)] == wanted) {
            return i;
        }
    }
    return -1;
}

void TSkinReader::GetFileByName(const std::string& Name, TMemoryStream& Dest) const {
    Dest = TMemoryStream();
    if (const int i = IndexOf(Name); i >= 0) {
        const auto bytes = Entry(i);
        Dest = TMemoryStream(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    }
}

int TSkinReader::IndexOfPart(const std::string& Part) const {
    for (int i = 0; i < count_; ++i) {
        if (names_[static_cast<std::size_t>(i)].find(Part) != std::string::npos) {
            return i;
        }
    }
    return -1;
}

void TSkinReader::GetFileByPart(const std::string& Part, TMemoryStream& Dest, std::string& EntryName) const {
    Dest = TMemoryStream();
    if (const int i = IndexOfPart(Part); i >= 0) {
        const auto bytes = Entry(i);
        Dest = TMemoryStream(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        EntryName = names_[static_cast<std::size_t>(i)];
    }
}

} // namespace quellar
