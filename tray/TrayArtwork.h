#pragma once
// The program's own icon artwork as Win32 icons, and a ready image list of icons for the
// notification-area icon's IconList port.
#include "assets/tray/TrayArt.h"
#include "tray/TrayPorts.h"

#include <windows.h>

#include <vector>

namespace quellar {

// A new icon with the image's pixels and alpha (the caller destroys it); null on failure.
HICON CreateArtIcon(const art::TArtImage& image);
// The 32 x 32 program icon.
HICON CreateProgramIcon();

// A list of icons it owns and destroys, offered to TCoolTrayIcon as its IconList. Give it the
// component of the form's image list it stands for, if any, so the icon forgets it when that
// goes.
class TTrayIconSet : public ITrayIconList {
public:
    explicit TTrayIconSet(std::vector<HICON> icons, TComponent* component = nullptr);
    ~TTrayIconSet() override;
    TTrayIconSet(const TTrayIconSet&) = delete;
    TTrayIconSet& operator=(const TTrayIconSet&) = delete;

    // The 16 frames of the running animation, in order.
    static std::vector<HICON> CreateRadarFrames();
    // START, STOP, SHOW FORM and Exit, 16 x 16.
    static std::vector<HICON> CreateMenuPictures();

    int Count() const override { return static_cast<int>(icons_.size()); }
    HICON GetIcon(int index) const override;
    TComponent* ListComponent() const override { return component_; }

private:
    std::vector<HICON> icons_;
    TComponent* component_;
};

} // namespace quellar
