#pragma once
// TImageList: equal-sized pictures in one platform image list, loaded from a bitmap strip of the
// program's resources (magenta, RGB 255, 0, 255, is transparent).
#include "ui/Component.h"
#include "ui/Graphics.h"

#include <commctrl.h>
#include <windows.h>

#include <string>

namespace quellar {

class TImageList : public TComponent {
    QUELLAR_COMPONENT_CLASS(TImageList, TComponent)
public:
    explicit TImageList(TComponent* owner);
    ~TImageList() override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Changing the size empties the list.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }
    int Count() const;
    HIMAGELIST Handle() const { return handle_; }

    // Appends the pictures of a strip bitmap resource (width = n * Width()); false when the
    // resource is missing or not a strip of this height.
    bool AddFromResource(const std::string& name);
    // Appends every Width() x Height() cell of `strip`.
    bool AddStrip(const TBitmap& strip);
    // A new icon of picture `index` (the caller destroys it), or nullptr.
    HICON GetIcon(int index) const;
    // Picture `index` on a background colour, as a bitmap of Width() x Height().
    bool GetBitmap(int index, TColor background, TBitmap& out) const;
    void Draw(HDC dc, int x, int y, int index) const;
    void Clear();

private:
    void Recreate();
    HIMAGELIST handle_ = nullptr;
    int width_ = 16;
    int height_ = 16;
};

} // namespace quellar
