#include "TrayArtFiles.h"

#include "IconFile.h"
#include "TrayArt.h"

#include <cstdio>

namespace quellar::art {

std::vector<TArtFile> TrayArtFiles() {
    std::vector<TArtFile> files;
    files.push_back({"quellar.ico", IconFileBytes({ProgramIcon(32), ProgramIcon(16)})});
    for (int i = 0; i < kRadarFrameCount; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "radar%02d.ico", i);
        files.push_back({name, IconFileBytes({RadarFrame(i)})});
    }
    const char* menuNames[kMenuPictureCount] = {"menu_start.ico", "menu_stop.ico", "menu_showform.ico",
                                                "menu_exit.ico"};
    for (int i = 0; i < kMenuPictureCount; ++i) {
        files.push_back({menuNames[i], IconFileBytes({MenuPicture(static_cast<TMenuPicture>(i))})});
    }
    return files;
}

} // namespace quellar::art
