#pragma once
// TWindowFacts: what a skinned window was before the skin came (its styles, caption buttons,
// border and the size of its own frame) and what it is now (frame sizes, client size, active,
// window state, life of the skin object). The window object and its parts read it; the frame fit
// (FrameFit.h) keeps it up to date.
#include "skin/form/FrameGeometry.h"

#include <windows.h>

#include <string>

namespace quellar {

// Life of a form object.
enum TLifeState : int {
    lsCreated = 0,
    lsRunning = 1,
    lsReapplying = 3,
    lsDetachingAtExit = 4,
    lsFitting = 5,
    lsDestroyed = 6, // WM_NCDESTROY seen: the manager frees the object
};

enum TMdiKind : int { mkPlain = 0, mkFrame = 1, mkChild = 2 };

struct TWindowFacts {
    HWND window = nullptr;
    std::string className;
    HWND owner = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    bool rightToLeft = false;
    unsigned captionFlags = 0;
    DWORD removedCaptionBits = 0; // the WS_CAPTION bits the skin took away
    TBorderKind borderKind = bkFixed;
    TFrameSizes frame;
    int initialExtraWidth = 0; // the window's own frame, before the skin
    int initialExtraHeight = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    bool active = true;
    int windowState = wsRestored;
    int mdiKind = mkPlain;
    int lifeState = lsCreated;

    // An MDI child that is minimised or maximised: the platform draws its frame.
    bool MdiChildNotRestored() const { return mdiKind == mkChild && windowState != wsRestored; }
    // Whether our frame replaces the platform's now (attached, shown restored or maximised).
    bool PaintsFrame() const {
        return lifeState != lsCreated && windowState != wsMinimized && !MdiChildNotRestored() &&
               borderKind != bkPopup;
    }
};

} // namespace quellar
