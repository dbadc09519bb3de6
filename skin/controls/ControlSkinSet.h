#pragma once
// TControlSkinSet: the control skins of one skinned window, owned here. It makes skins for the
// window's controls that have none yet (a form of ours by its components, any other window by
// its child windows), finds the skin of a control, keeps which skinned control is hot, and frees
// the skins of controls that went. Control skins reach their siblings only through this set.
#include <windows.h>

#include <memory>
#include <vector>

namespace quellar {

class TSkinData;
class TSkinControl;
class TGraphicControl;
class TCustomForm;

class TControlSkinSet {
public:
    // form is our own form object of window, or null for a foreign window.
    TControlSkinSet(HWND window, TSkinData& skin, TCustomForm* form);
    ~TControlSkinSet();
    TControlSkinSet(const TControlSkinSet&) = delete;
    TControlSkinSet& operator=(const TControlSkinSet&) = delete;

    TSkinData& Skin() const { return skin_; }
    const std::vector<std::unique_ptr<TSkinControl>>& Skins() const { return skins_; }

    TSkinControl* Add(std::unique_ptr<TSkinControl> skin);
    // The live skin of a window (not of a speed button), or null.
    TSkinControl* SkinFor(HWND control) const;
    // The live skin of a speed button, or null.
    TSkinControl* SkinFor(const TGraphicControl* control) const;
    // Gives the window's controls their skins (those that have none yet).
    void SkinNewControls();
    // The skin was replaced: every skin takes the new colours, then new controls get skins.
    void SkinChanged();
    // Frees the skins whose control or window is gone.
    void FreeDead();
    // Every control skin gives its control back (colours too) and is freed.
    void DropAll();
    // Our form is going: from now on the set makes no skins for its components.
    void ForgetForm() { form_ = nullptr; }

    // The skinned control the mouse is over, if any.
    TSkinControl* Hot() const { return hot_; }
    // The control becomes the hot one; the one hot before is told the mouse left it.
    void MakeHot(TSkinControl& control);
    // The control is no longer the hot one (nothing when another one is).
    void DropHot(const TSkinControl& control) {
        if (hot_ == &control) {
            hot_ = nullptr;
        }
    }

private:
    HWND window_;
    TSkinData& skin_;
    TCustomForm* form_;
    std::vector<std::unique_ptr<TSkinControl>> skins_;
    TSkinControl* hot_ = nullptr;
};

} // namespace quellar
