#pragma once
// TSkinData: the component that holds one skin. It takes a skin package (a .skn file, or the same
// bytes stored with the form as "SkinStream"), has the package reader hand over the INI
// description and the bitmaps it names, and builds the model the painters read (TSkinModel: the
// elements, the caption buttons and the skin colours). It also asks the skin manager to (re)skin
// windows.
//
// Everything here is portable except ButtonFaceBrush, the menu image list and AppIcon, which
// live in the platform part (skin/SkinDataPlatform.h, Windows builds only).
#include "skin/model/SkinModel.h"
#include "ui/Component.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quellar {

class TSkinReader;
struct TSkinDataPlatform;
struct TSkinDataPlatformDeleter {
    void operator()(TSkinDataPlatform* platform) const;
};

// Kinds of window and control the skin reaches; bit i of TSkinControlTypes is value i.
enum TSkinControlType {
    xcMainMenu,
    xcPopupMenu,
    xcToolbar,
    xcControlbar,
    xcCombo,
    xcCheckBox,
    xcRadioButton,
    xcProgress,
    xcScrollbar,
    xcEdit,
    xcButton,
    xcBitBtn,
    xcSpeedButton,
    xcPanel,
    xcGroupBox,
    xcStatusBar,
    xcTab,
    xcSystemMenu,
    xcFastReport
};
using TSkinControlTypes = std::uint32_t;
constexpr TSkinControlTypes SkinControlBit(TSkinControlType t) {
    return TSkinControlTypes{1} << t;
}
// Every kind but xcFastReport.
constexpr TSkinControlTypes DefaultSkinControls = 0x3FFFF;

enum TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog };

// The skin colours, named after their keys in section "Colours".

// A skin description larger than this (16 MB) is not read: ours are a few kilobytes.
inline constexpr std::size_t MaxSkinDescriptionBytes = 16u << 20;

// What the last load of a skin found: the package's members, its description, the bitmap
// members decoded and their pixels, and why the skin was not loaded (empty when it was).
struct TSkinLoadStats {
    int Members = 0;
    std::string Description;
    int BitmapsDecoded = 0;
    std::int64_t PixelsDecoded = 0;
    std::string Failure;
};

class TSkinData : public TComponent {
    QUELLAR_COMPONENT_CLASS(TSkinData, TComponent)
public:
    // procedure(Sender; aName; var DoSkin)
    using TOnFormSkin = std::function<void(TComponent* Sender, const std::string& aName, bool& DoSkin)>;
    using TNotifyEvent = std::function<void(TComponent* Sender)>;
    // procedure(Sender; SkinData; Form; Control; ControlClass; var SkinnedControl)
    using TOnSkinControl =
        std::function<void(TComponent* Sender, TSkinData* SkinData, TComponent* Form, TComponent* Control,
                           const std::string& ControlClass, TComponent*& SkinnedControl)>;

    static constexpr const char* DefaultVersion = "2.60.4.28";

    explicit TSkinData(TComponent* owner);
    ~TSkinData() override;

    // Published properties, in their stored order.
    bool Active() const { return active_; }
    void SetActive(bool value);
    std::int32_t DisableTag() const { return disableTag_; }
    void SetDisableTag(std::int32_t value) { disableTag_ = value; }
    TSkinControlTypes SkinControls() const { return skinControls_; }
    void SetSkinControls(TSkinControlTypes value) { skinControls_ = value; }
    const std::vector<std::string>& Skin3rd() const { return skin3rd_; }
    void SetSkin3rd(const std::vector<std::string>& lines) { skin3rd_ = lines; }
    const std::string& SkinFile() const { return skinFile_; }
    void SetSkinFile(const std::string& value);
    // "(Good)" in design mode when SkinStream holds bytes, else "(none)".
    std::string SkinStore() const;
    TSkinFormType SkinFormtype() const { return skinFormtype_; }
    void SetSkinFormtype(TSkinFormType value) { skinFormtype_ = value; }
    const std::string& Version() const { return version_; }
    void SetVersion(const std::string& value) { version_ = value; }
    bool MenuUpdate() const { return menuUpdate_; }
    void SetMenuUpdate(bool value) { menuUpdate_ = value; }
    // The events, as fields like every framework component's: whether a window class is skinned;
    // a new skin was applied; a control is about to get a skin (SkinnedControl null: none).
    TOnFormSkin OnFormSkin;
    TNotifyEvent OnSkinChanged;
    TOnSkinControl OnSkinControl;

