// quellar-skin view: starts the skin viewer beside this program on a skin file.
#include "SkinTool.h"

#include <filesystem>
#include <ostream>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#endif

namespace quellar {

int StartSkinViewer(const std::string& file, std::ostream& out) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        throw std::runtime_error("cannot open " + file);
    }
#ifdef _WIN32
    char self[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        throw std::runtime_error("cannot find the folder of this program");
    }
    const std::string viewer = (std::filesystem::path(self).parent_path() / "quellar-skinview.exe").string();
    const std::string absolute = std::filesystem::absolute(file, error).string();
    std::string commandLine = "\"" + viewer + "\" \"" + (error ? file : absolute) + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(viewer.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        throw std::runtime_error("cannot start " + viewer + " (error " + std::to_string(GetLastError()) +
                                 ")");
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    out << "viewing " << file << "\n";
    return 0;
#else
    (void)out;
    throw std::runtime_error("view: the skin viewer is a Windows program; run quellar-skinview.exe " + file);
#endif
}

} // namespace quellar
