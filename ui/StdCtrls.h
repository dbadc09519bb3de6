#pragma once
// The standard controls: labels (windowless), edits, combo boxes, check boxes, push buttons and
// group boxes (platform windows). Class names follow the framework's tree, so a test such as
// "is an instance of TCustomComboBox" answers the same as there.
#include "ui/Controls.h"

#include <string>
#include <vector>

namespace quellar {

// A CM_DIALOGCHAR for a button: when the character is the accelerator of `caption` and the
// control is enabled and showing, clicks it and answers the message as taken (true).
bool ClickOnAccelerator(TControl& control, const std::string& caption, TMessage& message);

class TCustomLabel : public TGraphicControl {
    QUELLAR_COMPONENT_CLASS(TCustomLabel, TGraphicControl)
public:
    explicit TCustomLabel(TComponent* owner);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

protected:
    void Paint(HDC dc) override;
    void TextChanged() override;
    void FontChanged() override;

private:
    void AdjustBounds();
    bool autoSize_ = true;
};

class TLabel : public TCustomLabel {
    QUELLAR_COMPONENT_CLASS(TLabel, TCustomLabel)
public:
    using TCustomLabel::TCustomLabel;
};

class TCustomEdit : public TWinControl {
    QUELLAR_COMPONENT_CLASS(TCustomEdit, TWinControl)
public:
    explicit TCustomEdit(TComponent* owner);
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
};

class TEdit : public TCustomEdit {
    QUELLAR_COMPONENT_CLASS(TEdit, TCustomEdit)
public:
    using TCustomEdit::TCustomEdit;
};

enum class TComboBoxStyle { csDropDown, csDropDownList };

// What the combo boxes share: the items, the selected index and the open list's row count.
class TCustomCombo : public TWinControl {
    QUELLAR_COMPONENT_CLASS(TCustomCombo, TWinControl)
public:
    explicit TCustomCombo(TComponent* owner);
    const std::vector<std::string>& Items() const { return items_; }
    virtual void SetItems(const std::vector<std::string>& items);
    // -1 when no item is selected.
    int ItemIndex() const;
    // An index outside the list selects nothing.
    void SetItemIndex(int index);
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int rows) { dropDownCount_ = rows; }
    TNotifyEvent OnChange;

protected:
    void WndProc(TMessage& message) override;
    void InitializeWindow() override;
    virtual void AddItemToWindow(int index);
    // Height of the window with its list open.
    virtual int DroppedHeight() const;
    int WindowHeight() const override { return DroppedHeight(); }
    std::vector<std::string> items_;

private:
    int itemIndex_ = -1;
    int dropDownCount_ = 8;
};

class TCustomComboBox : public TCustomCombo {
    QUELLAR_COMPONENT_CLASS(TCustomComboBox, TCustomCombo)
public:
    using TCustomCombo::TCustomCombo;
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style) { style_ = style; }

protected:
    void CreateParams(TCreateParams& params) override;

private:
    TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
};

class TComboBox : public TCustomComboBox {
    QUELLAR_COMPONENT_CLASS(TComboBox, TCustomComboBox)
public:
    using TCustomComboBox::TCustomComboBox;
};

class TButtonControl : public TWinControl {
    QUELLAR_COMPONENT_CLASS(TButtonControl, TWinControl)
public:
    explicit TButtonControl(TComponent* owner);
};

class TCustomCheckBox : public TButtonControl {
    QUELLAR_COMPONENT_CLASS(TCustomCheckBox, TButtonControl)
public:
    using TButtonControl::TButtonControl;
    bool Checked() const { return checked_; }
    // A change of state runs Click (OnClick), whether the user or the program made it;
    // setting the state the box already has does nothing.
    void SetChecked(bool checked);
    void Toggle() { SetChecked(!checked_); }

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void WndProc(TMessage& message) override;

private:
    bool checked_ = false;
};

class TCheckBox : public TCustomCheckBox {
    QUELLAR_COMPONENT_CLASS(TCheckBox, TCustomCheckBox)
public:
    using TCustomCheckBox::TCustomCheckBox;
};

// One choice of several: checking it unchecks the other radio buttons of the same parent.
class TRadioButton : public TButtonControl {
    QUELLAR_COMPONENT_CLASS(TRadioButton, TButtonControl)
public:
    using TButtonControl::TButtonControl;
    bool Checked() const { return checked_; }
    // Checking runs Click (OnClick) and unchecks the siblings; unchecking runs nothing.
    void SetChecked(bool checked);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void WndProc(TMessage& message) override;

private:
    bool checked_ = false;
};

class TButton : public TButtonControl {
    QUELLAR_COMPONENT_CLASS(TButton, TButtonControl)
public:
    using TButtonControl::TButtonControl;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
};

class TCustomGroupBox : public TWinControl {
    QUELLAR_COMPONENT_CLASS(TCustomGroupBox, TWinControl)
public:
    using TWinControl::TWinControl;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
};

class TGroupBox : public TCustomGroupBox {
    QUELLAR_COMPONENT_CLASS(TGroupBox, TCustomGroupBox)
public:
    using TCustomGroupBox::TCustomGroupBox;
};

} // namespace quellar
