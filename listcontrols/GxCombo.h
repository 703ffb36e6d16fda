#pragma once
// A drop-down combo box over the platform's: a flat or etched look with border, focus-border and
// focus colours; a drop-down button in custom colours, themed or classic; an attached label in one
// of fifteen places; a grey placeholder text while empty; a fixed or automatic width of the list;
// Enter acting as Tab; a validation tooltip and the edit's balloon tip; colour sets for the styles
// of the styler; sizes scaled to the screen's resolution.
#include "listcontrols/GxStyleIF.h"
#include "listcontrols/GxToolTip.h"
#include "platform/stdctrls/ComboBox.h"
#include "platform/stdctrls/StdCtrls.h"

class TGxCustomCombo : public TCustomComboBox, public IGxStyle {
    DECLARE_CLASS(TGxCustomCombo, TCustomComboBox)
public:
    // Where the label stands beside the box: the class's own positions, apart from the styled
    // controls' TLabelPosition.
    enum TLabelPosition : Byte {
        lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft, lpLeftCenterLeft,
        lpLeftBottomLeft, lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter, lpRighBottom, lpTopRight,
        lpBottomRight
    };
    explicit TGxCustomCombo(TComponent* AOwner);
    ~TGxCustomCombo() override;

    void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
    void SetParent(TWinControl* AParent) override;
    void Init() { FNormalColor = Color(); }
    // Chooses the item with this text and tells OnChange; a text not in the list changes nothing.
    virtual void SelectItem(const String& AText);
    // The edit's balloon tip (the icon is the balloon type) and its removal.
    void ShowBalloon(const String& Title, const String& Text, TBalloonType BalloonType);
    void HideBalloon();
    // The validation tooltip beside the box, with the ToolTip settings (none: the tip's own).
    void ShowValidation(const String& AText);
    void HideValidation();
    TGxToolTipWindow* ValidationWindow() const { return FToolTipWindow; }
    void ApplyComponentStyle(TGxStyle AStyle) override { ApplyUIStyle(AStyle); }
    virtual void ApplyUIStyle(TGxStyle AStyle);
    virtual Integer GetVersionNr() const;
    String Version() const;
    void SetVersion(const String&) {}
    // True when the visual styles are loaded and active.
    bool DoVisualStyles() const;

    // ---- properties
    bool AutoDropWidth() const { return FAutoDropWidth; }
    void SetAutoDropWidth(bool Value) { FAutoDropWidth = Value; }
    bool AutoFocus() const { return FAutoFocus; }
    void SetAutoFocus(bool Value) { FAutoFocus = Value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    Integer ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(Integer Value);
    void SetColor(TColor Value);
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool Value) { FDisabledBorder = Value; }
    Integer DropWidth() const { return FDropWidth; }
    void SetDropWidth(Integer Value);
    const String& EmptyText() const { return FEmptyText; }
    void SetEmptyText(const String& Value);
    bool EmptyTextFocused() const { return FEmptyTextFocused; }
    void SetEmptyTextFocused(bool Value) { FEmptyTextFocused = Value; }
    TFontStyles EmptyTextStyle() const { return FEmptyTextStyle; }
    void SetEmptyTextStyle(TFontStyles Value);
    bool Etched() const { return FEtched; }
    void SetEtched(bool Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    TColor FlatLineColor() const { return FFlatLineColor; }
    void SetFlatLineColor(TColor Value);
    bool FlatParentColor() const { return FFlatParentColor; }
    void SetFlatParentColor(bool Value);
    bool FocusBorder() const { return FFocusBorder; }
    void SetFocusBorder(bool Value) { FFocusBorder = Value; }
    TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor Value) { FFocusBorderColor = Value; }
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor Value) { FFocusColor = Value; }
    TColor FocusFontColor() const { return FFocusFontColor; }
    void SetFocusFontColor(TColor Value) { FFocusFontColor = Value; }
    bool FocusLabel() const { return FFocusLabel; }
    void SetFocusLabel(bool Value) { FFocusLabel = Value; }
    String LabelCaption() const;
    void SetLabelCaption(const String& Value);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition Value);
    Integer LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(Integer Value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool Value);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool Value);
    TFont& LabelFont() { return FLabelFont; }
    void SetLabelFont(const TFont& Value);
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
    TGxStyle UIStyle() const { return FGxStyle; }
    void SetUIStyle(TGxStyle Value) { ApplyUIStyle(Value); }
    TGxToolTip* ToolTip() const { return FToolTip; }
    void SetToolTip(TGxToolTip* Value);
    TLabel* ComboLabel() const { return FLabel; }
    bool EnableWheel() const { return FEnableWheel; }
    void SetEnableWheel(bool Value) { FEnableWheel = Value; }
    TColor ButtonColor, ButtonColorHot, ButtonColorDown, ButtonTextColor, ButtonTextColorHot, ButtonTextColorDown,
        ButtonBorderColor;

    TNotifyEvent OnDropUp, OnLabelClick, OnLabelDblClick;

