// The rule that picks the settings file (see SettingsFilePlace.h).
#include "app/SettingsFilePlace.h"

namespace quellar {

namespace {

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) {
        return folder + name;
    }
    return folder + "\\" + name;
}

} // namespace

std::string PerUserSettingsFile(const std::string& localAppData) {
    return JoinPath(JoinPath(localAppData, kSettingsFolderName), kSettingsFileName);
}

std::string ChooseSettingsFile(ISettingsFileSystem& files) {
    if (files.FileExists(kFixedSettingsFile) || files.CreateSettingsFile(kFixedSettingsFile)) {
        return kFixedSettingsFile;
    }
    const std::string localAppData = files.LocalAppDataFolder();
    if (localAppData.empty()) {
        return kFixedSettingsFile;
    }
    // A failure to make the folder shows later, when the file cannot be written there.
    files.MakeFolder(JoinPath(localAppData, kSettingsFolderName));
    return PerUserSettingsFile(localAppData);
}

} // namespace quellar
