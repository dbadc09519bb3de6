// The portable profile service: the whole file is read for every call and rewritten for every
// write, by the rules of IniText.
#include "app/U_Rock1IniText.h"
#include "app/U_Rock1Profile.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace quellar {

namespace {

bool IsRegularFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// The file's bytes, or no value when it is not a file or cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path) {
    if (!IsRegularFile(path)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    try {
        std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        return text;
    } catch (const std::ios_base::failure&) {
        return std::nullopt; // the stream library reports some read errors only by throwing
    }
}

class FileProfileService final : public IProfileService {
public:
    bool FileExists(const std::string& path) override { return IsRegularFile(path); }

    std::string ReadString(const std::string& path, const std::string& section,
                           const std::string& key) override {
        const auto text = ReadWholeFile(path);
        if (!text) {
            return {};
        }
        return IniText(*text).Find(section, key).value_or("");
    }

    bool WriteString(const std::string& path, const std::string& section, const std::string& key,
                     const std::string& value) override {
        std::string text;
        if (FileExists(path)) {
            auto existing = ReadWholeFile(path);
            if (!existing) {
                return false; // never replace a file whose contents could not be read
            }
            text = std::move(*existing);
        }
        IniText ini(text);
        ini.Set(section, key, value);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        if (!out) {
            return false;
        }
        const std::string updated = ini.Text();
        out.write(updated.data(), static_cast<std::streamsize>(updated.size()));
        out.close();
        return !out.fail();
    }
};

} // namespace

std::unique_ptr<IProfileService> MakeFileProfileService() {
    return std::make_unique<FileProfileService>();
}

} // namespace quellar
