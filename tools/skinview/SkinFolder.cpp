#include "SkinFolder.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace quellar {

int SkinFileNumber(const std::string& fileName) {
    std::string lower = fileName;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::string prefix = "skin";
    const std::string suffix = ".skn";
    if (lower.size() <= prefix.size() + suffix.size() || lower.compare(0, prefix.size(), prefix) != 0 ||
        lower.compare(lower.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return -1;
    }
    const std::string digits = lower.substr(prefix.size(), lower.size() - prefix.size() - suffix.size());
    // Up to six digits: enough for any folder of skins, and no overflow from a hostile name.
    if (digits.size() > 6 ||
        !std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isdigit(c); })) {
        return -1;
    }
    return std::stoi(digits);
}

std::vector<std::string> SkinFilesInOrder(const std::vector<std::string>& fileNames) {
    std::vector<std::string> skins;
    std::copy_if(fileNames.begin(), fileNames.end(), std::back_inserter(skins),
                 [](const std::string& name) { return SkinFileNumber(name) >= 0; });
    std::stable_sort(skins.begin(), skins.end(), [](const std::string& a, const std::string& b) {
        return SkinFileNumber(a) < SkinFileNumber(b);
    });
    return skins;
}

std::vector<std::string> FileNamesIn(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder.empty() ? "." : folder, error), end;
         !error && it != end; it.increment(error)) {
        if (it->is_regular_file(error)) {
            names.push_back(it->path().filename().string());
        }
    }
    return names;
}

} // namespace quellar