    // The stored package bytes ("SkinStream"); loading a file replaces them.
    const std::vector<std::uint8_t>& SkinStream() const { return skinStream_; }
    void SetSkinStream(std::vector<std::uint8_t> bytes) { skinStream_ = std::move(bytes); }

    // Component protocol.
    void Loaded() override;
    // "SkinStream": a 32-bit byte count, then the package bytes.
    std::vector<TBinaryProperty> DefineBinaryProperties() override;

    // Parses the package held in SkinStream; false when it is not a usable package.
    bool LoadSkinStore();
    // Loads a skin file held in memory (a 32-bit length, then the compressed package) and builds
    // the model. Every failure ends as "not loaded" (false, SkinLoaded false, the reason in
    // LoadStats().Failure): a damaged or oversized package or description, the decoder's
    // exception, memory running out. The only message shown is the one for a package of another
    // version. Missing or unreadable bitmaps and bad values are noted in warnings when given.
    bool LoadSkinBytes(std::span<const std::uint8_t> file, std::vector<std::string>* warnings = nullptr);
    // The same for a package that is already decompressed.
    bool LoadSkinPackage(std::span<const std::uint8_t> package, std::vector<std::string>* warnings = nullptr);
    // After a file was loaded: asks the skin manager to rework every skinned window.
    void ApplySkin();
    // Builds the model from an INI description, taking bitmaps from the open package. When
    // warnings is given, missing or unreadable bitmaps and keys with bad values are noted there.
    void ReadSkinDescription(std::string_view iniText, const TSkinReader& package,
                             std::vector<std::string>* warnings = nullptr);
    // Asked by the skin manager for every top-level window class it is about to skin.
    void QueryFormSkin(const std::string& aName, bool& DoSkin);

    // The model.
    bool SkinLoaded() const { return skinLoaded_; }
    const TSkinLoadStats& LoadStats() const { return loadStats_; }
    // The elements, caption buttons and colours the description gave.
    const TSkinModel& Model() const { return model_; }
    TSkinModel& Model() { return model_; }

    // The system-menu pictures: a strip of 16 x 16 images, white (0xFFFFFF) as the mask colour.
    const TBitmap32& MenuImagesStrip() const { return menuImagesStrip_; }
    // The program's small icon as the skinned frames draw it for windows without an icon of
    // their own (message boxes): the first skinned window with an icon lends it.
    const TBitmap32& AppIconImage() const { return appIconImage_; }
    void SetAppIconImage(const TBitmap32& icon) { appIconImage_ = icon; }
    // The Windows objects (ButtonFaceBrush, MenuImages, AppIcon); null outside Windows.
    TSkinDataPlatform* Platform() const { return platform_.get(); }

private:
    friend class TSkinDescriptionReader;

    void RequestFromManager(int action);
    bool LoadGuarded(const std::function<bool(TSkinReader&)>& read, std::vector<std::string>* warnings);

    TBitmap32 appIconImage_;
    bool active_ = false;
    std::int32_t disableTag_ = 99;
    TSkinControlTypes skinControls_ = DefaultSkinControls;
    std::vector<std::string> skin3rd_;
    std::string skinFile_;
    TSkinFormType skinFormtype_ = sfMainform;
    std::string version_ = DefaultVersion;
    bool menuUpdate_ = true;

    std::vector<std::uint8_t> skinStream_;
    bool skinLoaded_ = false;
    TSkinLoadStats loadStats_;
    TSkinModel model_;

    TBitmap32 menuImagesStrip_;
    std::unique_ptr<TSkinDataPlatform, TSkinDataPlatformDeleter> platform_;
};

// The 95 default lines of Skin3rd, in order.
const std::vector<std::string>& DefaultSkin3rd();

} // namespace quellar
