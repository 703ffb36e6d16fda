#pragma once
// TExtendEdit: a single-line edit holding a number in one of five styles.  It filters keystrokes
// for its style, shows a bare number while focused and a formatted one otherwise, checks the
// number against a range (forcing it in with Enforce) and takes an alert colour when outside.
// Separators come from the process's FormatSettings.
#include "platform/stdctrls/Edits.h"

enum TEditType { esGeneral, esInteger, esFloat, esCurrency, esPercentage };
const TEnumTypeInfo& TypeInfoOf(TEditType);
using TDecWidth = Integer;   // 0..9

class TExtendEdit;

// Out-of-range colouring.
class TAlertData : public TPersistent {
    DECLARE_CLASS(TAlertData, TPersistent)
public:
    explicit TAlertData(TExtendEdit* control = nullptr) : FControl(control) {}
    void Assign(TPersistent* Source) override;
    bool Active() const { return FActive; }
    void SetActive(bool value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);

private:
    TExtendEdit* FControl;
    bool FActive = false;
    TColor FColor = clWindow;
};

// The range and the colour of a number inside it.
class TRangeData : public TPersistent {
    DECLARE_CLASS(TRangeData, TPersistent)
public:
    explicit TRangeData(TExtendEdit* control = nullptr) : FControl(control) {}
    void Assign(TPersistent* Source) override;
    bool Enforce() const { return FEnforce; }
    void SetEnforce(bool value);
    double MinValue() const { return FMinValue; }
    double MaxValue() const { return FMaxValue; }
    // Index 1 is the minimum, 2 the maximum; a maximum below the minimum pulls the minimum down.
    void SetValue(Integer index, double value);
    void SetMinValue(double value) { SetValue(1, value); }
    void SetMaxValue(double value) { SetValue(2, value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor value);

private:
    TExtendEdit* FControl;
    bool FEnforce = false;
    double FMaxValue = 100.0;
    double FMinValue = -100.0;
    TColor FColor = clWindow;
};

class TExtendEdit : public TEdit {
    DECLARE_CLASS(TExtendEdit, TEdit)
public:
    explicit TExtendEdit(TComponent* AOwner);

    TEditType EditStyle() const { return FEditStyle; }
    void SetEditStyle(TEditType value);
    bool ActiveFocus() const { return FActiveFocus; }
    void SetActiveFocus(bool value) { FActiveFocus = value; }
    TDecWidth DecimalPlaces() const { return FDecPlaces; }
    void SetDecimalPlaces(TDecWidth value);
    bool OORError() const { return FOORError; }
    void SetOORError(bool value) { FOORError = value; }
    TAlertData& Alert() { return FAlertData; }
    TRangeData& Range() { return FRangeData; }

    // The number of the text; for esPercentage the fraction (the text shows the percent figure).
    double Value();
    // Writes the number; for esPercentage the percent figure.
    void SetValue(double x);

    // The number in the text: digits and the decimal separator only (none in esInteger, the
    // first one elsewhere); "(" with ")" or any "-" makes it negative; 0 when nothing converts.
    double ParseNumber(const String& text) const;
    // Forces the number into the range (Enforce) and colours the edit.
    void RangeCheck();

protected:
    void Change() override;
    void DoEnter() override;
    void DoExit() override;
    void KeyPress(char16_t& Key) override;

private:
    void RefreshShownText();
    void ShowFocusedText();
    void ShowDisplayText();
    String FixedText(double v) const;
    bool KeyAccepted(char16_t key);

    TEditType FEditStyle = esGeneral;
    bool FActiveFocus = true;
    TDecWidth FDecPlaces = 0;
    bool FOORError = false;
    TAlertData FAlertData{this};
    TRangeData FRangeData{this};
};
