#pragma once
// Builds a TSkinData's model from the skin description (an INI text) and the bitmaps of the open
// package, in the fixed order the engine relies on: frame borders, colours, caption buttons,
// "Buttons", title, progress, menu bar, the other elements, then the frame counts.
#include "skin/model/SkinIni.h"
#include "skin/model/WinSkinData.h"
#include "skin/package/SkinReader.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace quellar {

// The member name an image reference points at: the text after the last "\" or ":". Empty when
// that name is empty or does not end exactly in ".bmp" (compared with case).
std::string SkinBitmapMemberName(const std::string& reference);

// The decoded pixels one skin may hold in all (32 MB): our skins use well under a million, and a
// picture that would pass this is loaded empty, like one that cannot be read.
inline constexpr std::int64_t MaxSkinPixels = std::int64_t{8} << 20;
// Caption-button sections taken from one description; a title bar holds a handful.
inline constexpr std::size_t MaxCaptionButtons = 64;

class TSkinDescriptionReader {
public:
    TSkinDescriptionReader(TSkinData& data, const TSkinIniFile& ini, const TSkinReader& package,
                           std::vector<std::string>* warnings);
    void Run();

    // The bitmap an INI value names, or an empty one. Each member is decoded once per load:
    // every key that names it shares its pixels.
    TBitmap32 LoadSkinBitmap(const std::string& reference, const std::string& where);

private:
    // A number as the key table bounds it (its default when absent or not a number); Bounded
    // gives nothing for a number outside a range whose element is then left out.
    std::optional<std::int32_t> Bounded(const std::string& section, const std::string& key);
    std::int32_t Int(const std::string& section, const std::string& key);
    TSkinColor Rgb(const std::string& section, const std::string& key, TSkinColor def);
    TBitmap32 Bitmap(const std::string& section, const std::string& key);
    void Warn(const std::string& text);

    void ReadFrameBorder(TDataSkinBorder& border, const std::string& name);
    void ReadColours();
    void ReadCaptionButtons();
    void ReadMdiButtons(std::size_t first);
    void ReadButtons();
    void ReadTitle();
    TSkinColor ReadRGBKeys(const std::string& name, TSkinColor current);
    void ReadSliceMargins(TDataSkinObject& e, const std::string& section);
    void ReadColourKeys(TDataSkinObject& e, const std::string& section);
    std::unique_ptr<TDataSkinBorder> ReadProgress();
    std::unique_ptr<TDataSkinObject> ReadMenuBar();
    std::unique_ptr<TDataSkinObject> ReadGeneral(const std::string& section);
    std::unique_ptr<TDataSkinBorder> ReadSecondImage(const std::string& section, const std::string& key);
    void ReadElements();
    void SetFrameCounts();
    void BoundPictures();

    TSkinData& d_;
    TSkinModel& m_;
    const TSkinIniFile& ini_;
    const TSkinReader& package_;
    std::vector<std::string>* warnings_;
    // Members decoded so far, by entry index (empty ones too, with the reason: a bad member is
    // tried once).
    struct Decoded {
        TBitmap32 bitmap;
        std::string failure;
    };
    std::unordered_map<int, Decoded> decoded_;

    Decoded DecodeMember(int index);
};

} // namespace quellar
