#pragma once
// TFramePainter: paints one skinned window's frame. It composes the borders, the title plate,
// the caption buttons and the menu bar into a bitmap it keeps, draws the caption text over it in
// the system's caption font and copies the frame onto the window; it repaints one frame item
// (a caption button, a bar item) over the title bar as last composed; it holds the window's icon
// and the title box; and it cuts the window region from the borders' transparent pixels.
#include "skin/form/FrameGeometry.h"
#include "skin/model/Bitmap32.h"
#include "skin/painter/PaintSurface.h"
#include "ui/Graphics.h"

#include <windows.h>

#include <string>

namespace quellar {

class TSkinData;
class TCaptionButtons;
class TNCObject;
class TWinSkinMenu;

// What the frame painter asks of its window.
class IFramePaintHost {
public:
    virtual ~IFramePaintHost() = default;
    virtual HWND Window() const = 0;
    virtual TSkinData& Skin() const = 0;
    virtual const TFrameSizes& Frame() const = 0;
    virtual bool Active() const = 0;
    // Whether the frame is ours to compose now (running, shown, not a popup border, skin loaded).
    virtual bool Composable() const = 0;
    virtual bool RightToLeft() const = 0;
    // WS_POPUP: the title box may grow up to the right-aligned caption buttons.
    virtual bool Popup() const = 0;
};

// The window's caption as the frame shows it (at most 1000 characters).
std::string WindowCaption(HWND window);

class TFramePainter {
public:
    explicit TFramePainter(IFramePaintHost& host) : host_(host) {}
    TFramePainter(const TFramePainter&) = delete;
    TFramePainter& operator=(const TFramePainter&) = delete;

    // The system's caption font, made once on attaching.
    void MakeCaptionFont();
    // The system's caption font, or the GUI font where it could not be made.
    HGDIOBJ CaptionFont() const {
        return captionFont_.Get() != nullptr ? captionFont_.Get() : GetStockObject(DEFAULT_GUI_FONT);
    }
    // The window's small icon, or the skin's (else the main skin's) for a window without one.
    void ReadWindowIcon();
    const TBitmap32& Icon() const { return icon_; }

    // The title plate's box for a window width, measured in the caption font (window
    // coordinates); kept as the title box.
    TSkinRect MeasureTitleBox(int width, int rightAlignedLeft);
    // The title text box of the last layout (window coordinates).
    const TSkinRect& TitleBox() const { return titleBox_; }

    // The whole frame onto dc (the window's context when null). True when the menu bar shows a
    // maximised MDI child's buttons.
    bool Paint(HDC dc, TCaptionButtons& buttons, TWinSkinMenu* bar);
    // One frame item after its state changed, over the title bar as last composed.
    void PaintItem(TNCObject& item, TWinSkinMenu* bar);

    // The region cut anew when the window's size changed, or always when asked to.
    void UpdateRegion(TBorderKind kind, bool always);
    // The window's region dropped (the platform's frame shows, or the skin goes).
    void DropRegion();
    // The next update cuts the region whatever the size.
    void ForgetRegionSize() { regionWidth_ = regionHeight_ = -1; }
    bool HasRegion() const { return hasRegion_; }

private:
    TBitmap32 BorrowedIcon() const;
    void DrawTitleText(HDC dc, bool active);

    IFramePaintHost& host_;
    GdiObject captionFont_;
    TBitmap32 icon_;
    TSkinRect titleBox_;
    TBitmap32 framePixels_; // the frame as last composed, kept for its memory
    TBitmap32 titleBack_;   // the title bar without caption buttons, as last composed
    TPaintSurface canvas_;
    bool hasRegion_ = false;
    int regionWidth_ = -1;
    int regionHeight_ = -1;
};

} // namespace quellar
