#pragma once
// How a masked edit shows and reads money amounts: the currency symbol, the fraction digits, the
// group and fraction delimiters, the group size and one pattern for positive and one for negative
// amounts, taken from the locale or set by hand.  Amounts are 64-bit integers holding the amount
// times 10000.
#include "foundation/StyObject.h"
#include "platform/classes/TypInfo.h"

enum TStyCurrencyMode { cmSystem, cmUser };
const TEnumTypeInfo& TypeInfoOf(TStyCurrencyMode);

class TStyCurrencySettings : public TStyObject {
    DECLARE_CLASS(TStyCurrencySettings, TStyObject)
public:
    explicit TStyCurrencySettings(TPersistent* Owner);

    // The locale's monetary values; no change notification.
    void LoadDefaults();
    void Assign(TPersistent* Source) override;

    TStyCurrencyMode SystemDefaults() const { return FSystem; }
    void SetSystemDefaults(TStyCurrencyMode Value);
    // In the patterns ¤ stands for the symbol and 1,1 for the number.
    const String& PositiveFormatStr() const { return FPosFormatStr; }
    void SetPositiveFormatStr(const String& Value);
    const String& NegativeFormatStr() const { return FNegFormatStr; }
    void SetNegativeFormatStr(const String& Value);
    const String& Symbol() const { return FSymbol; }
    void SetSymbol(const String& Value);
    Byte Digits() const { return FDigits; }
    void SetDigits(Byte Value) { FDigits = Value; }
    char16_t GroupDelim() const { return FCurrencyGroup; }
    void SetGroupDelim(char16_t Value);
    char16_t FractionDelim() const { return FFractionDelim; }
    void SetFractionDelim(char16_t Value);

    String toStr(bool minus, Int64 value) const;
    String toStr(Int64 value) const { return toStr(false, value); }
    Int64 toCur(const String& text) const;
    bool IsNegative(const String& text) const;
    // The 1-based position of the number in the pattern of a value of this sign, 0 for none.
    Integer firstDigitPos(Int64 value) const;

private:
    void UpdateSignature();
    String FormatNumber(Int64 value) const;

    TStyCurrencyMode FSystem = cmSystem;
    String FPosFormatStr;
    String FNegFormatStr;
    String FSymbol;
    Byte FGroup = 3;
    Byte FDigits = 2;
    char16_t FCurrencyGroup = u',';
    char16_t FFractionDelim = u'.';
    String FNegFormatSignature;
    bool FNegFormatContainsMinus = true;
};
