#include "skin/model/SkinDataPlatform.h"
#include "skin/model/WinSkinData.h"

namespace quellar {

TSkinDataPlatform* CreateSkinDataPlatform(const TBitmap32&) {
    return nullptr;
}
void DestroySkinDataPlatform(TSkinDataPlatform*) {}
void RecreateButtonFaceBrush(TSkinDataPlatform*, TSkinColor) {}
void TSkinDataPlatformDeleter::operator()(TSkinDataPlatform* platform) const {
    DestroySkinDataPlatform(platform);
}

} // namespace quellar
