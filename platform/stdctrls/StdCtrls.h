#pragma once
// Standard controls drawn by the layer: label, group box, check box and radio button, scroll bar.
#include <vector>

#include "platform/controls/Controls.h"
#include "platform/graphics/GdiApi.h"
#include "platform/rtl/Lists.h"

enum TTextLayout { tlTop, tlCenter, tlBottom };

// Measures of a font's text without a window (off screen).
Integer FontTextHeight(const TFont& font);
Integer FontTextWidth(const TFont& font, const String& text);

// ---------------------------------------------------------------- TLabel
class TCustomLabel : public TGraphicControl {
    DECLARE_CLASS(TCustomLabel, TGraphicControl)
public:
    explicit TCustomLabel(TComponent* AOwner);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value);
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* value);
    void SetAutoSize(bool value) override;

protected:
    void Paint() override;
    bool CanAutoSize(Integer& NewWidth, Integer& NewHeight) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // Draws (or, with DT_CALCRECT, measures) the caption in rect.
    virtual void DoDrawText(TRect& rect, UINT flags);
    void CMTextChanged(TMessage& message);
    void CMFontChanged(TMessage& message);

private:
    void TextFormatChanged();
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FTransparent = false;
    bool FWordWrap = false;
    bool FShowAccelChar = true;
    TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
    DECLARE_CLASS(TLabel, TCustomLabel)
public:
    explicit TLabel(TComponent* AOwner) : TCustomLabel(AOwner) {}
};

// ---------------------------------------------------------------- TGroupBox
class TCustomGroupBox : public TCustomControl {
    DECLARE_CLASS(TCustomGroupBox, TCustomControl)
public:
    explicit TCustomGroupBox(TComponent* AOwner);

protected:
    void Paint() override;
    void AdjustClientRect(TRect& Rect) override;
    void CMTextChanged(TMessage& message);
};

class TGroupBox : public TCustomGroupBox {
    DECLARE_CLASS(TGroupBox, TCustomGroupBox)
public:
    explicit TGroupBox(TComponent* AOwner) : TCustomGroupBox(AOwner) {}
};

// ---------------------------------------------------------------- check box and radio button
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A check box or radio button drawn in the classic look: the box (13 x 13), then the caption.
// Space and clicks toggle a check box and check a radio button (which unchecks the radio
// buttons beside it in the same parent); OnClick follows every change of the checked state.
class TButtonControl : public TCustomControl {
    DECLARE_CLASS(TButtonControl, TCustomControl)
public:
    explicit TButtonControl(TComponent* AOwner);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return FState; }
    virtual void SetState(TCheckBoxState value);
    TAlignment Alignment() const { return FAlignment; }   // taRightJustify: caption right of the box
    void SetAlignment(TAlignment value);

protected:
    virtual bool IsRadio() const = 0;
    // What a click or Space does to the state.
    virtual void Toggle() = 0;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void KeyPress(char16_t& Key) override;
    void CMTextChanged(TMessage& message);
    void BMGetCheck(TMessage& message);
    void BMSetCheck(TMessage& message);
    void BMClick(TMessage& message);
    TCheckBoxState FState = cbUnchecked;
    TAlignment FAlignment = taRightJustify;
};

class TCustomCheckBox : public TButtonControl {
    DECLARE_CLASS(TCustomCheckBox, TButtonControl)
public:
    explicit TCustomCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {}
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value) { FAllowGrayed = value; }

protected:
    bool IsRadio() const override { return false; }
    void Toggle() override;

private:
    bool FAllowGrayed = false;
};

class TCheckBox : public TCustomCheckBox {
    DECLARE_CLASS(TCheckBox, TCustomCheckBox)
public:
    explicit TCheckBox(TComponent* AOwner) : TCustomCheckBox(AOwner) {}
};

class TRadioButton : public TButtonControl {
    DECLARE_CLASS(TRadioButton, TButtonControl)
public:
    explicit TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) {}
    void SetState(TCheckBoxState value) override;

protected:
    bool IsRadio() const override { return true; }
    void Toggle() override { SetChecked(true); }
};

// ---------------------------------------------------------------- TScrollBar
enum TScrollBarKind { sbHorizontal, sbVertical };
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };
using TScrollEvent = TEvent<TObject*, TScrollCode, Integer&>;

// A scroll bar control drawn by the layer.  A click on an arrow moves by SmallChange, on the
// track by LargeChange; OnScroll may change the new position, OnChange follows a change.
class TScrollBar : public TCustomControl {
    DECLARE_CLASS(TScrollBar, TCustomControl)
public:
    explicit TScrollBar(TComponent* AOwner);
    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind value);
    Integer Min() const { return FMin; }
    Integer Max() const { return FMax; }
    Integer Position() const { return FPosition; }
    void SetMin(Integer value) { SetParams(FPosition, value, FMax); }
    void SetMax(Integer value) { SetParams(FPosition, FMin, value); }
    void SetPosition(Integer value) { SetParams(value, FMin, FMax); }
    void SetParams(Integer APosition, Integer AMin, Integer AMax);
    Integer SmallChange() const { return FSmallChange; }
    void SetSmallChange(Integer value) { FSmallChange = value; }
    Integer LargeChange() const { return FLargeChange; }
    void SetLargeChange(Integer value) { FLargeChange = value; }
    Integer PageSize() const { return FPageSize; }
    void SetPageSize(Integer value);

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    virtual void Scroll(TScrollCode ScrollCode, Integer& ScrollPos);

private:
    void DoScroll(TScrollCode code, Integer pos);
    TScrollBarKind FKind = sbHorizontal;
    Integer FMin = 0, FMax = 100, FPosition = 0, FSmallChange = 1, FLargeChange = 1, FPageSize = 0;
};
