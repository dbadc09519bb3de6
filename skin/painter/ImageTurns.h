#pragma once
// Flipping and quarter turns of portable bitmaps, for strips drawn in one orientation and shown in
// another (tabs along the bottom, the left or the right of a control).
#include "skin/model/Bitmap32.h"

namespace quellar {

// Row y takes row height-1-y.
TBitmap32 FlipVertical(const TBitmap32& source);
// A quarter turn counter-clockwise: height wide and width tall; result(x, y) = source(width-1-y, x).
TBitmap32 RotateLeft(const TBitmap32& source);
// A quarter turn clockwise: height wide and width tall; result(x, y) = source(y, height-1-x).
TBitmap32 RotateRight(const TBitmap32& source);

} // namespace quellar
