// The spin edit on a shown form: the program's two spin edits (the number of simulations and the
// font size of the stability drawings), the order of the value setter's events, typing with the
// bounds checked at once or on leaving, the arrows, Page keys and the wheel, clicks and held
// presses on the halves of the diagonal spin button, and form descriptions.
#include <gtest/gtest.h>

#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "platform/testing/Driver.h"
#include "styledcontrols/StySpinEdit.h"

namespace {

// Writes down the spin edit's events with the text shown at the time.
struct TSpinLog : TObject {
    TStySpinEdit* Edit = nullptr;
    std::string Events;
    bool Veto = false;
    double Replace = -1;   // a value the changing handler puts in its place
    void Changing(TObject*, double& v, bool& canModify)
    {
        Events += "changing " + Text(v) + " [" + Edit->Text().ToUtf8() + "]; ";
        if (Veto) canModify = false;
        if (Replace >= 0) v = Replace;
    }
    void Changed(TObject*, double oldVal, double newVal)
    {
        Events += "changed " + Text(oldVal) + ">" + Text(newVal) + " [" + Edit->Text().ToUtf8() + "]; ";
    }
    void Change(TObject*) { Events += "change [" + Edit->Text().ToUtf8() + "]; "; }
    static std::string Text(double v) { return std::to_string(static_cast<long long>(v)); }
};

// A 121 x 21 spin edit in Tahoma 8 at (10, 10) of a form, and a second edit to take the focus.
struct StySpinEdits : ::testing::Test {
    TFormatSettings Saved = FormatSettings;
    TForm* Form = nullptr;
    TStySpinEdit* Edit = nullptr;
    TStySpinEdit* Other = nullptr;
    TSpinLog Log;
    std::unique_ptr<TTestClock> Clock;
    void SetUp() override
    {
        TestInitialize();
        FormatSettings = TFormatSettings::English();
        Clock = std::make_unique<TTestClock>();
        StyApplication()->SetEditMode({emInsert});
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 260, 120);
        Edit = new TStySpinEdit(Form);
        Edit->SetBounds(10, 10, 121, 21);
        Edit->Font().SetName("Tahoma");
        Edit->Font().SetSize(8);
        Edit->SetParent(Form);
        Other = new TStySpinEdit(Form);
        Other->SetBounds(10, 50, 121, 21);
        Other->SetParent(Form);
        Log.Edit = Edit;
        Form->Show();
        Edit->SetFocus();
        TestProcess();
    }
    void Listen()
    {
        Edit->OnValueChanging = TStyOnValueChangingEvent(&Log, &TSpinLog::Changing);
        Edit->OnValueChanged = TStyOnValueChangedEvent(&Log, &TSpinLog::Changed);
        Edit->OnChange = TNotifyEvent(&Log, &TSpinLog::Change);
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
        Clock.reset();
        FormatSettings = Saved;
        StyApplication()->SetEditMode({emInsert});
    }
    // The statistics window's number of simulations.
    void Simulations()
    {
        Edit->SetMinValue(1000);
        Edit->SetMaxValue(10000000);
        Edit->SetValue(50000);
        Edit->SetLineSize(1000);
        Edit->SetPageSize(1000);
        Edit->SetStep(1000.0);
        Edit->SetInterval(10000);
        Edit->SetAlignment(taRightJustify);
        Edit->SetAutoSelect(true);
        Edit->SetAutoSize(false);
    }
    // The stability drawings' font size.
    void FontSize()
    {
        Edit->SetMinValue(8);
        Edit->SetMaxValue(14);
        Edit->SetValue(12);
        Edit->SetPageSize(1);
        Edit->SetInterval(1);
        Edit->SetAutoSelect(true);
    }
    void Key(Word vk) { TestPressKey(Edit, vk); }
    void Type(const String& text) { TestTypeText(Edit, text); }
    void Leave()
    {
        Other->SetFocus();
        TestProcess();
    }
    TStySpinButton* Button() { return Edit->SpinButton(); }
};

}  // namespace

