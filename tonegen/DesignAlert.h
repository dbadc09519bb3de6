#pragma once
// The error box a component shows when a value is clamped inside a visual designer. Only a
// designer host ever shows it; the program itself never runs in design mode.
#include <string>

namespace quellar {

// A modal box with one OK button, an error icon and no owner window (Windows); nothing elsewhere.
void ShowDesignAlert(const std::string& text, const std::string& caption);

} // namespace quellar
