#pragma once
// The clickable items of a skinned window's frame (caption buttons; menu-bar items later):
// their rectangle in window coordinates, whether they show, and their state under the mouse.
// The host holds the one hot item and paints an item when its state changes.
#include "skin/painter/PaintGeometry.h"

namespace quellar {

class TDataSkinSysButton;
class TNCObject;

enum TNCState : int { nsNormal = 1, nsPressed = 2, nsHot = 3 };

class TNCHost {
public:
    virtual ~TNCHost() = default;
    // Paints one item after its state changed.
    virtual void PaintItem(TNCObject& item) = 0;
    TNCObject* hotItem = nullptr;
};

class TNCObject {
public:
    explicit TNCObject(TNCHost& host) : host_(host) {}
    virtual ~TNCObject();
    TNCObject(const TNCObject&) = delete;
    TNCObject& operator=(const TNCObject&) = delete;

    // A different hot item leaves first; this one becomes hot and pressed.
    void Press();
    // Pressed to hot; it stays the hot item.
    void Release();
    // Becomes the hot item (a different one leaves first); nothing when it already is.
    void Enter();
    // No longer hot.
    void Leave();

    TSkinRect rect;
    bool visible = true;
    int state = nsNormal;

protected:
    TNCHost& host_;

private:
    void SetState(int newState);
};

// One caption button, drawn from its definition in the skin.
class TWinSysButton : public TNCObject {
public:
    TWinSysButton(TNCHost& host, const TDataSkinSysButton& definition) : TNCObject(host), def(&definition) {}
    // The window-icon button (actions 3 and 11) shows the window's icon instead of its image.
    bool IsIconButton() const;
    // The frame of the strip to draw in the current state: the state itself (1 normal,
    // 2 pressed, 3 hot), but 4 for a hot menu-bar button (visibility 100).
    int StateFrame() const;
    // The frame a full repaint of the title bar draws: 1 for an active window or a strip of
    // fewer than 4 frames, else 4 (inactive).
    static int TitleBarFrame(bool active, int frameCount);
    const TDataSkinSysButton* def;
};

} // namespace quellar
