#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/DateUtils.h"
#include "platform/stdctrls/StdCtrlsRegistry.h"
#include "platform/stdctrls/tests/FakeWindowSystem.h"
#include "platform/testing/Driver.h"

namespace {

struct Counter : TObject {
    int Changes = 0;
    void Changed(TObject*) { ++Changes; }
};

struct PickerForm : ::testing::Test {
    void SetUp() override
    {
        TestInitialize();
        Saved = FormatSettings;
        FormatSettings = TFormatSettings::English();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 320, 200);
        Picker = new TDateTimePicker(Form);
        Picker->SetBounds(10, 10, 220, 24);
        Picker->SetParent(Form);
        Picker->OnChange = TNotifyEvent(&Events, &Counter::Changed);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
        FormatSettings = Saved;
    }
    // The text the native picker shows.
    String Shown() { return WindowSystem().GetText(Picker->WindowHandle()); }
    TFormatSettings Saved;
    TForm* Form = nullptr;
    TDateTimePicker* Picker = nullptr;
    Counter Events;
};

}  // namespace

TEST_F(PickerForm, ShowsTheLongDateAndKeepsTheTime)
{
    const TDateTime day = EncodeDate(2026, 12, 10);
    Picker->SetDateFormat(dfLong);
    Picker->SetDateTime(day + 0.75);
    EXPECT_EQ(Shown(), String("Thursday, December 10, 2026"));
    EXPECT_EQ(Shown(), FormatDateTime(FormatSettings.LongDateFormat, day));
    Picker->SetDate(EncodeDate(2027, 1, 5) + 0.2);
    EXPECT_EQ(Picker->Date(), EncodeDate(2027, 1, 5));
    EXPECT_DOUBLE_EQ(Picker->DateTime(), EncodeDate(2027, 1, 5) + 0.75);
    EXPECT_EQ(Events.Changes, 0);   // the program's changes are not reported
}

TEST_F(PickerForm, ShortDateWithTheSettingsSeparator)
{
    FormatSettings.ShortDateFormat = "dd/mm/yyyy";
    FormatSettings.DateSeparator = u'.';
    Picker->SetDate(EncodeDate(2026, 3, 7));
    EXPECT_EQ(Shown(), String("07.03.2026"));
}

TEST_F(PickerForm, UserStepIsReportedWithTheTimeKept)
{
    Picker->SetDateFormat(dfLong);
    Picker->SetDateTime(EncodeDate(2026, 12, 10) + 0.5);
    Picker->SetFocus();
    TestProcess();
    TestPressKey(Picker, VK_UP);
    EXPECT_EQ(Events.Changes, 1);
    EXPECT_EQ(Picker->Date(), EncodeDate(2026, 12, 11));   // the day name steps by a day
    EXPECT_DOUBLE_EQ(Picker->DateTime() - Picker->Date(), 0.5);
}

TEST(PickerWindow, FormatAndNotificationThroughTheWindowSystem)
{
    RegisterStdControlClasses();
    FakeWindows fake;
    std::unique_ptr<TDateTimePicker> picker(new TDateTimePicker(nullptr));
    SetEnumProp(picker.get(), "DateFormat", "dfLong");
    picker->SetDateTime(-10.25);   // 1899-12-20 06:00
    picker->HandleNeeded();
    TFakeWindow* w = TFakeWindowSystem::Of(picker->WindowHandle());
    EXPECT_EQ(w->DateFormat, FormatSettings.LongDateFormat);
    EXPECT_EQ(w->Date, -10.0);
    Counter events;
    picker->OnChange = TNotifyEvent(&events, &Counter::Changed);
    w->Date = -3;
    TNMHdr header{picker.get(), 0, DTN_DATETIMECHANGE};
    picker->Perform(CN_NOTIFY, 0, reinterpret_cast<std::intptr_t>(&header));
    EXPECT_EQ(events.Changes, 1);
    EXPECT_DOUBLE_EQ(picker->DateTime(), -3.25);
    picker->SetDateFormat(dfShort);
    EXPECT_EQ(w->DateFormat, FormatSettings.ShortDateFormat);
}
