#include "skin/model/WinSkinData.h"

#include "skin/model/MenuImages.h"
#include "skin/model/SkinDataPlatform.h"
#include "skin/model/SkinDescription.h"
#include "skin/model/SkinManage.h"
#include "skin/package/SkinReader.h"

#include <algorithm>
#include <fstream>

namespace quellar {

namespace {

constexpr int RequestDelayMs = 250;
// No skin comes near this; a larger file is treated like a missing one instead of being read.
constexpr std::streamoff MaxSkinFileBytes = 16 * 1024 * 1024;

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        return false;
    }
    const std::streamoff size = in.tellg();
    if (size < 0 || size > MaxSkinFileBytes) {
        return false;
    }
    bytes.resize(static_cast<std::size_t>(size));
    in.seekg(0);
    return static_cast<bool>(in.read(reinterpret_cast<char*>(bytes.data()), size));
}

bool ReadingStoredProperties(const TComponent& c) {
    return c.Loading() || (c.Owner() != nullptr && c.Owner()->Loading());
}

} // namespace

TSkinData::TSkinData(TComponent* owner)
    : TComponent(owner), skin3rd_(DefaultSkin3rd()), menuImagesStrip_(DrawMenuImages()),
      platform_(CreateSkinDataPlatform(menuImagesStrip_)) {}

TSkinData::~TSkinData() {
    if (TSkinManage* manager = SkinManage()) {
        manager->UnregisterSkinData(this);
    }
}

void TSkinData::RequestFromManager(int action) {
    TSkinManage* manager = SkinManage();
    if (manager == nullptr) {
        return;
    }
    if (skinFormtype_ == sfOnlyThisForm) {
        manager->pendingSkinData = this;
        manager->RequestAction(action, RequestDelayMs);
        return;
    }
    manager->RequestAction(action, RequestDelayMs);
    manager->pendingSkinData = this;
}

void TSkinData::SetActive(bool value) {
    if (value == active_) {
        return;
    }
    active_ = value;
    if (DesignMode() || ReadingStoredProperties(*this) || skinFormtype_ == sfDialog) {
        return;
    }
    TSkinManage* manager = SkinManage();
    if (manager == nullptr) {
        return;
    }
    const bool nothingToShow = value && !skinLoaded_;
    if (skinFormtype_ == sfOnlyThisForm) {
        manager->pendingSkinData = this;
    }
    if (!nothingToShow) {
        RequestFromManager(value ? saActivate : saDeactivate);
    }
}

void TSkinData::Loaded() {
    TComponent::Loaded();
    if (DesignMode()) {
        return;
    }
    TSkinManage& manager = CreateSkinManage();
    const auto& list = manager.SkinDataList();
    if (std::find(list.begin(), list.end(), this) == list.end()) {
        manager.RegisterSkinData(this);
    }
    if (skinFormtype_ == sfMainform) {
        manager.InstallHook();
        if (active_) {
            if (!skinLoaded_) {
                active_ = false;
            } else {
                RequestFromManager(saActivate);
            }
        }
        return;
    }
    manager.active = true;
    ++manager.started;
    if (const std::uintptr_t window = FormWindowOf(Owner())) {
        manager.AttachWindow(window);
    }
}

void TSkinData::SetSkinFile(const std::string& value) {
    skinLoaded_ = false;
    skinFile_ = value;
    if (DesignMode()) {
        if (!value.empty()) {
            skinStream_.clear();
        }
        return;
    }
    std::vector<std::uint8_t> bytes;
    try {
        if (value.empty() || !ReadWholeFile(value, bytes)) {
            return;
        }
    } catch (const std::exception&) {
        // A file that cannot be held in memory is treated like a missing one.
        return;
    }
    skinStream_ = std::move(bytes);
    LoadSkinStore();
    ApplySkin();
}

bool TSkinData::LoadSkinStore() {
    if (DesignMode()) {
        return false;
    }
    return LoadSkinBytes(skinStream_);
}

bool TSkinData::LoadSkinBytes(std::span<const std::uint8_t> file, std::vector<std::string>* warnings) {
    return LoadGuarded([file](TSkinReader& reader) { return reader.ReadSkinBytes(file); }, warnings);
}

