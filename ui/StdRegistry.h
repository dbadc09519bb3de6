#pragma once
// The framework's classes and their stored properties, for the layout loader.
#include "ui/Layout.h"

namespace quellar {

// Registers TForm, the controls, image lists, menus and timers with the property names a stored
// layout uses ("Left", "Caption", "Font.Height", "Items.Strings", "OnClick", ...), and the rules
// that put controls into windows and items into menus.
void RegisterStandardClasses(TClassRegistry& registry);

// The value of an enumeration identifier of the framework ("alTop", "bvRaised", ...); raises
// EReadError for an unknown one.
int IdentValue(const std::string& ident);

} // namespace quellar
