// The settings-file routines: each call is one read or one write through the profile service.
#include "app/U_Rock1.h"
#include "app/U_Rock1Profile.h"
#include "base/Exception.h"

namespace quellar {

namespace {

// A line of the file holds one key, so a value can only be stored up to its first line break
// (or NUL, where the platform's text ends); the rest would otherwise turn into lines of its own
// and could overwrite other keys.
std::string StorableValue(const std::string& value) {
    return value.substr(0, value.find_first_of(std::string("\r\n\0", 3)));
}

} // namespace

void CreateIniIfMissing(const std::string& path, const std::string& section) {
    if (!ProfileService().FileExists(path)) {
        WriteIniValue(path, section, "Item", "Data");
    }
}

void WriteIniValue(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value) {
    if (!ProfileService().WriteString(path, section, key, StorableValue(value))) {
        throw Exception("Unable to write to " + path);
    }
}

std::string ReadIniValue(const std::string& path, const std::string& section, const std::string& key) {
    std::string value = ProfileService().ReadString(path, section, key);
    if (value.size() > kIniValueMaxLength) {
        value.resize(kIniValueMaxLength);
    }
    return value;
}

} // namespace quellar