bool TSkinData::LoadSkinPackage(std::span<const std::uint8_t> package, std::vector<std::string>* warnings) {
    return LoadGuarded([package](TSkinReader& reader) { return reader.ReadPackage(package); }, warnings);
}

bool TSkinData::LoadGuarded(const std::function<bool(TSkinReader&)>& read,
                            std::vector<std::string>* warnings) {
    skinLoaded_ = false;
    loadStats_ = {};
    // Skin files come from anywhere: whatever goes wrong while reading one stays here, and the
    // windows keep the look they have.
    try {
        TSkinReader reader;
        if (!read(reader)) {
            loadStats_.Failure = "not a usable skin package";
            return false;
        }
        loadStats_.Members = reader.Count();
        // The description is read from memory; its member name never becomes a path.
        const int ini = reader.IndexOfPart(".ini");
        const auto text = ini < 0 ? std::span<const std::uint8_t>() : reader.Entry(ini);
        if (text.size() > MaxSkinDescriptionBytes) {
            loadStats_.Failure =
                "the description is larger than " + std::to_string(MaxSkinDescriptionBytes >> 20) + " MB";
            return false;
        }
        loadStats_.Description = ini < 0 ? "" : reader.Names()[static_cast<std::size_t>(ini)];
        ReadSkinDescription(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()), reader,
                            warnings);
    } catch (const std::exception& error) {
        skinLoaded_ = false;
        loadStats_.Failure = error.what();
    } catch (...) {
        skinLoaded_ = false;
        loadStats_.Failure = "unknown error";
    }
    return skinLoaded_;
}

void TSkinData::ReadSkinDescription(std::string_view iniText, const TSkinReader& package,
                                    std::vector<std::string>* warnings) {
    skinLoaded_ = false;
    loadStats_.BitmapsDecoded = 0;
    loadStats_.PixelsDecoded = 0;
    const TSkinIniFile ini(iniText);
    TSkinDescriptionReader(*this, ini, package, warnings).Run();
}

void TSkinData::ApplySkin() {
    if (DesignMode() || ReadingStoredProperties(*this)) {
        return;
    }
    if (SkinManage() == nullptr) {
        Loaded();
    }
    TSkinManage& manager = *SkinManage();
    manager.pendingSkinData = this;
    manager.DropAllCaptionButtons();
    manager.RequestAction(saSkinChanged, RequestDelayMs);
}

std::string TSkinData::SkinStore() const {
    return (DesignMode() && !skinStream_.empty()) ? "(Good)" : "(none)";
}

std::vector<TBinaryProperty> TSkinData::DefineBinaryProperties() {
    TBinaryProperty stream;
    stream.name = "SkinStream";
    stream.write = [this](TStream& out) {
        out.WriteInt32(static_cast<std::int32_t>(skinStream_.size()));
        out.WriteBuffer(skinStream_.data(), skinStream_.size());
    };
    stream.read = [this](TStream& in) {
        const std::int32_t count = in.ReadInt32();
        if (count <= 0) {
            return;
        }
        // Read in pieces so a damaged count ends in a read error, not a huge allocation.
        std::vector<std::uint8_t> bytes;
        constexpr std::size_t Piece = 64 * 1024;
        for (std::size_t done = 0; done < static_cast<std::size_t>(count);) {
            const std::size_t n = std::min(Piece, static_cast<std::size_t>(count) - done);
            bytes.resize(done + n);
            in.ReadBuffer(bytes.data() + done, n);
            done += n;
        }
        skinStream_ = std::move(bytes);
        if (!DesignMode()) {
            LoadSkinStore();
        }
    };
    return {stream};
}

void TSkinData::QueryFormSkin(const std::string& aName, bool& DoSkin) {
    if (OnFormSkin) {
        OnFormSkin(this, aName, DoSkin);
        return;
    }
    if (aName == "SysMonthCal32") {
        DoSkin = false;
    } else if ((skinControls_ & SkinControlBit(xcFastReport)) != 0 && aName.rfind("Tfr", 0) == 0) {
        DoSkin = false;
    }
}

} // namespace quellar
