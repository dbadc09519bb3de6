#pragma once
// TWinSkinPopMenu: wears the skin on one popup-menu window (class "#32768"). The manager makes
// one when such a window is created and frees it when the window goes. It paints the skin's menu
// background element as the window's three-pixel ring and as the background behind the items,
// and keeps that background so that the skinned items draw what lies behind them. The window does
// not say which menu it shows: the first skinned item drawn after the window painted tells it.
#include "skin/model/Bitmap32.h"
#include "ui/SubclassChain.h"

#include <windows.h>

namespace quellar {

class TSkinData;

class TWinSkinPopMenu : public TSubclassHandler {
public:
    TWinSkinPopMenu(HWND window, TSkinData& skin);
    TSkinData& Skin() const { return *skin_; }
    ~TWinSkinPopMenu() override;
    TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
    TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

    bool Attach();
    // The window's own procedure back; the background is dropped.
    void Detach();

    HWND Window() const { return window_; }
    HMENU Menu() const { return menu_; }
    void LinkMenu(HMENU menu) { menu_ = menu; }
    // The window's background as last composed (window coordinates), empty before the first paint.
    const TBitmap32& Background() const { return background_; }
    // Where the client area (the items' coordinates) starts in the window: (3, 3) where the
    // platform gives the menu a frame, (0, 0) where the menu paints its edge inside.
    POINT ClientOffset() const;

    bool OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // The skinner that painted without knowing its menu yet, or null.
    static TWinSkinPopMenu* Waiting();
    // Gives the waiting skinner (if any) the menu an item was just drawn for.
    static void LinkWaiting(HMENU menu);

    static constexpr int Ring = 3; // the frame's width in pixels

private:
    // Composes the background to the window's size; false when the skin has none to give.
    bool Compose();
    // The ring on dc, whose origin is at (x, y) of the window.
    void PaintRing(HDC dc, int x = 0, int y = 0) const;
    LRESULT Print(HDC dc, WPARAM wParam, LPARAM lParam);

    HWND window_;
    TSkinData* skin_;
    bool attached_ = false;
    HMENU menu_ = nullptr;
    TBitmap32 background_;
};

} // namespace quellar
