#include "ui/Graphics.h"

#include <cstring>
#include <utility>

namespace quellar {

COLORREF ColorToRGB(TColor color) {
    if ((color & 0xFF000000u) == 0xFF000000u) {
        return GetSysColor(static_cast<int>(color & 0xFF));
    }
    return color & 0x00FFFFFFu;
}

GdiObject& GdiObject::operator=(GdiObject&& other) noexcept {
    if (this != &other) {
        Reset(other.object_);
        other.object_ = nullptr;
    }
    return *this;
}

void GdiObject::Reset(HGDIOBJ object) {
    if (object_ != nullptr) {
        DeleteObject(object_);
    }
    object_ = object;
}

void TFont::Assign(const TFont& other) {
    name_ = other.name_;
    height_ = other.height_;
    style_ = other.style_;
    color_ = other.color_;
    charset_ = other.charset_;
    Changed();
}

void TFont::SetName(const std::string& name) {
    name_ = name;
    Changed();
}

void TFont::SetHeight(int pixels) {
    height_ = pixels;
    Changed();
}

void TFont::SetStyle(unsigned style) {
    style_ = style;
    Changed();
}

void TFont::SetCharset(int charset) {
    charset_ = charset;
    Changed();
}

namespace {
// Whether the font draws the letter A. A character set no installed font covers (a Thai set on a
// system without Thai fonts) gives a font whose letters all come out as empty boxes.
bool DrawsLatin(HFONT font) {
    HDC dc = GetDC(nullptr);
    WORD glyph = 0xFFFF;
    {
        DcSelect sel(dc, font);
        GetGlyphIndicesA(dc, "A", 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS);
    }
    ReleaseDC(nullptr, dc);
    return glyph != 0xFFFF;
}
} // namespace

HFONT TFont::Handle() const {
    if (handle_.Get() == nullptr) {
        LOGFONTA lf{};
        lf.lfHeight = -height_; // negative: the character height, not the cell height
        lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
        lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
        lf.lfCharSet = static_cast<BYTE>(charset_);
        lf.lfQuality = DEFAULT_QUALITY;
        lstrcpynA(lf.lfFaceName, name_.c_str(), LF_FACESIZE);
        handle_.Reset(CreateFontIndirectA(&lf));
        if (charset_ != DEFAULT_CHARSET && !DrawsLatin(static_cast<HFONT>(handle_.Get()))) {
            lf.lfCharSet = DEFAULT_CHARSET;
            handle_.Reset(CreateFontIndirectA(&lf));
        }
    }
    return static_cast<HFONT>(handle_.Get());
}

TDibSection CreateTopDownDib(int width, int height) {
    TDibSection section;
    if (width <= 0 || height <= 0) {
        return section;
    }
    const BITMAPINFO info = TopDownDibInfo(width, height);
    void* bits = nullptr;
    section.bitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (section.bitmap.Get() != nullptr) {
        section.bits = static_cast<std::uint32_t*>(bits);
    }
    return section;
}

void TBitmap::SetSize(int width, int height) {
    handle_.Reset();
    bits_ = nullptr;
    width_ = width > 0 ? width : 0;
    height_ = height > 0 ? height : 0;
    if (Empty()) {
        return;
    }
    TDibSection section = CreateTopDownDib(width_, height_);
    if (section.bits == nullptr) {
        width_ = height_ = 0;
        return;
    }
    handle_ = std::move(section.bitmap);
    bits_ = section.bits;
    std::memset(bits_, 0, static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 4);
}

void TBitmap::CopyFrom(HBITMAP source) {
    BITMAP info{};
    if (source == nullptr || GetObjectA(source, sizeof(info), &info) == 0) {
        SetSize(0, 0);
        return;
    }
    SetSize(info.bmWidth, info.bmHeight);
    if (Empty()) {
        return;
    }
    MemoryDc from;
    MemoryDc to;
    DcSelect selFrom(from.Get(), source);
    DcSelect selTo(to.Get(), Handle());
    BitBlt(to.Get(), 0, 0, width_, height_, from.Get(), 0, 0, SRCCOPY);
}

bool TBitmap::LoadFromResource(const char* name) {
    auto* loaded = static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (loaded == nullptr) {
        SetSize(0, 0);
        return false;
    }
    CopyFrom(loaded);
    DeleteObject(loaded);
    return !Empty();
}

void FillRectColor(HDC dc, const RECT& rect, TColor color) {
    GdiObject brush(CreateSolidBrush(ColorToRGB(color)));
    FillRect(dc, &rect, static_cast<HBRUSH>(brush.Get()));
}

void DrawTransparent(HDC dc, int x, int y, const TBitmap& source, const RECT& part, COLORREF transparent) {
    if (source.Empty()) {
        return;
    }
    MemoryDc from;
    DcSelect sel(from.Get(), source.Handle());
    TransparentBlt(dc, x, y, part.right - part.left, part.bottom - part.top, from.Get(), part.left, part.top,
                   part.right - part.left, part.bottom - part.top, transparent);
}

} // namespace quellar
