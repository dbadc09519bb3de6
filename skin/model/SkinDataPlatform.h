#pragma once
// The Windows objects of a skin definition: the brush of the skin's ButtonFace colour, the
// image list of system-menu pictures and the bitmap the form frame fills with the program's
// small icon. Outside Windows there are none and the functions do nothing.
#include "skin/model/Bitmap32.h"
#include "skin/model/SkinElements.h"

#ifdef _WIN32
#include <windows.h>

#include <commctrl.h>
#endif

namespace quellar {

struct TSkinDataPlatform;

#ifdef _WIN32
struct TSkinDataPlatform {
    HBRUSH ButtonFaceBrush = nullptr;
    HIMAGELIST MenuImages = nullptr;
    HBITMAP AppIcon = nullptr;
};
// A skin colour as the platform draws it: system colours resolved.
COLORREF ResolveColour(TSkinColor colour);
#endif

// Null outside Windows.
TSkinDataPlatform* CreateSkinDataPlatform(const TBitmap32& menuImages);
void DestroySkinDataPlatform(TSkinDataPlatform* platform);
// A new solid brush of colour (system colours resolved); the old one is deleted first.
void RecreateButtonFaceBrush(TSkinDataPlatform* platform, TSkinColor colour);

} // namespace quellar
