#pragma once
// TSkinModel: what a skin description gave, as the painters read it: the frame borders, the title
// bar, the caption buttons, the skin colours and the optional elements of the controls. The
// description reader fills it; TSkinData holds one per skin.
#include "skin/model/SkinElements.h"

#include <memory>
#include <string>
#include <vector>

namespace quellar {

struct TSkinColours {
    TSkinColor WindowText = SystemColour(8);
    TSkinColor ButtonFace = SystemColour(15);
    TSkinColor Scrollbar = SystemColour(0);
    TSkinColor HilightText = SystemColour(14);
    TSkinColor Hilight = SystemColour(13);
    TSkinColor Menubar = SystemColour(15);
    TSkinColor Menu = SystemColour(4);
    TSkinColor MenuText = SystemColour(7);
    TSkinColor ButtonText = SystemColour(18);
    TSkinColor ButtonHilight = SystemColour(20);
    TSkinColor Buttonlight = SystemColour(20);
    TSkinColor ButtonShadow = SystemColour(16);
    TSkinColor ButtonDkShadow = SystemColour(16);
    TSkinColor MenuBarText = SystemColour(7);
    TSkinColor TitleTextActive = SystemColour(9);
    TSkinColor TitleTextNoActive = SystemColour(19);
};

// A record: its fields are what the description gave. The frame's borders, title and buttons are
// always there; an optional element is null when the skin does not give its image. The painters
// only read it; the description reader fills it.
struct TSkinModel {
    TSkinModel();
    ~TSkinModel();
    TSkinModel(const TSkinModel&) = delete;
    TSkinModel& operator=(const TSkinModel&) = delete;

    std::string SkinName;
    std::unique_ptr<TDataSkinBorder> FrameLeft, FrameRight, FrameTop, FrameBottom;
    std::unique_ptr<TDataSkinTitle> Title;
    std::unique_ptr<TDataSkinButton> Buttons;
    // The skin's caption buttons, then the three buttons of a maximised MDI child.
    std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons;
    TSkinColours Colours;

    // Optional elements.
    std::unique_ptr<TDataSkinBorder> Progress;
    std::unique_ptr<TDataSkinObject> MenuBar, GroupBoxEdge, Toolbars;
    std::unique_ptr<TDataSkinBorder> Tabs;
    std::unique_ptr<TDataSkinObject> StatusBarEdges;
    std::unique_ptr<TDataSkinBorder> ComboButton;
    std::unique_ptr<TDataSkinObject> SunkEdge, ExtraImages, Headerbar, MenuItem, MenuBackground;
    std::unique_ptr<TDataSkinObject> Scrollbar, HorzScroll, VertScroll, HorzScrollThumb, VertScrollThumb;
    std::unique_ptr<TDataSkinObject> TrackbarThumbHorz, TrackbarThumbVert, TrackbarThumbLeft,
        TrackbarThumbRight, TrackbarThumbUp, TrackbarThumbDown;
    std::unique_ptr<TDataSkinBorder> UpDownHorz, UpDownVert;

    // The elements of the general sections (GroupBoxEdge ... UpDown.Vert) in reading order,
    // absent ones as null.
    std::vector<TDataSkinObject*> GeneralElements() const {
        return {GroupBoxEdge.get(),       Toolbars.get(),          Tabs.get(),
                StatusBarEdges.get(),     ComboButton.get(),       SunkEdge.get(),
                ExtraImages.get(),        Headerbar.get(),         MenuItem.get(),
                MenuBackground.get(),     Scrollbar.get(),         HorzScroll.get(),
                VertScroll.get(),         HorzScrollThumb.get(),   VertScrollThumb.get(),
                TrackbarThumbHorz.get(),  TrackbarThumbVert.get(), TrackbarThumbLeft.get(),
                TrackbarThumbRight.get(), TrackbarThumbUp.get(),   TrackbarThumbDown.get(),
                UpDownHorz.get(),         UpDownVert.get()};
    }
};

} // namespace quellar
