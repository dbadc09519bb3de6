#include "skin/controls/ControlSkins.h"

#include "skin/controls/ControlKind.h"
#include "skin/controls/ControlSkinSet.h"
#include "skin/controls/SkinBox.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckBox.h"
#include "skin/controls/SkinComBox.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinProgress.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/controls/SkinSizer.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinTab.h"
#include "skin/controls/SkinTab31.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/model/WinSkinData.h"
#include "ui/ComCtrls.h"
#include "ui/Forms.h"
#include "ui/WinUtil.h"

#include <commctrl.h>

#include <algorithm>
#include <cctype>

namespace quellar {

std::unique_ptr<TSkinControl> MakeControlSkin(TSkinClass kind, bool ownThumbDrag) {
    switch (kind) {
    case skButton:
        return std::make_unique<TSkinButton>();
    case skBitButton:
        return std::make_unique<TSkinBitButton>();
    case skSpeedButton:
        return std::make_unique<TSkinSpeedButton>();
    case skCheckBox:
        return std::make_unique<TSkinCheckBox>();
    case skRadioButton:
        return std::make_unique<TSkinRadioButton>();
    case skBox:
        return std::make_unique<TSkinBox>();
    case skTrackBar:
        return std::make_unique<TSkinTrackBar>();
    case skUpDown:
        return std::make_unique<TSkinUpDown>();
    case skProgress:
        return std::make_unique<TSkinProgress>();
    case skEdit:
        return std::make_unique<TSkinEdit>();
    case skComboBox:
        return std::make_unique<TSkinComBox>();
    case skSizer:
        return std::make_unique<TSkinSizer>();
    case skStatusBar:
        return std::make_unique<TSkinStatusBar>();
    case skScrollBar: {
        auto bars = std::make_unique<TSkinScrollBar>();
        bars->SetOwnThumbDrag(ownThumbDrag);
        return bars;
    }
    case skTab:
        return std::make_unique<TSkinTab>();
    case skTab31:
        return std::make_unique<TSkinTab31>();
    default:
        return nullptr;
    }
}

namespace {
std::string LowerClassName(HWND window) {
    std::string lower = HwndClassName(window);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}
} // namespace

TComponentFacts FactsOf(const TComponent& component, bool skinHasTabs) {
    static const char* const kTested[] = {
        "TCustomCheckBox", "TCustomGroupBox", "TStatusBar", "TCustomComboBox", "TBitBtn",
        "TSpeedButton",    "TCustomPanel",    "TButton",    "TCustomEdit",     "TCustomForm"};
    TComponentFacts facts;
    facts.classChain.emplace_back(component.ClassName());
    for (const char* name : kTested) {
        if (component.ClassName() != name && component.InheritsFrom(name)) {
            facts.classChain.emplace_back(name);
        }
    }
    facts.tag = component.Tag();
    facts.skinHasTabs = skinHasTabs;
    if (const auto* control = dynamic_cast<const TWinControl*>(&component); control != nullptr) {
        facts.windowed = true;
        if (control->HandleAllocated()) {
            HWND window = const_cast<TWinControl*>(control)->Handle();
            const auto style = GetWindowLongPtrA(window, GWL_STYLE);
            const std::string lower = LowerClassName(window);
            // A combo box's scroll style is its drop-down list's: its frame has no bars.
            facts.scrollStyle =
                (style & (WS_HSCROLL | WS_VSCROLL)) != 0 && lower.find("combobox") == std::string::npos;
            facts.tabControl = ControlSkinKindOf(lower, static_cast<std::uint32_t>(style)) == ckTab;
        }
    }
    return facts;
}

namespace {

TSkinControl* Attach(TControlSkinSet& skins, TSkinClass kind, const TSkinChoice& choice,
                     TComponent& component) {
    std::unique_ptr<TSkinControl> skin = MakeControlSkin(kind, choice.scrollBarFlag);
    if (skin == nullptr) {
        return nullptr;
    }
    TSkinData& data = skins.Skin();
    TSkinControl* made = skins.Add(std::move(skin));
    if (auto* graphic = dynamic_cast<TGraphicControl*>(&component); graphic != nullptr) {
        made->Attach(skins, data, TSkinTarget::Of(*graphic));
    } else if (auto* control = dynamic_cast<TWinControl*>(&component); control != nullptr) {
        made->Attach(skins, data,
                     choice.byHandle ? TSkinTarget::ByHandle(control->Handle())
                                     : TSkinTarget::Of(*control, choice.colorFlag));
    }
    return made;
}

// The inner combo box of an extended combo box wears the combo-box skin, like that of a foreign
// window: the list of pictures is still a combo box to the user.
void SkinExtendedCombo(TControlSkinSet& skins, TComponent& component) {
    auto* combo = dynamic_cast<TCustomComboBoxEx*>(&component);
    if (combo == nullptr || (skins.Skin().SkinControls() & SkinControlBit(xcCombo)) == 0) {
        return;
    }
    HWND inner = GetWindow(combo->Handle(), GW_CHILD);
    if (inner != nullptr && skins.SkinFor(inner) == nullptr) {
        skins.Add(std::make_unique<TSkinComBox>())->Attach(skins, skins.Skin(), TSkinTarget::ByHandle(inner));
    }
}

bool Handled(TControlSkinSet& skins, TComponent& component) {
    if (auto* graphic = dynamic_cast<TGraphicControl*>(&component); graphic != nullptr) {
        return skins.SkinFor(graphic) != nullptr;
    }
    if (auto* control = dynamic_cast<TWinControl*>(&component); control != nullptr) {
        return control->HandleAllocated() && skins.SkinFor(control->Handle()) != nullptr;
    }
    return false;
}

void SkinComponent(TControlSkinSet& skins, TComponent& component);

void SkinOwned(TControlSkinSet& skins, TComponent& owner) {
    const std::vector<TComponent*> components = owner.Components(); // skins may add none, but be safe
    for (TComponent* component : components) {
        SkinComponent(skins, *component);
    }
}

void SkinComponent(TControlSkinSet& skins, TComponent& component) {
    TSkinData& data = skins.Skin();
    if (DisabledByTag(component.Tag(), data.DisableTag()) || Handled(skins, component)) {
        return;
    }
    auto* control = dynamic_cast<TControl*>(&component);
    if (control == nullptr) {
        return; // timers, menus, image lists: nothing to paint
    }
    if (dynamic_cast<TCustomForm*>(control) != nullptr && control->Parent() == nullptr) {
        return; // a form of its own window (an MDI child, a dialog) wears the skin through its own object
    }
    if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed != nullptr) {
        try {
            windowed->HandleNeeded();
        } catch (...) {
            return; // a window that cannot be made is left alone
        }
    }
    if (const auto& handler = data.OnSkinControl; handler) {
        TComponent* skinned = nullptr;
        handler(&skins.Skin(), &data, component.Owner(), &component, std::string(component.ClassName()),
                skinned);
        if (skinned != nullptr) {
            return; // the program skinned it its own way
        }
    }
    const TSkinChoice choice = ChooseComponentSkin(
        FactsOf(component, data.Model().Tabs != nullptr && !data.Model().Tabs->Image.Empty()),
        data.SkinControls(), data.Skin3rd());
    if (choice.skin == skNone && !choice.walkChildren) {
        SkinExtendedCombo(skins, component);
        return;
    }
    if (choice.sizeGripOff) {
        if (auto* bar = dynamic_cast<TStatusBar*>(control); bar != nullptr) {
            bar->SetSizeGrip(false);
            const auto style = GetWindowLongPtrA(bar->Handle(), GWL_STYLE);
            SetWindowLongPtrA(bar->Handle(), GWL_STYLE, style & ~static_cast<LONG_PTR>(SBARS_SIZEGRIP));
        }
    }
    if (choice.childrenSkin) {
        if (auto* group = dynamic_cast<TWinControl*>(control); group != nullptr) {
            for (TControl* child : group->Controls()) {
                if (!Handled(skins, *child)) {
                    Attach(skins, choice.childSkin, TSkinChoice{}, *child);
                }
            }
        }
    }
    if (choice.skin != skNone) {
        Attach(skins, choice.skin, choice, component);
    }
    if (choice.walkChildren) {
        SkinOwned(skins, component);
    }
}

} // namespace

