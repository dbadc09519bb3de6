// The program's entry: the application object, its title, the main window, the message loop.
#include "app/UMain.h"
#include "skin/manager/WinSkinManage.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace quellar;
    // Every window of the program wears the skin its main window loads.
    InstallWindowsSkinManager();
    try {
        TApplication app;
        app.Initialize();
        app.SetTitle(kAppTitle);
        app.CreateForm<TfrmMain>();
        app.Run();
    } catch (const std::exception& error) {
        // Only a layout that cannot be loaded ends up here: say so instead of vanishing.
        MessageBoxA(nullptr, error.what(), kAppTitle, MB_OK | MB_ICONERROR);
        FreeSkinManage();
        return 1;
    }
    // After the windows are gone, so the manager only frees what is left.
    FreeSkinManage();
    return 0;
}
