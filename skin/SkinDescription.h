#pragma once
// Builds a TSkinData's model from the skin description (an INI text) and the bitmaps of the open
// package, in the fixed order the engine relies on: frame borders, colours, caption buttons,
// "Buttons", title, progress, menu bar, the other elements, then the frame counts.
#include "skin/SkinIni.h"
#include "skin/SkinReader.h"
#include "skin/WinSkinData.h"

#include <memory>
#include <string>
#include <vector>

namespace quellar {

// The member name an image reference points at: the text after the last "\" or ":". Empty when
// that name is empty or does not end exactly in ".bmp" (compared with case).
std::string SkinBitmapMemberName(const std::string& reference);

class TSkinDescriptionReader {
public:
    TSkinDescriptionReader(TSkinData& data, const TSkinIniFile& ini, const TSkinReader& package,
                           std::vector<std::string>* warnings);
    void Run();

    // The bitmap an INI value names, or an empty one.
    TBitmap32 LoadSkinBitmap(const std::string& reference, const std::string& where);

private:
    std::int32_t Int(const std::string& section, const std::string& key, std::int32_t def);
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

    TSkinData& d_;
    const TSkinIniFile& ini_;
    const TSkinReader& package_;
    std::vector<std::string>* warnings_;
};

} // namespace quellar
