#pragma once
// The pictures of the skinned system menu: a strip of 16 x 16 images drawn here, white
// (0xFFFFFF) as the mask colour. In order: restore, move, size, minimise, maximise, close.
#include "skin/model/Bitmap32.h"

namespace quellar {

inline constexpr int MenuImageSize = 16;
inline constexpr int MenuImageCount = 6;

TBitmap32 DrawMenuImages();

} // namespace quellar
