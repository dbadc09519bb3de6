#pragma once
// Readable names for message numbers in test output: the platform's WM_* messages (and the
// button messages control skins see), the framework's CM_ and CN_ messages and the skin engine's
// private ones. A number without a name prints in hex, so every message prints as something.
#include "skin/form/SkinMessages.h"

#include <windows.h>

#include <string>

namespace quellar::test {

// The skin engine's private messages, at the values its windows use.
constexpr UINT kSkinReapply = SkinReapply;
constexpr UINT kSkinRepaintFrame = SkinRepaintFrame;
constexpr UINT kSkinAttached = SkinAttached;
constexpr UINT kSkinQuery = SkinQuery;

// "WM_NCPAINT", "CM_MOUSEENTER", "SkinQuery", or "0x1234" for a number without a name.
std::string MessageName(UINT message);
// The name of a CBT hook code ("HCBT_CREATEWND"), or the code in decimal.
std::string HookCodeName(int code);

} // namespace quellar::test