protected:
    void Loaded() override;
    void CreateWnd() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void ChangeScale(Integer M, Integer D) override;
    void DropDown() override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void Paint() override;
    void DoEnter() override;
    void DoExit() override;
    virtual void DoLabelClick() { OnLabelClick(this); }
    virtual void DoLabelDblClick() { OnLabelDblClick(this); }
    // The edit child's window procedure while the box has subclassed it.
    void EditSubclassProc(TMessage& message);

    void CNCommand(TMessage& message);
    void WMNCPaint(TMessage& message);
    void WMSetFocus(TMessage& message);
    void WMMouseWheel(TMessage& message);
    void CMMouseEnter(TMessage& message);
    void CMMouseLeave(TMessage& message);
    void CMEnabledChanged(TMessage& message);
    void CMVisibleChanged(TMessage& message);
    void CMFontChanged(TMessage& message);
    void CMParentFontChanged(TMessage& message);

private:
    void LabelFontChanged();
    void LabelClicked(TObject*) { DoLabelClick(); }
    void LabelDblClicked(TObject*) { DoLabelDblClick(); }
    void CreateLabel();
    void UpdateLabel();
    void UpdateLabelPos();
    float GetLabelScale() const;
    void SetLabelBold(bool Bold);
    TColor ParentBrushColor() const;
    bool ShowFocusBorder() const;
    bool IsActive() const;
    Integer ScaledButtonWidth() const;
    Integer ButtonZoneLeft() const;   // the button zone's left edge in window coordinates
    void DrawBorders();
    void DrawControlBorder(TCanvas& DC);
    void DrawButtonBorder(TCanvas& DC);
    void DrawButton(TCanvas& DC);
    void PaintEmptyText();

    TColor FOldColor = clWindow;
    TColor FLoadedColor = clWindow;
    bool FOldParentColor = false;
    bool FMouseInControl = false;
    bool FAutoDropWidth = false;
    bool FAutoFocus = false;
    TColor FBorderColor = clNone;
    Integer FButtonWidth = 19;
    bool FDisabledBorder = true;
    Integer FDropWidth = 0;
    String FEmptyText;
    bool FEmptyTextFocused = false;
    TFontStyles FEmptyTextStyle;
    bool FEtched = false;
    bool FFlat = false;
    TColor FFlatLineColor = clBlack;
    bool FFlatParentColor = true;
    bool FFocusBorder = false;
    TColor FFocusBorderColor = clNone;
    TColor FFocusColor = clNone;
    TColor FFocusFontColor = clNone;
    bool FFocusLabel = false;
    TLabelPosition FLabelPosition = lpLeftTop;
    Integer FLabelMargin = 4;
    bool FLabelTransparent = false;
    bool FLabelAlwaysEnabled = false;
    TFont FLabelFont;
    bool FReturnIsTab = false;
    TGxToolTip* FToolTip = nullptr;
    bool FEnableWheel = true;
    bool FIsWinXP = false;
    bool FIsThemed = false;
    bool FButtonHover = false;
    TLabel* FLabel = nullptr;
    TColor FNormalColor = clWindow;
    bool FHasFocus = false;
    bool FParentFnt = false;
    TColor FFontColor = clWindowText;
    TWndMethod FWinProc;
    bool FGotReturn = false;
    bool FLblUpdate = false;
    Integer FLblFntHeight = 0;
    float FDPIScale = 1.0f;
    bool FLoaded = false;
    TGxStyle FGxStyle = tsCustom;
    TGxToolTipWindow* FToolTipWindow = nullptr;
    bool FDesignCreate = false;
    bool FLabelFontEqual = true;
};
const TEnumTypeInfo& TypeInfoOf(TGxCustomCombo::TLabelPosition);

class TGxComboBox : public TGxCustomCombo {
    DECLARE_CLASS(TGxComboBox, TGxCustomCombo)
public:
    using TGxCustomCombo::TGxCustomCombo;
};

// Publishes the combo box's and the tooltip's properties for form descriptions.
void RegisterGxComboClasses();
