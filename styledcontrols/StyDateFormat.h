#pragma once
// The date layout of a masked edit: which format applies (the locale's short or long date format,
// or an own one), dates as text and back, and where the day, month and year fields lie in an
// edited text so that the caret can jump from field to field.
#include "foundation/StyObject.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/DateUtils.h"

enum TStyDateFormats { dfShortSystem, dfLongSystem, dfCustom };
const TEnumTypeInfo& TypeInfoOf(TStyDateFormats);

// The field at a place of an edited text: its kind (0 for none), its first position and the
// position just after it.
struct TStyPatInfo {
    Integer Type = 0;
    Integer Start = 0;
    Integer End = 1;
};

// The field walk shared by the date and time formats.
class TStyFieldFormat : public TStyObject {
    DECLARE_CLASS(TStyFieldFormat, TStyObject)
public:
    TStyFieldFormat() : TStyObject(nullptr) {}

    virtual TStyPatInfo GetPatInfo(Integer n, const String& text) const = 0;
    // The number of the field holding position p, -1 for none.
    virtual Integer GetPattern(Integer p, const String& text) const;
    Integer CurrentType(Integer p, const String& text) const;
    Integer CurrentStart(Integer p, const String& text) const;
    Integer CurrentLength(Integer p, const String& text) const;
    Integer NearEditPos(Integer p, const String& text) const { return EditPos(p, text, 0); }
    Integer NextEditPos(Integer p, const String& text) const { return EditPos(p, text, 1); }
    Integer PrevEditPos(Integer p, const String& text) const { return EditPos(p, text, -1); }

    TNotifyEvent OnFormatChanged, OnFormatChange;

protected:
    virtual Integer LastField() const = 0;
    Integer EditPos(Integer p, const String& text, Integer d) const;
};

class TStyDateFormat : public TStyFieldFormat {
    DECLARE_CLASS(TStyDateFormat, TStyFieldFormat)
public:
    explicit TStyDateFormat(TPersistent* Owner);
    void Assign(TPersistent* Source) override;

    TStyDateFormats Format() const { return FFormat; }
    void SetFormat(TStyDateFormats Value);
    const String& FormatStr() const { return FFormatStr; }
    void SetFormatStr(const String& Value);
    ShortInt YearDelta() const { return FYearDelta; }
    void SetYearDelta(ShortInt Value) { FYearDelta = Value; }

    String GetFormatStr() const;
    String DateToStr(TDateTime Date) const;
    String DateToStr(Word Y, Word M, Word D) const;
    void StrToYMD(const String& text, Integer& Y, Integer& M, Integer& D) const;
    // An impossible date gives 0 (30 December 1899).
    TDateTime StrToDate(const String& text) const;
    Integer GetYearDelta() const;
    static Integer CurrentYear();
    static Integer LastMonthDay(Integer Y, Integer M);
    static Integer GetLongMonthExtend();
    static Integer GetShortMonthExtend();
    static Integer GetLongDayExtend();
    static Integer GetShortDayExtend();

    TStyPatInfo GetPatInfo(Integer n, const String& text) const override;
    // The end of the date part: the furthest field end before a field repeats.
    Integer DateLength(const String& text) const;

protected:
    Integer LastField() const override { return 24; }

private:
    String FFormatStr;
    TStyDateFormats FFormat = dfShortSystem;
    ShortInt FYearDelta = -1;
};
