#pragma once
// TMdiLink: the link of a skinned MDI frame to its MDI client window. In front of the client it
// skins a new child once the client refreshes its menu after creating it, takes the frame menu
// the client puts on the frame back onto the bar, ends the maximised look when children are
// tiled, cascaded or closed, and reloads the bar from the frame's own menu when the last
// skinned child went.
#include "ui/SubclassChain.h"

#include <windows.h>

namespace quellar {

class TSkinData;
class TMenuBarOwner;

// Whether the active child of an MDI client is maximised.
bool MdiActiveChildMaximized(HWND client);

// What the MDI link asks of its frame window.
class IMdiHost {
public:
    virtual ~IMdiHost() = default;
    virtual HWND Window() const = 0;
    virtual TSkinData& Skin() const = 0;
    virtual TMenuBarOwner& MenuBarOwner() = 0;
};

class TMdiLink {
public:
    explicit TMdiLink(IMdiHost& host) : host_(host) {}
    ~TMdiLink() { Detach(); }
    TMdiLink(const TMdiLink&) = delete;
    TMdiLink& operator=(const TMdiLink&) = delete;

    // In front of the frame's client window (once); the skin's menu updating is noted.
    void Attach(HWND client);
    void Detach();
    HWND Client() const { return client_; }
    // Whether the client's active child is shown maximised.
    bool ChildMaximized() const;

private:
    bool OnClientMessage(HWND client, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void RepaintFrame() const;

    IMdiHost& host_;
    HWND client_ = nullptr;
    HWND pendingChild_ = nullptr;
    bool savedMenuUpdate_ = false;
    TLinkTo<TMdiLink, &TMdiLink::OnClientMessage> link_{*this};
};

} // namespace quellar
