// The platform pieces where there is no Windows: no sound device and no designer.
#include "tonegen/DesignAlert.h"
#include "tonegen/NullSoundService.h"

namespace quellar {

ISoundService& PlatformSoundService() {
    static TNullSoundService service;
    return service;
}

void ShowDesignAlert(const std::string&, const std::string&) {}

} // namespace quellar
