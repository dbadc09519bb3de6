#pragma once
// Common controls: track bar, up-down arrows, progress bar, status bar with panels, and the combo
// box with a picture per item.
#include "ui/StdCtrls.h"

#include <string>
#include <vector>

namespace quellar {

class TImageList;

class TTrackBar : public TWinControl {
    QUELLAR_COMPONENT_CLASS(TTrackBar, TWinControl)
public:
    explicit TTrackBar(TComponent* owner);
    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetRange(int min, int max);
    void SetMin(int min) { SetRange(min, max_); }
    void SetMax(int max) { SetRange(min_, max); }
    int Position() const;
    // Clamped to Min..Max, as the slider itself does.
    void SetPosition(int position);
    int ThumbLength() const { return thumbLength_; }
    void SetThumbLength(int pixels);
    // Tick marks every `frequency` positions; 0 shows none.
    void SetFrequency(int frequency) { frequency_ = frequency; }
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void WndProc(TMessage& message) override;

private:
    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    int thumbLength_ = 20;
    int frequency_ = 0;
};

enum class TUDOrientation { udVertical, udHorizontal };

// A pair of arrow buttons that steps a position, optionally shown inside an edit beside it whose
// text it keeps equal to the position.
class TUpDown : public TWinControl {
    QUELLAR_COMPONENT_CLASS(TUpDown, TWinControl)
public:
    explicit TUpDown(TComponent* owner);
    ~TUpDown() override;
    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetRange(int min, int max);
    int Position() const;
    void SetPosition(int position);
    void SetOrientation(TUDOrientation orientation) { orientation_ = orientation; }
    // The edit whose text follows the position; the arrows then sit at its right edge.
    void SetAssociate(TWinControl* edit);
    TNotifyEvent OnChanging;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    TUDOrientation orientation_ = TUDOrientation::udVertical;
    TWinControl* associate_ = nullptr;
};

// A bar that fills from the left as a task goes on.
class TProgressBar : public TWinControl {
    QUELLAR_COMPONENT_CLASS(TProgressBar, TWinControl)
public:
    explicit TProgressBar(TComponent* owner);
    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetRange(int min, int max);
    int Position() const { return position_; }
    // Clamped to Min..Max.
    void SetPosition(int position);
    void SetSmooth(bool smooth) { smooth_ = smooth; }

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    bool smooth_ = false;
};

struct TStatusPanel {
    std::string text;
    int width = 50;
};

class TStatusBar : public TWinControl {
    QUELLAR_COMPONENT_CLASS(TStatusBar, TWinControl)
public:
    explicit TStatusBar(TComponent* owner);
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    void SetPanelWidths(const std::vector<int>& widths);
    std::string PanelText(int index) const;
    void SetPanelText(int index, const std::string& text);
    void SetSizeGrip(bool grip) { sizeGrip_ = grip; }

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;

private:
    void UpdateParts();
    std::vector<TStatusPanel> panels_;
    bool sizeGrip_ = false;
};

struct TComboExItem {
    std::string caption;
    int imageIndex = -1;
};

class TCustomComboBoxEx : public TCustomCombo {
    QUELLAR_COMPONENT_CLASS(TCustomComboBoxEx, TCustomCombo)
public:
    explicit TCustomComboBoxEx(TComponent* owner);
    ~TCustomComboBoxEx() override;
    void SetItemsEx(const std::vector<TComboExItem>& items);
    const std::vector<TComboExItem>& ItemsEx() const { return itemsEx_; }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void AddItemToWindow(int index) override;
    int DroppedHeight() const override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    std::vector<TComboExItem> itemsEx_;
    TImageList* images_ = nullptr;
};

class TComboBoxEx : public TCustomComboBoxEx {
    QUELLAR_COMPONENT_CLASS(TComboBoxEx, TCustomComboBoxEx)
public:
    using TCustomComboBoxEx::TCustomComboBoxEx;
};

} // namespace quellar
