#pragma once
// Gives the controls of a skinned window their control skins: a form of ours by its components
// (what each is decides its skin), any other window by its child windows' classes and styles.
// The form object owns every control skin made here.
#include "skin/controls/ControlDispatch.h"

#include <windows.h>

#include <memory>

namespace quellar {

class TSkinControl;
class TControlSkinSet;
class TCustomForm;
class TComponent;

// A new, unattached control skin of the kind; null for kinds this program does not skin. A scroll
// bar skin runs thumb drags itself when ownThumbDrag is set.
std::unique_ptr<TSkinControl> MakeControlSkin(TSkinClass kind, bool ownThumbDrag = true);

// The facts the choice needs about one component.
TComponentFacts FactsOf(const TComponent& component, bool skinHasTabs);

// Skins the components of form that have no control skin yet (skins of destroyed controls are
// freed first).
void SkinFormControls(TControlSkinSet& skins, TComponent& form);
// Skins the direct child windows of window that have none yet.
void SkinChildWindows(TControlSkinSet& skins, HWND window);

} // namespace quellar
