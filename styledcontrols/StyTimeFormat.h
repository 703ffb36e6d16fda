#pragma once
// The time layout of a masked edit: the time format string, hours, minutes and seconds as text
// with an optional AM/PM sign, typed text read back, and the time fields of an edited text.  An
// offset lets the time part follow a date part in the same text.
#include "styledcontrols/StyDateFormat.h"

enum TStyTimeFormats { tfShortSystem, tfLongSystem, tfCustom };
const TEnumTypeInfo& TypeInfoOf(TStyTimeFormats);

class TStyTimeFormat : public TStyFieldFormat {
    DECLARE_CLASS(TStyTimeFormat, TStyFieldFormat)
public:
    explicit TStyTimeFormat(TPersistent* Owner);
    void Assign(TPersistent* Source) override;

    TStyTimeFormats Format() const { return FFormat; }
    void SetFormat(TStyTimeFormats Value);
    const String& FormatStr() const { return FFormatStr; }
    void SetFormatStr(const String& Value);
    const String& AMSign() const { return FAMSign; }
    void SetAMSign(const String& Value) { FAMSign = Value; }
    const String& PMSign() const { return FPMSign; }
    void SetPMSign(const String& Value) { FPMSign = Value; }
    const String& MSign() const { return FMSign; }
    void SetMSign(const String& Value) { FMSign = Value; }
    bool Is12HourFormat() const { return F12hour; }
    Integer Offset() const { return FOffset; }
    // Sets the offset and answers the one before.
    Integer SetOffset(Integer AOffset);

    String GetFormatStr() const;
    String TimeToStr(TDateTime Time) const;
    String TimeToStr(Word H, Word M, Word S) const;
    // EConvertError for a field that is no number or a time that does not exist.
    TDateTime StrToTime(const String& text) const;
    void StrToHMS(const String& text, Integer& H, Integer& S, Integer& M) const;
    void StrToHMS24(const String& text, Integer& H, Integer& S, Integer& M) const;
    void RemoveAMPM(String& text, String& sign) const;

    TStyPatInfo GetPatInfo(Integer n, const String& text) const override;
    Integer GetPattern(Integer p, const String& text) const override;

protected:
    Integer LastField() const override { return 31; }

private:
    void FormatChanged();

    String FFormatStr;
    TStyTimeFormats FFormat = tfShortSystem;
    String FAMSign = "am", FPMSign = "pm", FMSign = "m";
    bool F12hour = false;
    Integer FOffset = 0;
};
