// The skin viewer: wears a skin file named on the command line, or the first skinN.skn file
// beside the program, and offers the others.
#include "SkinFolder.h"
#include "SkinViewForm.h"

#include "skin/manager/WinSkinManage.h"

#include <windows.h>

#include <filesystem>

namespace {

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return ".";
    }
    return std::filesystem::path(path).parent_path().string();
}

} // namespace

int main(int argc, char** argv) {
    using namespace quellar;
    InstallWindowsSkinManager();
    try {
        TApplication app;
        app.Initialize();
        app.SetTitle("KOR Quellar skin viewer");
        auto* view = app.CreateForm<TfrmSkinView>();
        const std::string folder = ProgramFolder();
        const std::vector<std::string> skins = SkinFilesInOrder(FileNamesIn(folder));
        view->SetSkinList(folder, skins);
        view->Show();
        if (argc > 1) {
            view->OpenSkin(argv[1]);
        } else if (!skins.empty()) {
            view->OpenSkin((std::filesystem::path(folder) / skins.front()).string());
        }
        app.Run();
    } catch (const std::exception& error) {
        MessageBoxA(nullptr, error.what(), "KOR Quellar skin viewer", MB_OK | MB_ICONERROR);
        FreeSkinManage();
        return 1;
    }
    FreeSkinManage();
    return 0;
}
