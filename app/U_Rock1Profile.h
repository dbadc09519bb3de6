#pragma once
// The profile-file service behind the settings routines: one small interface with the
// platform's own service on Windows and a portable file implementation of the same rules
// elsewhere (and in tests, side by side with the platform's).
#include <memory>
#include <string>

namespace quellar {

class IProfileService {
public:
    virtual ~IProfileService() = default;
    // True when a file (not a folder) exists at path.
    virtual bool FileExists(const std::string& path) = 0;
    // The key's value ("" when file, section or key is missing). The platform's service gives
    // at most kIniValueMaxLength characters; ReadIniValue cuts any longer value to that.
    virtual std::string ReadString(const std::string& path, const std::string& section,
                                   const std::string& key) = 0;
    // Writes the key (replaced in place, or added at the end of its section, the section at
    // the end of the file, the file created when missing). False when the file cannot be
    // written.
    virtual bool WriteString(const std::string& path, const std::string& section, const std::string& key,
                             const std::string& value) = 0;
};

// The service the settings routines use: the one installed by ProfileServiceOverride, or else
// the process default (the platform's on Windows, the portable one elsewhere).
IProfileService& ProfileService();

// The portable implementation: reads and rewrites the whole file on every call.
std::unique_ptr<IProfileService> MakeFileProfileService();

#ifdef _WIN32
// The platform's service (GetPrivateProfileStringA / WritePrivateProfileStringA).
std::unique_ptr<IProfileService> MakeWin32ProfileService();
#endif

// Installs a service for the lifetime of the guard and puts the previous one back afterwards.
class ProfileServiceOverride {
public:
    explicit ProfileServiceOverride(IProfileService& service);
    ~ProfileServiceOverride();
    ProfileServiceOverride(const ProfileServiceOverride&) = delete;
    ProfileServiceOverride& operator=(const ProfileServiceOverride&) = delete;

private:
    IProfileService* previous_;
};

} // namespace quellar
