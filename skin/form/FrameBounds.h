#pragma once
// A skinned frame bounded by the screen it is shown on: whatever the skin's border pictures
// measure, each border is at most a quarter of the work area's side it runs across, so the
// window keeps a client area on the screen and what sits in it (a message box's buttons) stays
// visible. Real skins use a few dozen pixels; a quarter of a small 800 x 600 screen is 200.
#include "skin/form/FrameGeometry.h"

namespace quellar {

TFrameSizes FrameWithin(const TFrameSizes& frame, int workWidth, int workHeight);

} // namespace quellar
