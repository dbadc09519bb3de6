#pragma once
// Common controls: track bar, status bar with panels, and the combo box with a picture per item.
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
    bool SizeGrip() const { return sizeGrip_; }
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
