#pragma once
// The typed single-line edit: whole numbers, unsigned words, floating numbers in three
// presentations, currency amounts, dates, times, dates with times, free text, or text that follows
// a character mask.  Numbers take the digits of a base from 2 to 36; the text is rendered again
// after every change, and the As* accessors convert between the text and values.  A failed
// conversion goes to OnValidationError and gives 0; asking for a value of the wrong kind raises
// EStyWrongDataType.
#include "platform/rtl/Exceptions.h"
#include "styledcontrols/StyCurrencySettings.h"
#include "styledcontrols/StyCustomEdit.h"
#include "styledcontrols/StyTimeFormat.h"

enum TStyMaskType {
    meInteger, meWord, meFloat, meFloatFixed, meFloatNumber, meCurrency, meDate, meTime, meMask, meNone, meDateTime
};
const TEnumTypeInfo& TypeInfoOf(TStyMaskType);
enum TStyNumberType { ntInteger, ntFloat, ntFloatFixed, ntFloatNumber, ntCurrency };
using TStyNumberBase = Integer;   // 2 .. 36

using TStyOnUserRule = TEvent<TObject*, bool&, char16_t, Integer>;              // Sender, Ok, c, at
using TStyOnRangeError = TEvent<TObject*, double, double, Extended&>;           // Sender, Lower, Upper, Value

class EStyWrongDataType : public Exception {
public:
    using Exception::Exception;
};

// The number text routines of the typed edits (digits of a base, separators of FormatSettings).
Int64 StyTextToInt(const String& text, TStyNumberBase base);
String StyIntToText(Int64 value, TStyNumberBase base);
Extended StyTextToFloat(const String& text, TStyNumberBase base);
String StyFloatToText(Extended value, TStyNumberBase base, Integer digits);
// A float text finished for a presentation: c fraction digits for ntFloatFixed.
String StyRenderNumber(const String& text, TStyNumberType type, Integer c);

class TStyCustomMaskEdit : public TStyCustomEdit {
    DECLARE_CLASS(TStyCustomMaskEdit, TStyCustomEdit)
public:
    explicit TStyCustomMaskEdit(TComponent* AOwner);
    ~TStyCustomMaskEdit() override;

    Integer AsInteger();
    void SetAsInteger(Integer Value) { SetValue(Value); }
    Cardinal AsCardinal();
    void SetAsCardinal(Cardinal Value) { SetValue(Value); }
    Int64 AsInt64();
    void SetAsInt64(Int64 Value) { SetValue(static_cast<double>(Value)); }
    double AsFloat();
    void SetAsFloat(double Value) { SetValue(Value); }
    double AsCurrency();
    void SetAsCurrency(double Value) { SetValue(Value); }
    TDateTime AsDate();
    void SetAsDate(TDateTime Value) { SetValue(Value); }
    TDateTime AsTime();
    void SetAsTime(TDateTime Value) { SetValue(Value); }
    TDateTime AsDateTime();
    void SetAsDateTime(TDateTime Value) { SetValue(Value); }
    String AsString() const;
    void SetAsString(const String& Value) { SetText(Value); }

    TStyCurrencySettings* CurrencySettings() { return FCurSet.get(); }
    void SetCurrencySettings(TStyCurrencySettings* Value) { FCurSet->Assign(Value); }
    TStyDateFormat* DateSettings() { return FDateSet.get(); }
    void SetDateSettings(TStyDateFormat* Value) { FDateSet->Assign(Value); }
    TStyTimeFormat* TimeSettings() { return FTimeSet.get(); }
    void SetTimeSettings(TStyTimeFormat* Value) { FTimeSet->Assign(Value); }

    TStyMaskType MaskType() const { return FMaskType; }
    void SetMaskType(TStyMaskType Value);
    TStyNumberBase NumberBase() const { return FNumberBase; }
    void SetNumberBase(TStyNumberBase Value);
    const String& Mask() const { return FMask; }
    void SetMask(const String& Value);
    char16_t BlankChar() const { return FBlankChar; }
    void SetBlankChar(char16_t Value);
    bool ProcessBlankChar() const { return FProcessBlankChar; }
    void SetProcessBlankChar(bool Value) { FProcessBlankChar = Value; }
    bool SuppressBlankCharOnDelete() const { return FSuppressBlankCharOnDelete; }
    void SetSuppressBlankCharOnDelete(bool Value) { FSuppressBlankCharOnDelete = Value; }
    bool ForceMaskCheck() const { return FForceMaskCheck; }
    void SetForceMaskCheck(bool Value) { FForceMaskCheck = Value; }
    bool RangeCheck() const { return FRangeCheck; }
    void SetRangeCheck(bool Value) { FRangeCheck = Value; }
    double MinValue() const { return FMinValue; }
    double MaxValue() const { return FMaxValue; }
    // The bound rule: a lower bound above the upper one raises it, and the other way round.
    void SetMinValue(double Value);
    void SetMaxValue(double Value);
    String UnMaskedText();
    void SetUnMaskedText(const String& Value) { SetText(FormatTextByMask(Value, 0)); }
    String FormatTextByMask(const String& AUnMaskedText, char16_t ABlankCharAs);
    // The text of an empty mask: literals in place, blanks elsewhere.
    String EmptyMaskText() const;
    TStyEditModes EditMode() const { return FEditMode; }

