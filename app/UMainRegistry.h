#pragma once
// The classes the main window's layout names, with their stored properties: the framework's,
// the tone generator, the notification-area icon, the skin and the window itself.
#include "ui/Layout.h"

namespace quellar {

void RegisterMainFormClasses(TClassRegistry& registry);

} // namespace quellar
