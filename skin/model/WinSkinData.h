#pragma once
// TSkinData: the component that holds one skin. It takes a skin package (a .skn file, or the same
// bytes stored with the form as "SkinStream"), has the package reader hand over the INI
// description and the bitmaps it names, and builds the model the painters read: the elements,
// the caption buttons and the skin colours. It also asks the skin manager to (re)skin windows.
//
// Everything here is portable except ButtonFaceBrush, the menu image list and AppIcon, which
// live in the platform part (skin/SkinDataPlatform.h, Windows builds only).
#include "skin/model/SkinElements.h"
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
struct TSkinColours {
    TSkinColor WindowText = SystemColour(8);
    TSkinColor ButtonFace = SystemColour(15);
    TSkinColor Scrollbar = SystemColour(0);
    TSkinColor HilightText = SystemColour(14);
    TSkinColor Hilight = SystemColour(13);
    TSkinColor Menubar = SystemColour(15);
    TSkinColor Menu = SystemColour(4);
    TSkinColor MenuText = SystemColour(7);
    TSkinColor ButtonText = SystemColour(18);
    TSkinColor ButtonHilight = SystemColour(20);
    TSkinColor Buttonlight = SystemColour(20);
    TSkinColor ButtonShadow = SystemColour(16);
    TSkinColor ButtonDkShadow = SystemColour(16);
    TSkinColor MenuBarText = SystemColour(7);
    TSkinColor TitleTextActive = SystemColour(9);
    TSkinColor TitleTextNoActive = SystemColour(19);
};

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
    const TOnFormSkin& OnFormSkin() const { return onFormSkin_; }
    void SetOnFormSkin(TOnFormSkin handler) { onFormSkin_ = std::move(handler); }
    const TNotifyEvent& OnSkinChanged() const { return onSkinChanged_; }
    void SetOnSkinChanged(TNotifyEvent handler) { onSkinChanged_ = std::move(handler); }
    const TOnSkinControl& OnSkinControl() const { return onSkinControl_; }
    void SetOnSkinControl(TOnSkinControl handler) { onSkinControl_ = std::move(handler); }

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
    const std::string& SkinName() const { return skinName_; }
    TDataSkinBorder* FrameLeft() const { return frameLeft_.get(); }
    TDataSkinBorder* FrameRight() const { return frameRight_.get(); }
    TDataSkinBorder* FrameTop() const { return frameTop_.get(); }
    TDataSkinBorder* FrameBottom() const { return frameBottom_.get(); }
    TDataSkinTitle* Title() const { return title_.get(); }
    TDataSkinButton* Buttons() const { return buttons_.get(); }
    // The skin's caption buttons, then the three buttons of a maximised MDI child.
    const std::vector<std::unique_ptr<TDataSkinSysButton>>& SysButtons() const { return sysButtons_; }
    const TSkinColours& Colours() const { return colours_; }

    // Optional elements: null when the skin does not give their image.
    TDataSkinBorder* Progress() const { return progress_.get(); }
    TDataSkinObject* MenuBar() const { return menuBar_.get(); }
    TDataSkinObject* GroupBoxEdge() const { return groupBoxEdge_.get(); }
    TDataSkinObject* Toolbars() const { return toolbars_.get(); }
    TDataSkinBorder* Tabs() const { return tabs_.get(); }
    TDataSkinObject* StatusBarEdges() const { return statusBarEdges_.get(); }
    TDataSkinBorder* ComboButton() const { return comboButton_.get(); }
    TDataSkinObject* SunkEdge() const { return sunkEdge_.get(); }
    TDataSkinObject* ExtraImages() const { return extraImages_.get(); }
    TDataSkinObject* Headerbar() const { return headerbar_.get(); }
    TDataSkinObject* MenuItem() const { return menuItem_.get(); }
    TDataSkinObject* MenuBackground() const { return menuBackground_.get(); }
    TDataSkinObject* Scrollbar() const { return scrollbar_.get(); }
    TDataSkinObject* HorzScroll() const { return horzScroll_.get(); }
    TDataSkinObject* VertScroll() const { return vertScroll_.get(); }
    TDataSkinObject* HorzScrollThumb() const { return horzScrollThumb_.get(); }
    TDataSkinObject* VertScrollThumb() const { return vertScrollThumb_.get(); }
    TDataSkinObject* TrackbarThumbHorz() const { return trackbarThumbHorz_.get(); }
    TDataSkinObject* TrackbarThumbVert() const { return trackbarThumbVert_.get(); }
    TDataSkinObject* TrackbarThumbLeft() const { return trackbarThumbLeft_.get(); }
    TDataSkinObject* TrackbarThumbRight() const { return trackbarThumbRight_.get(); }
    TDataSkinObject* TrackbarThumbUp() const { return trackbarThumbUp_.get(); }
    TDataSkinObject* TrackbarThumbDown() const { return trackbarThumbDown_.get(); }
    TDataSkinBorder* UpDownHorz() const { return upDownHorz_.get(); }
    TDataSkinBorder* UpDownVert() const { return upDownVert_.get(); }
    // The elements of the general sections (GroupBoxEdge ... UpDown.Vert) in reading order,
    // absent ones as null.
    std::vector<TDataSkinObject*> GeneralElements() const {
        return {groupBoxEdge_.get(),       toolbars_.get(),          tabs_.get(),
                statusBarEdges_.get(),     comboButton_.get(),       sunkEdge_.get(),
                extraImages_.get(),        headerbar_.get(),         menuItem_.get(),
                menuBackground_.get(),     scrollbar_.get(),         horzScroll_.get(),
                vertScroll_.get(),         horzScrollThumb_.get(),   vertScrollThumb_.get(),
                trackbarThumbHorz_.get(),  trackbarThumbVert_.get(), trackbarThumbLeft_.get(),
                trackbarThumbRight_.get(), trackbarThumbUp_.get(),   trackbarThumbDown_.get(),
                upDownHorz_.get(),         upDownVert_.get()};
    }

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
    TOnFormSkin onFormSkin_;
    TNotifyEvent onSkinChanged_;
    TOnSkinControl onSkinControl_;

    std::vector<std::uint8_t> skinStream_;
    bool skinLoaded_ = false;
    TSkinLoadStats loadStats_;
    std::string skinName_;
    std::unique_ptr<TDataSkinBorder> frameLeft_, frameRight_, frameTop_, frameBottom_;
    std::unique_ptr<TDataSkinTitle> title_;
    std::unique_ptr<TDataSkinButton> buttons_;
    std::vector<std::unique_ptr<TDataSkinSysButton>> sysButtons_;
    TSkinColours colours_;
    std::unique_ptr<TDataSkinBorder> progress_;
    std::unique_ptr<TDataSkinObject> menuBar_, groupBoxEdge_, toolbars_;
    std::unique_ptr<TDataSkinBorder> tabs_;
    std::unique_ptr<TDataSkinObject> statusBarEdges_;
    std::unique_ptr<TDataSkinBorder> comboButton_;
    std::unique_ptr<TDataSkinObject> sunkEdge_, extraImages_, headerbar_, menuItem_, menuBackground_;
    std::unique_ptr<TDataSkinObject> scrollbar_, horzScroll_, vertScroll_, horzScrollThumb_, vertScrollThumb_;
    std::unique_ptr<TDataSkinObject> trackbarThumbHorz_, trackbarThumbVert_, trackbarThumbLeft_,
        trackbarThumbRight_, trackbarThumbUp_, trackbarThumbDown_;
    std::unique_ptr<TDataSkinBorder> upDownHorz_, upDownVert_;

    TBitmap32 menuImagesStrip_;
    std::unique_ptr<TSkinDataPlatform, TSkinDataPlatformDeleter> platform_;
};

// The 95 default lines of Skin3rd, in order.
const std::vector<std::string>& DefaultSkin3rd();

} // namespace quellar
