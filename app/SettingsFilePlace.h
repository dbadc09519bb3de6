#pragma once
// Where the settings file lives. The fixed file in the root of drive C is the program's file
// whenever it exists or can be created: other tools and stored copies rely on that path. Only
// where it neither exists nor can be created (a standard user may not create files in the root
// of C: on Windows since Vista) does the program keep a file of the same name, section and
// format in a folder of its own under the user's local application data.
//
// The choice is made once at start-up; the file-system operations it needs come through a small
// interface so the rule is tested without touching a disk.
#include <string>

namespace quellar {

inline constexpr const char* kFixedSettingsFile = "c:\\quellar.ini";
inline constexpr const char* kSettingsFileName = "quellar.ini";
inline constexpr const char* kSettingsSection = "KOR Quellar";
inline constexpr const char* kSettingsFolderName = "KOR Quellar";

class ISettingsFileSystem {
public:
    virtual ~ISettingsFileSystem() = default;
    // True when a file (not a folder) exists at path.
    virtual bool FileExists(const std::string& path) = 0;
    // Creates the settings file at path with its first key, as the start-up does; false when
    // the file cannot be created there.
    virtual bool CreateSettingsFile(const std::string& path) = 0;
    // The user's local application-data folder, or "" when the platform cannot say.
    virtual std::string LocalAppDataFolder() = 0;
    // Creates the folder when it is missing; false when it is not there afterwards.
    virtual bool MakeFolder(const std::string& path) = 0;
};

// The per-user settings file under the given local application-data folder.
std::string PerUserSettingsFile(const std::string& localAppData);

// The file the program reads and writes from now on:
// 1. the fixed file, when it exists;
// 2. the fixed file, when it can be created (it is created here);
// 3. the fixed file, when the platform names no local application-data folder (the start-up
//    then reports that the fixed file cannot be written);
// 4. otherwise the per-user file, its folder made; the caller creates the file when missing.
std::string ChooseSettingsFile(ISettingsFileSystem& files);

#ifdef _WIN32
// The platform's file system: the profile service for the files, the shell's folder for the
// user's local application data.
ISettingsFileSystem& PlatformSettingsFileSystem();
#endif

} // namespace quellar
