#pragma once
// Colours, fonts and bitmaps over GDI, with RAII guards for the objects and selections.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace quellar {

// 0x00BBGGRR for an explicit colour; 0xFF0000nn for the system colour nn.
using TColor = std::uint32_t;
constexpr TColor clNavy = 0x800000;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBtnFace = 0xFF000000 | COLOR_BTNFACE;
constexpr TColor clWindow = 0xFF000000 | COLOR_WINDOW;
constexpr TColor clWindowText = 0xFF000000 | COLOR_WINDOWTEXT;
constexpr TColor clBtnShadow = 0xFF000000 | COLOR_BTNSHADOW;
constexpr TColor clBtnHighlight = 0xFF000000 | COLOR_BTNHIGHLIGHT;
constexpr TColor clGrayText = 0xFF000000 | COLOR_GRAYTEXT;
constexpr TColor clInfoBk = 0xFF000000 | COLOR_INFOBK;
constexpr TColor clInfoText = 0xFF000000 | COLOR_INFOTEXT;

// The RGB value a colour stands for now (system colours resolved).
COLORREF ColorToRGB(TColor color);

// Deletes a GDI object when it goes out of scope.
class GdiObject {
public:
    explicit GdiObject(HGDIOBJ object = nullptr) : object_(object) {}
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : object_(other.object_) { other.object_ = nullptr; }
    GdiObject& operator=(GdiObject&& other) noexcept;
    void Reset(HGDIOBJ object = nullptr);
    HGDIOBJ Get() const { return object_; }
    // Hands the object over to a new owner (the system, for a window region): not deleted here.
    HGDIOBJ Release() {
        HGDIOBJ object = object_;
        object_ = nullptr;
        return object;
    }

private:
    HGDIOBJ object_;
};

// Selects an object into a device context for the guard's lifetime.
class DcSelect {
public:
    DcSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~DcSelect() {
        if (previous_ != nullptr) {
            SelectObject(dc_, previous_);
        }
    }
    DcSelect(const DcSelect&) = delete;
    DcSelect& operator=(const DcSelect&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A memory device context compatible with `like` (the screen when null), deleted with the guard.
class MemoryDc {
public:
    explicit MemoryDc(HDC like = nullptr) : dc_(CreateCompatibleDC(like)) {}
    ~MemoryDc() {
        if (dc_ != nullptr) {
            DeleteDC(dc_);
        }
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// Saves a device context's state and restores it when the guard goes out of scope.
class SavedDc {
public:
    explicit SavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDc() { RestoreDC(dc_, saved_); } // a failed save (0) restores nothing
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;

private:
    HDC dc_;
    int saved_;
};

// The header of a 32-bit device-independent bitmap whose rows run top-down, as our pixels keep
// them (0x00RRGGBB per pixel, no palette).
inline BITMAPINFO TopDownDibInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A 32-bit top-down DIB section and its pixels, deleted with the guard; both null when it could
// not be made.
struct TDibSection {
    GdiObject bitmap;
    std::uint32_t* bits = nullptr;
    HBITMAP Handle() const { return static_cast<HBITMAP>(bitmap.Get()); }
};
TDibSection CreateTopDownDib(int width, int height);

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4 };

// A font description; the GDI font is made on first use and remade after a change.
class TFont {
public:
    TFont() = default;
    TFont(const TFont& other) { Assign(other); }
    TFont& operator=(const TFont& other) {
        Assign(other);
        return *this;
    }

    void Assign(const TFont& other);
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // Character height in pixels (the cell's internal leading excluded).
    int Height() const { return height_; }
    void SetHeight(int pixels);
    unsigned Style() const { return style_; }
    void SetStyle(unsigned style);
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }
    int Charset() const { return charset_; }
    void SetCharset(int charset);

    HFONT Handle() const;

private:
    void Changed() { handle_.Reset(); }
    std::string name_ = "Tahoma";
    int height_ = 11;
    unsigned style_ = 0;
    TColor color_ = clWindowText;
    int charset_ = DEFAULT_CHARSET;
    mutable GdiObject handle_;
};

// A 32-bit top-down device-independent bitmap with direct pixel access (0x00RRGGBB per pixel).
class TBitmap {
public:
    TBitmap() = default;
    TBitmap(int width, int height) { SetSize(width, height); }
    void SetSize(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    HBITMAP Handle() const { return static_cast<HBITMAP>(handle_.Get()); }
    std::uint32_t* Pixels() const { return bits_; }
    // Loads a bitmap resource of the program, by name.
    bool LoadFromResource(const char* name);
    void CopyFrom(HBITMAP source);

private:
    GdiObject handle_;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

// Fills a rectangle with a colour.
void FillRectColor(HDC dc, const RECT& rect, TColor color);
// Draws `source` into `dest` with every pixel of colour `transparent` left out.
void DrawTransparent(HDC dc, int x, int y, const TBitmap& source, const RECT& part, COLORREF transparent);

} // namespace quellar
