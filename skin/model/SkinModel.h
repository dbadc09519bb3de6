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

class TSkinModel {
public:
    TSkinModel();
    ~TSkinModel();
    TSkinModel(const TSkinModel&) = delete;
    TSkinModel& operator=(const TSkinModel&) = delete;

    const std::string& SkinName() const { return skinName_; }
    TDataSkinBorder* FrameLeft() const { return frameLeft_.get(); }
    TDataSkinBorder* FrameRight() const { return frameRight_.get(); }
    TDataSkinBorder* FrameTop() const { return frameTop_.get(); }
    TDataSkinBorder* FrameBottom() const { return frameBottom_.get(); }
    TDataSkinTitle* Title() const { return title_.get(); }
    TDataSkinButton* Buttons() const { return buttons_.get(); }
    // The skin's caption buttons, then the three buttons of a maximised MDI child.
    const std::vector<std::unique_ptr<TDataSkinSysButton>>& SysButtons() const { return sysButtons_; }
    const TSkinColours& Colours() const { return colours_; }

    // Optional elements: null when the skin does not give their image.
    TDataSkinBorder* Progress() const { return progress_.get(); }
    TDataSkinObject* MenuBar() const { return menuBar_.get(); }
    TDataSkinObject* GroupBoxEdge() const { return groupBoxEdge_.get(); }
    TDataSkinObject* Toolbars() const { return toolbars_.get(); }
    TDataSkinBorder* Tabs() const { return tabs_.get(); }
    TDataSkinObject* StatusBarEdges() const { return statusBarEdges_.get(); }
    TDataSkinBorder* ComboButton() const { return comboButton_.get(); }
    TDataSkinObject* SunkEdge() const { return sunkEdge_.get(); }
    TDataSkinObject* ExtraImages() const { return extraImages_.get(); }
    TDataSkinObject* Headerbar() const { return headerbar_.get(); }
    TDataSkinObject* MenuItem() const { return menuItem_.get(); }
    TDataSkinObject* MenuBackground() const { return menuBackground_.get(); }
    TDataSkinObject* Scrollbar() const { return scrollbar_.get(); }
    TDataSkinObject* HorzScroll() const { return horzScroll_.get(); }
    TDataSkinObject* VertScroll() const { return vertScroll_.get(); }
    TDataSkinObject* HorzScrollThumb() const { return horzScrollThumb_.get(); }
    TDataSkinObject* VertScrollThumb() const { return vertScrollThumb_.get(); }
    TDataSkinObject* TrackbarThumbHorz() const { return trackbarThumbHorz_.get(); }
    TDataSkinObject* TrackbarThumbVert() const { return trackbarThumbVert_.get(); }
    TDataSkinObject* TrackbarThumbLeft() const { return trackbarThumbLeft_.get(); }
    TDataSkinObject* TrackbarThumbRight() const { return trackbarThumbRight_.get(); }
    TDataSkinObject* TrackbarThumbUp() const { return trackbarThumbUp_.get(); }
    TDataSkinObject* TrackbarThumbDown() const { return trackbarThumbDown_.get(); }
    TDataSkinBorder* UpDownHorz() const { return upDownHorz_.get(); }
    TDataSkinBorder* UpDownVert() const { return upDownVert_.get(); }
    // The elements of the general sections (GroupBoxEdge ... UpDown.Vert) in reading order,
    // absent ones as null.
    std::vector<TDataSkinObject*> GeneralElements() const {
        return {groupBoxEdge_.get(),       toolbars_.get(),          tabs_.get(),
                statusBarEdges_.get(),     comboButton_.get(),       sunkEdge_.get(),
                extraImages_.get(),        headerbar_.get(),         menuItem_.get(),
                menuBackground_.get(),     scrollbar_.get(),         horzScroll_.get(),
                vertScroll_.get(),         horzScrollThumb_.get(),   vertScrollThumb_.get(),
                trackbarThumbHorz_.get(),  trackbarThumbVert_.get(), trackbarThumbLeft_.get(),
                trackbarThumbRight_.get(), trackbarThumbUp_.get(),   trackbarThumbDown_.get(),
                upDownHorz_.get(),         upDownVert_.get()};
    }

private:
    friend class TSkinDescriptionReader;

    std::string skinName_;
    std::unique_ptr<TDataSkinBorder> frameLeft_, frameRight_, frameTop_, frameBottom_;
    std::unique_ptr<TDataSkinTitle> title_;
    std::unique_ptr<TDataSkinButton> buttons_;
    std::vector<std::unique_ptr<TDataSkinSysButton>> sysButtons_;
    TSkinColours colours_;
    std::unique_ptr<TDataSkinBorder> progress_;
    std::unique_ptr<TDataSkinObject> menuBar_, groupBoxEdge_, toolbars_;
    std::unique_ptr<TDataSkinBorder> tabs_;
    std::unique_ptr<TDataSkinObject> statusBarEdges_;
    std::unique_ptr<TDataSkinBorder> comboButton_;
    std::unique_ptr<TDataSkinObject> sunkEdge_, extraImages_, headerbar_, menuItem_, menuBackground_;
    std::unique_ptr<TDataSkinObject> scrollbar_, horzScroll_, vertScroll_, horzScrollThumb_, vertScrollThumb_;
    std::unique_ptr<TDataSkinObject> trackbarThumbHorz_, trackbarThumbVert_, trackbarThumbLeft_,
        trackbarThumbRight_, trackbarThumbUp_, trackbarThumbDown_;
    std::unique_ptr<TDataSkinBorder> upDownHorz_, upDownVert_;
};

} // namespace quellar
