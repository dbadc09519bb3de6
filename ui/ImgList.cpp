#include "ui/ImgList.h"

namespace quellar {

namespace {
constexpr COLORREF kTransparent = RGB(255, 0, 255);
} // namespace

TImageList::TImageList(TComponent* owner) : TComponent(owner) {
    Recreate();
}

TImageList::~TImageList() {
    if (handle_ != nullptr) {
        ImageList_Destroy(handle_);
    }
}

void TImageList::Recreate() {
    if (handle_ != nullptr) {
        ImageList_Destroy(handle_);
    }
    handle_ = ImageList_Create(width_, height_, ILC_COLOR24 | ILC_MASK, 4, 4);
}

void TImageList::SetSize(int width, int height) {
    if (width == width_ && height == height_) {
        return;
    }
    width_ = width;
    height_ = height;
    Recreate();
}

int TImageList::Count() const {
    return handle_ != nullptr ? ImageList_GetImageCount(handle_) : 0;
}

void TImageList::Clear() {
    if (handle_ != nullptr) {
        ImageList_RemoveAll(handle_);
    }
}

bool TImageList::AddStrip(const TBitmap& strip) {
    if (handle_ == nullptr || strip.Empty() || strip.Height() != height_ || strip.Width() % width_ != 0) {
        return false;
    }
    // ImageList_AddMasked may change the bitmap it is given: hand it a copy.
    TBitmap copy;
    copy.CopyFrom(strip.Handle());
    return ImageList_AddMasked(handle_, copy.Handle(), kTransparent) >= 0;
}

bool TImageList::AddFromResource(const std::string& name) {
    TBitmap strip;
    return strip.LoadFromResource(name.c_str()) && AddStrip(strip);
}

HICON TImageList::GetIcon(int index) const {
    if (handle_ == nullptr || index < 0 || index >= Count()) {
        return nullptr;
    }
    return ImageList_GetIcon(handle_, index, ILD_TRANSPARENT);
}

bool TImageList::GetBitmap(int index, TColor background, TBitmap& out) const {
    if (handle_ == nullptr || index < 0 || index >= Count()) {
        return false;
    }
    out.SetSize(width_, height_);
    MemoryDc dc;
    DcSelect sel(dc.Get(), out.Handle());
    RECT r{0, 0, width_, height_};
    FillRectColor(dc.Get(), r, background);
    ImageList_Draw(handle_, index, dc.Get(), 0, 0, ILD_TRANSPARENT);
    return true;
}

void TImageList::Draw(HDC dc, int x, int y, int index) const {
    if (handle_ != nullptr && index >= 0 && index < Count()) {
        ImageList_Draw(handle_, index, dc, x, y, ILD_TRANSPARENT);
    }
}

} // namespace quellar