    // Renders a value by the mask type and shows it with the suffix.
    void SetValue(double Value);
    void SetTextWithSuffix(const String& aValue) { SetText(aValue + VisibleSuffix()); }
    void GetPureText(String& Result) const;
    Integer NextEditChar();
    Integer PrevEditChar();
    void ForceMaskValidation();
    void CutToClipboard() override;
    void PasteFromClipboard() override;

    TStyOnUserRule OnUserRule;
    TStyOnRangeError OnRangeError;
    TNotifyEvent OnValidationError;

protected:
    virtual bool SkipDateTimeCheck() { return false; }
    virtual void DoError() { OnValidationError(this); }
    virtual void StepUp() { StepDateTime(1); }
    virtual void StepDown() { StepDateTime(-1); }
    virtual bool SpaceIsBlank() { return false; }
    virtual bool IsValueStored() { return FMaskType <= meTime; }
    virtual void MaskChanged() {}
    virtual void RestoreDateTime();
    // The re-rendering after the text changed.
    virtual void TextChanged();

    String VisibleSuffix() const;
    // Replaces the text and puts the caret back where it stood.
    void SetTextKeepCaret(const String& s);
    void DoChange() override;
    void DoChanges(TStyEditChanges AChanges, Integer At) override;
    void KeyPress(char16_t& Key) override;
    void KeyProcessing(Word& Key) override;
    bool DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) override;
    void FocusGained() override;
    void FocusLost() override;
    void Loaded() override;
    void DefineProperties(TFiler* Filer) override;
    void GetDeletionText(String& S) override;
    void AdjustInsertText(Integer APos, String& S) override;
    bool CanChangeText(const String& S) override;
    void BeforeChange() override;
    void AfterChange() override;

    TStyEditModes FEditMode;
    String FSuffix;
    String FMask;
    TStyNumberBase FNumberBase = 10;
    bool FForceMaskCheck = false;
    bool FRangeCheck = false;
    char16_t FThousandDelim;
    char16_t FDecimalDelim;
    char16_t FBlankChar = u'_';
    bool FProcessBlankChar = false;
    bool FSuppressBlankCharOnDelete = false;
    Integer FDecimals = 1;
    TDateTime FSavedDateTime = 0;
    std::unique_ptr<TStyDateFormat> FDateSet;
    std::unique_ptr<TStyTimeFormat> FTimeSet;
    std::unique_ptr<TStyCurrencySettings> FCurSet;
    Integer FTDelims = 0;
    Integer dep_help = 0;
    bool dep_spc = false;
    Integer dep = 0;
    double FMinValue = -1.0, FMaxValue = -1.0;
    bool FMinus = false;
    Word FCommandKey = 0;
    String FOldText;
    TStyMaskType FMaskType = meMask;

private:
    double ReadNumber();
    bool IsDigitOfBase(char16_t c) const;
    void ToggleSign();
    void StepCaretAfterRefusal();
    // Caret and selection start to At, kept within the text.
    void MoveCaretTo(Integer At);
    char16_t DecimalDelimOfType() const { return FMaskType == meCurrency ? FCurSet->FractionDelim() : FDecimalDelim; }
    bool CanOverwrite(const String& S);
    Integer GroupDelimsBeforeCaret() const;
    void PlaceCaretAfterEdit();
    void ZeroReplacement(char16_t ch);
    bool AcceptNumberChar(char16_t ch);
    bool IsAmountChar(char16_t c) const;
    void HandleKeyPress(char16_t& Key);
    bool AcceptMaskChar(char16_t& ch);
    // Mask queries: the element of position p (class character, literal flag, required flag).
    bool MaskElement(Integer p, char16_t& c, bool& literal, bool& required) const;
    bool StrictlyValid(char16_t c, Integer p);
    bool LenientlyValid(char16_t c, Integer p);
    bool ValidMaskText(const String& s);
    // S as it may go into Text at At: cut to the room the mask leaves when pasting, emptied when the
    // result would not be a text of the mask.
    void FitIntoMask(String Text, Integer At, bool Pasting, String& S);
    void ClearMaskPositions(Integer start, Integer count);
    bool IsDateOrTime() const { return FMaskType == meDate || FMaskType == meTime || FMaskType == meDateTime; }
    // Separators move to the next field, digits go into the field; true hands the character on.
    bool AcceptDateTimeChar(char16_t ch);
    // The field at position p of the date or time part: its kind, start and end.
    TStyPatInfo FieldAt(Integer p, bool& time);
    void TypeDateTimeDigit(char16_t ch);
    void StepDateTime(Integer step);
    bool InTimePart(Integer p);
    void FormatChanging(TObject* Sender);
    void FormatChanged(TObject* Sender) { (void)Sender, RestoreDateTime(); }
    void SettingsChanged(TObject* Sender) { (void)Sender, Invalidate(); }

    bool FNormalising = false;
    bool FPlacingCaret = false;
    bool FTypingDigit = false;
    // The last edit the base editor asked for: its text and the caret before it.
    String FEditedText;
    Integer FEditedAt = 0;
    bool FPlaceCaret = false;
};
