// The settings file's place on Windows: the profile service makes and finds the files, the shell
// names the user's local application-data folder.
#include "app/SettingsFilePlace.h"
#include "app/U_Rock1.h"
#include "app/U_Rock1Profile.h"
#include "base/Exception.h"

#include <windows.h>

#include <shlobj.h>

namespace quellar {

namespace {

class PlatformSettingsFiles final : public ISettingsFileSystem {
public:
    bool FileExists(const std::string& path) override { return ProfileService().FileExists(path); }

    bool CreateSettingsFile(const std::string& path) override {
        try {
            CreateIniIfMissing(path, kSettingsSection);
            return true;
        } catch (const Exception&) {
            return false;
        }
    }

    // SHGetFolderPathA rather than SHGetKnownFolderPath: the program's file calls take ANSI
    // paths, and it answers on every Windows the program runs on.
    std::string LocalAppDataFolder() override {
        char path[MAX_PATH] = {};
        if (FAILED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                    SHGFP_TYPE_CURRENT, path))) {
            return {};
        }
        return path;
    }

    bool MakeFolder(const std::string& path) override {
        if (CreateDirectoryA(path.c_str(), nullptr)) {
            return true;
        }
        const DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    }
};

} // namespace

ISettingsFileSystem& PlatformSettingsFileSystem() {
    static PlatformSettingsFiles files;
    return files;
}

} // namespace quellar