TEST_F(StySpinEdits, TheValueSetterAsksThenClampsThenShowsThenReports)
{
    Edit->SetMinValue(1000);
    Edit->SetMaxValue(10000000);
    Listen();
    Edit->SetValue(500);   // below the lower bound: shows 1000
    EXPECT_EQ(Log.Events, "changing 500 [0]; change [1000]; changed 0>1000 [1000]; ");
    EXPECT_EQ(Edit->Value(), 1000);
    Log.Events.clear();
    Edit->SetValue(1000);   // the same value: nothing at all
    EXPECT_EQ(Log.Events, "");

    Log.Replace = 7;   // the handler puts 7 in place of 2000000; the lower bound takes it to 1000
    Edit->SetValue(2000000);
    EXPECT_EQ(Edit->Value(), 1000);
    Edit->SetMinValue(0);
    Edit->SetValue(2000000);
    EXPECT_EQ(Edit->Value(), 7);
}

TEST_F(StySpinEdits, AVetoedTypedValueGivesWayToTheOldOne)
{
    Edit->SetValue(42);
    Listen();
    Log.Veto = true;
    Edit->SelectAll();
    Type("3");
    EXPECT_EQ(Edit->Text(), "42");
    EXPECT_EQ(Log.Events.find("changed"), std::string::npos);
}

TEST_F(StySpinEdits, TheNumberOfSimulationsIsClampedAtEveryKeystroke)
{
    Simulations();
    EXPECT_EQ(Edit->Text(), "50000");
    Edit->SelectAll();
    Type("5");   // 5 is below 1000 at once
    EXPECT_EQ(Edit->Text(), "1000");
    EXPECT_EQ(Edit->Value(), 1000);
    struct Case {
        Word key;
        const char* text;
    };
    const Case cases[] = {{VK_UP, "2000"},   {VK_PRIOR, "3000"}, {VK_NEXT, "2000"}, {VK_DOWN, "1000"},
                          {VK_DOWN, "1000"}, {VK_END, "1000"}};
    for (const Case& c : cases) {
        Key(c.key);
        EXPECT_EQ(Edit->Text(), c.text) << c.key;
    }
    TestMouseWheel(Edit, 20, 10, 1);   // one notch: one step of 1000
    EXPECT_EQ(Edit->Value(), 2000);
    TestMouseWheel(Edit, 20, 10, -1);
    EXPECT_EQ(Edit->Value(), 1000);
    Edit->SetValue(10000000);
    Key(VK_PRIOR);
    EXPECT_EQ(Edit->Value(), 10000000);
}

TEST_F(StySpinEdits, TheFontSizeStepsByOneWithinEightToFourteen)
{
    FontSize();
    Listen();
    struct Case {
        Word key;
        const char* text;
    };
    const Case cases[] = {{VK_UP, "13"}, {VK_PRIOR, "14"}, {VK_UP, "14"}, {VK_NEXT, "13"}, {VK_DOWN, "12"}};
    for (const Case& c : cases) {
        Key(c.key);
        EXPECT_EQ(Edit->Text(), c.text) << c.key;
    }
    // The Up key at 14 changed nothing and said so to nobody.
    EXPECT_EQ(Log.Events.find("changed 14>14"), std::string::npos);
    EXPECT_EQ(Edit->Value(), 12);
    EXPECT_EQ(Edit->LineSize(), 1);
    EXPECT_EQ(Edit->PageSize(), 1);
}

TEST_F(StySpinEdits, BoundsWaitForLeavingWhenAskedTo)
{
    FontSize();
    Edit->SetCheckOnExitOnly(true);
    Listen();
    Edit->SelectAll();
    Type("20");
    EXPECT_EQ(Edit->Text(), "20");
    Log.Events.clear();
    Leave();
    EXPECT_EQ(Edit->Text(), "14");
    EXPECT_NE(Log.Events.find("changed 20>14"), std::string::npos) << Log.Events;
}