void SkinFormControls(TControlSkinSet& skins, TComponent& form) {
    skins.FreeDead();
    SkinOwned(skins, form);
}

void SkinChildWindows(TControlSkinSet& skins, HWND window) {
    skins.FreeDead();
    for (HWND child = GetTopWindow(window); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongPtrA(child, GWL_STYLE) & WS_CHILD) == 0 || skins.SkinFor(child) != nullptr) {
            continue;
        }
        const std::string lower = LowerClassName(child);
        const auto style = static_cast<std::uint32_t>(GetWindowLongPtrA(child, GWL_STYLE));
        HWND target = child;
        TSkinClass kind = skNone;
        switch (ControlSkinKindOf(lower, style)) {
        case ckButton:
            kind = skButton;
            break;
        case ckCheckBox:
            kind = skCheckBox;
            break;
        case ckRadioButton:
            kind = skRadioButton;
            break;
        case ckComboBox:
            kind = skComboBox;
            break;
        case ckComboBoxEx:
            kind = skComboBox;
            target = GetWindow(child, GW_CHILD);
            break;
        case ckSizer:
            kind = skSizer;
            break;
        case ckEdit:
            kind = skEdit;
            break;
        case ckScrollBars:
            kind = skScrollBar;
            break;
        case ckTab:
            kind = skTab;
            break;
        default:
            break;
        }
        if (kind == skNone || target == nullptr || skins.SkinFor(target) != nullptr) {
            continue;
        }
        skins.Add(MakeControlSkin(kind))->Attach(skins, skins.Skin(), TSkinTarget::ByHandle(target));
    }
}

} // namespace quellar
