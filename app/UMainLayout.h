#pragma once
// The stored layout of the main window: every control and component with its place, texts,
// fonts, initial state, hint and handlers. The one place the window's look is described.
#include "ui/Layout.h"

#include <vector>

namespace quellar {

const std::vector<TLayoutObject>& MainFormLayout();

} // namespace quellar
