// The program's entry: the application object, its title, the main window, the message loop.
#include "app/UMain.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace quellar;
    try {
        TApplication app;
        app.Initialize();
        app.SetTitle(kAppTitle);
        app.CreateForm<TfrmMain>();
        app.Run();
    } catch (const std::exception& error) {
        // Only a layout that cannot be loaded ends up here: say so instead of vanishing.
        MessageBoxA(nullptr, error.what(), kAppTitle, MB_OK | MB_ICONERROR);
        return 1;
    }
    return 0;
}