TEST_F(StySpinEdits, ClicksOnEachHalfOfTheDiagonalButtonStepTheValue)
{
    FontSize();
    ASSERT_TRUE(Edit->SpinBtnDiag());
    const Integer w = Button()->Width(), h = Button()->Height();
    EXPECT_EQ(Button()->Left() + w, Edit->PaintRect().Right + w);
    struct Case {
        Integer x, y;
        const char* text;
    };
    // Above the diagonal from the lower left to the upper right corner: up; below it: down.
    const Case cases[] = {{2, 2, "13"}, {w / 2 - 2, h / 2 - 2, "14"}, {w - 3, h - 3, "13"}, {w / 2 + 2, h / 2 + 2, "12"}};
    for (const Case& c : cases) {
        TestClick(Button(), c.x, c.y);
        Clock->Advance(50);
        EXPECT_EQ(Edit->Text(), c.text) << c.x << "," << c.y;
    }
    EXPECT_TRUE(Edit->Focused());
}

TEST_F(StySpinEdits, AHeldHalfRepeatsAfterTheIntervalPlus200Milliseconds)
{
    Edit->SetMaxValue(1000);
    Edit->SetInterval(100);
    TestMouseDown(Button(), 2, 2);
    EXPECT_EQ(Edit->Value(), 1);   // at once
    Clock->Advance(299);
    EXPECT_EQ(Edit->Value(), 1);
    Clock->Advance(1);   // Interval + 200
    EXPECT_EQ(Edit->Value(), 2);
    Clock->Advance(100);   // then every Interval
    EXPECT_EQ(Edit->Value(), 3);
    Clock->Advance(200);
    EXPECT_EQ(Edit->Value(), 5);
    const Integer w = Button()->Width(), h = Button()->Height();
    // Onto the lower half: the upper half lets go, then the lower one is pressed; no event fires.
    TestMouseMove(Button(), w - 3, h - 3, {ssLeft});
    TestMouseMove(Button(), w - 2, h - 2, {ssLeft});
    EXPECT_EQ(Button()->PartState(sbUp), bpsNormal);
    EXPECT_EQ(Button()->PartState(sbDown), bpsPressed);
    EXPECT_EQ(Edit->Value(), 5);
    Clock->Advance(100);
    EXPECT_EQ(Edit->Value(), 4);
    TestMouseUp(Button(), w - 2, h - 2);
    Clock->Advance(1000);
    EXPECT_EQ(Edit->Value(), 4);
    EXPECT_EQ(Button()->PartState(sbDown), bpsHot);
    Button()->MouseLeave();
    EXPECT_EQ(Button()->PartState(sbDown), bpsNormal);
}

TEST_F(StySpinEdits, AutoDisabledHalvesIgnoreClicksAtTheirBound)
{
    FontSize();
    Edit->SetAutoDisableButtons(true);
    Edit->SetValue(14);
    EXPECT_EQ(Button()->PartState(sbUp), bpsDisabled);
    EXPECT_EQ(Button()->PartState(sbDown), bpsNormal);
    TestClick(Button(), 2, 2);
    EXPECT_EQ(Edit->Value(), 14);
    Key(VK_DOWN);
    EXPECT_EQ(Button()->PartState(sbUp), bpsNormal);
}

TEST_F(StySpinEdits, StepsAndSuffixReadBackAsTheyShow)
{
    Edit->SetStep(2.7);
    EXPECT_EQ(Edit->LineSize(), 2);   // truncated toward zero
    Key(VK_UP);
    EXPECT_EQ(Edit->Value(), 3);   // a whole-number edit steps by the rounded step
    Edit->SetSuffix(" px");
    Edit->SetValue(12);
    EXPECT_EQ(Edit->Text(), "12 px");
    EXPECT_EQ(Edit->Value(), 12);
    Edit->SetCurrentChar(4);   // inside the suffix
    Type("5");
    EXPECT_EQ(Edit->Text(), "12 px");
    Edit->SetCurrentChar(3);
    Type("5");
    EXPECT_EQ(Edit->Text(), "100 px");   // 125 is above the default upper bound 100
}

