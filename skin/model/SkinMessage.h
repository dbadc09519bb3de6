#pragma once
// The skin engine's own modal messages (the version message of a package). On Windows the
// default shows a message box; elsewhere it writes the text to the error output. Tests and tools
// install their own procedure.
#include <functional>
#include <string>

namespace quellar {

using TSkinMessageProc = std::function<void(const std::string& text)>;

void ShowSkinMessage(const std::string& text);
// Installs proc (an empty one restores the default); returns the previous procedure.
TSkinMessageProc SetSkinMessageProc(TSkinMessageProc proc);

// The platform's default: a message box on Windows, the error output elsewhere.
void DefaultSkinMessage(const std::string& text);

} // namespace quellar
