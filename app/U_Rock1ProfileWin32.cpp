// The platform's profile-file service. Built only for Windows.
#include "app/U_Rock1.h"
#include "app/U_Rock1Profile.h"

#include <windows.h>

namespace quellar {

namespace {

class Win32ProfileService final : public IProfileService {
public:
    bool FileExists(const std::string& path) override {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    }

    std::string ReadString(const std::string& path, const std::string& section,
                           const std::string& key) override {
        char buffer[kIniValueMaxLength + 1];
        const DWORD length =
            GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer, sizeof buffer, path.c_str());
        return std::string(buffer, length);
    }

    bool WriteString(const std::string& path, const std::string& section, const std::string& key,
                     const std::string& value) override {
        if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str())) {
            return false;
        }
        // Systems that cache profile files write them out only when asked to; ask every time so
        // each key is on disk when the call returns.
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
        return true;
    }
};

} // namespace

std::unique_ptr<IProfileService> MakeWin32ProfileService() {
    return std::make_unique<Win32ProfileService>();
}

} // namespace quellar