TEST_F(StySpinEdits, TheButtonFollowsTheEditsThemeModeAndEnabling)
{
    for (TStyThemeMode mode : {ttmNative, ttmNone, ttmPlatform}) {
        Edit->SetThemeMode(mode);
        EXPECT_EQ(Button()->ThemeMode(), mode);
    }
    Edit->SetEnabled(false);
    EXPECT_FALSE(Button()->Enabled());
    EXPECT_EQ(Button()->PartState(sbUp), bpsDisabled);
    Edit->SetEnabled(true);
    EXPECT_TRUE(Button()->Enabled());
    EXPECT_EQ(Button()->PartState(sbDown), bpsNormal);
}

TEST(StySpinEditForms, PropertiesArriveInTheirStoredOrder)
{
    TestInitialize();
    RegisterClasses({TStySpinEdit::StaticClass()});
    const TStyBevelMode usual = TStySpinEdit(nullptr).Bevel()->Mode();
    struct Case {
        const char* body;
        Integer min, max, value;
        TStyBevelMode bevel;
    };
    const Case cases[] = {
        // The lower bound raises the default upper bound 100 before the stored one arrives.
        {"LineSize = 1000\n    PageSize = 1000\n    MinValue = 1000\n    MaxValue = 10000000\n    Value = 50000\n",
         1000, 10000000, 50000, usual},
        // Without an upper bound the value is clamped to the raised one.
        {"MinValue = 1000\n    Value = 50000\n", 1000, 1000, 1000, usual},
        {"MinValue = 8\n    MaxValue = 14\n    Value = 12\n    BorderStyle = bsSingle\n", 8, 14, 12, bmWindows},
        {"BorderStyle = bsNone\n", 0, 100, 0, bmStandard},
    };
    for (const Case& c : cases) {
        const String text = String("object Form1: TForm\n  object Spin: TStySpinEdit\n    ") + c.body + "  end\nend\n";
        std::unique_ptr<TComponent> root(ReadComponentText(text));
        auto* spin = dynamic_cast<TStySpinEdit*>(root->FindComponent("Spin"));
        ASSERT_NE(spin, nullptr);
        EXPECT_EQ(spin->MinValue(), c.min) << c.body;
        EXPECT_EQ(spin->MaxValue(), c.max) << c.body;
        EXPECT_EQ(spin->Value(), c.value) << c.body;
        EXPECT_EQ(spin->Bevel()->Mode(), c.bevel) << c.body;
        if (c.bevel == bmStandard && String(c.body).ToUtf8().find("BorderStyle") != std::string::npos) {
            EXPECT_EQ(spin->Bevel()->StandardStyle(), lsNone);
        }
    }
}

TEST(StySpinEditForms, TheEmbeddedButtonsAreStoredWithTheSpinEdit)
{
    TestInitialize();
    RegisterClasses({TStySpinEdit::StaticClass()});
    const String text = "object Form1: TForm\n"
                        "  object Spin: TStySpinEdit\n"
                        "    CustomButtons = <\n"
                        "      item\n"
                        "      end\n"
                        "      item\n"
                        "      end>\n"
                        "    CustomButtonsStyle = ubsFlat\n"
                        "    CustomButtonWidth = 20\n"
                        "    CustomButtonParentCtlXP = False\n"
                        "  end\n"
                        "end\n";
    std::unique_ptr<TComponent> root(ReadComponentText(text));
    auto* spin = dynamic_cast<TStySpinEdit*>(root->FindComponent("Spin"));
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->CustomButtons().Count(), 2);
    EXPECT_EQ(spin->CustomButtonsStyle(), ubsFlat);
    EXPECT_EQ(spin->CustomButtonWidth(), 20);
    EXPECT_FALSE(spin->CustomButtonParentCtlXP());

    const std::string written = WriteComponentText(root.get()).ToUtf8();
    for (const char* entry : {"CustomButtons = <", "CustomButtonsStyle = ubsFlat", "CustomButtonWidth = 20",
                              "CustomButtonParentCtlXP = False"})
        EXPECT_NE(written.find(entry), std::string::npos) << entry << " in\n" << written;

    TStySpinEdit plain(nullptr);   // the defaults are left out
    plain.SetCustomButtonParentCtlXP(true);
    const std::string alone = WriteComponentText(&plain).ToUtf8();
    EXPECT_EQ(alone.find("CustomButton"), std::string::npos) << alone;
}
