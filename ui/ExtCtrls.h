#pragma once
// Panels with bevels, the picture control and the timer.
#include "ui/Controls.h"

#include <string>

namespace quellar {

enum class TBevelCut { bvNone, bvLowered, bvRaised };
enum class TPanelBorder { bsNone, bsSingle };

class TCustomPanel : public TWinControl {
    QUELLAR_COMPONENT_CLASS(TCustomPanel, TWinControl)
public:
    explicit TCustomPanel(TComponent* owner);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut cut);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut cut);
    TPanelBorder BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TPanelBorder border) { borderStyle_ = border; }

protected:
    void CreateParams(TCreateParams& params) override;
    void PaintWindow(HDC dc) override;
    void AdjustClientRect(RECT& rect) const override;

private:
    TBevelCut bevelInner_ = TBevelCut::bvNone;
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    TPanelBorder borderStyle_ = TPanelBorder::bsNone;
};

class TPanel : public TCustomPanel {
    QUELLAR_COMPONENT_CLASS(TPanel, TCustomPanel)
public:
    using TCustomPanel::TCustomPanel;
};

// A picture, drawn at its own size from the top-left corner or stretched over the control.
class TImage : public TGraphicControl {
    QUELLAR_COMPONENT_CLASS(TImage, TGraphicControl)
public:
    using TGraphicControl::TGraphicControl;
    const TBitmap& Picture() const { return picture_; }
    void SetPicture(const TBitmap& picture);
    // Loads a JPEG file; raises Exception when it cannot be opened or decoded (the picture is
    // then left as it was).
    void LoadFromFile(const std::string& fileName);
    // Loads a bitmap resource of the program; false when there is none of that name.
    bool LoadFromResource(const std::string& name);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);
    // Leaves out the picture's pixels of its bottom-left pixel's colour.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    // The file name of the picture last loaded from a file (empty otherwise).
    const std::string& FileName() const { return fileName_; }

protected:
    void Paint(HDC dc) override;

private:
    TBitmap picture_;
    bool stretch_ = false;
    bool transparent_ = false;
    std::string fileName_;
};

// A timer that calls OnTimer every Interval milliseconds while Enabled. An interval of 0 never
// ticks; enabling an enabled timer or giving it the interval it has changes nothing; a new
// interval restarts the period.
class TTimer : public TComponent {
    QUELLAR_COMPONENT_CLASS(TTimer, TComponent)
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned milliseconds);
    // Whether the platform timer is running now.
    bool Running() const { return id_ != 0; }
    // How often the period has been (re)started, for tests of "changes nothing".
    int Starts() const { return starts_; }
    TNotifyEvent OnTimer;
    void SetOnTimer(TNotifyEvent handler);

private:
    static void CALLBACK TimerProc(HWND hwnd, UINT msg, UINT_PTR id, DWORD time);
    void UpdateTimer();
    bool enabled_ = true;
    unsigned interval_ = 1000;
    UINT_PTR id_ = 0;
    int starts_ = 0;
};

} // namespace quellar
