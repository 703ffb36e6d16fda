#include <gtest/gtest.h>

#include "editcontrols/EcCalc.h"
#include "platform/services/ServicesBackend.h"

namespace {

const TFormatSettings English = TFormatSettings::English();
const TFormatSettings French = TFormatSettings::French();

// Counts the desktop's bells for the test's lifetime.
class TBellScope : public TServicesBackend {
public:
    int Rings = 0;
    TBellScope() : FSaved(ServicesBackendRegistered() ? &ServicesBackend() : nullptr) { RegisterServicesBackend(this); }
    ~TBellScope() override { RegisterServicesBackend(FSaved); }
    void ShowHelpPage(const String&) override {}
    void CloseHelp() override {}
    String HelpPage() override { return String(); }
    TRect ScreenRect() override { return {}; }
    TRect WorkArea() override { return {}; }
    void Beep() override { ++Rings; }
    void AcceptDroppedFiles(TWindowHandle*, bool) override {}
    void DropFiles(TWindowHandle*, const std::vector<String>&, TPoint) override {}

private:
    TServicesBackend* FSaved;
};

void Type(TEcCalcEngine& calc, const std::u16string& keys)
{
    for (char16_t key : keys) calc.CalcKeyPress(key);
}

TEST(EcCalcEngine, KeysComputeWhatACalculatorShows)
{
    struct Case { const char16_t* Keys; const char *English, *French; };
    const Case cases[] = {
        {u"2+3=", "5", "5"},
        {u"12*3=", "36", "36"},
        {u"12*3\r", "36", "36"},              // Enter completes as "=" does
        {u"50+10%", "55", "55"},              // 10 % of 50 added
        {u"50-10%", "45", "45"},
        {u"50*10%", "5", "5"},
        {u"50/10%", "500", "500"},
        {u"7%", "7", "7"},                    // nothing pending: the display stays
        {u"2+3*4=", "20", "20"},              // each operator completes the one before
        {u"2+=", "2", "2"},
        {u"2+3=4", "4", "4"},                 // a digit after a result starts a new number
        {u"1/3=", "0.333333333333333", "0,333333333333333"},
        {u"0.1+0.2=", "0.3", "0,3"},
        {u"1,5+1=", "2.5", "2,5"},            // "," is the decimal key under both settings
        {u"1.5.2", "1.52", "1,52"},           // a second decimal separator is ignored
        {u".5", "0.5", "0,5"},
        {u"7_", "-7", "-7"},
        {u"5_\b", "0", "0"},                  // backspace on -5
        {u"12_\b", "-1", "-1"},
        {u"123\b", "12", "12"},
        {u"\b", "0", "0"},
        {u"9q", "3", "3"},
        {u"4R", "0.25", "0,25"},
        {u"2*3=C", "0", "0"},
        {u"5+C2=", "2", "2"},                 // a clear forgets the pending operation
        {u"5+\x1b" u"2=", "2", "2"},          // Esc clears as "C" does
        {u"1/0=", "Error", "Error"},
        {u"1/0=5+", "Error", "Error"},        // every key but "C" is dropped
        {u"1/0=C", "0", "0"},
        {u"1/0=\x1b" u"4", "4", "4"},
        {u"2_Q", "Error", "Error"},
        {u"0R", "Error", "Error"},
    };
    for (const Case& c : cases) {
        for (bool french : {false, true}) {
            TBellScope bell;
            TEcCalcEngine calc(french ? French : English);
            Type(calc, c.Keys);
            EXPECT_EQ(calc.Text(), String(french ? c.French : c.English)) << String(c.Keys);
        }
    }
}

TEST(EcCalcEngine, ErrorsShowTheErrorTextWithABellAndTheEvent)
{
    TBellScope bell;
    TEcCalcEngine calc(English);
    int errors = 0;
    calc.OnError = [&] { ++errors; };
    Type(calc, u"1/0=");
    EXPECT_EQ(calc.Status(), csError);
    EXPECT_EQ(calc.DisplayValue(), 0.0L);
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(bell.Rings, 1);
    Type(calc, u"C");
    EXPECT_EQ(calc.Status(), csFirst);
    calc.SetBeepOnError(false);
    Type(calc, u"0R");
    EXPECT_EQ(errors, 2);
    EXPECT_EQ(bell.Rings, 1);
}

TEST(EcCalcEngine, AResultBeyondTheRangeOfANumberIsAnError)
{
    TBellScope bell;
    TEcCalcEngine calc(English);
    calc.LoadValue("1E300");
    calc.MemoryStore();
    Type(calc, u"*");
    calc.MemoryRecall();
    Type(calc, u"=");
    EXPECT_EQ(calc.Text(), String("Error"));
    EXPECT_EQ(bell.Rings, 1);
}

TEST(EcCalcEngine, TheDisplayHoldsPrecisionDigitsAndOneMoreForTheSign)
{
    TBellScope bell;
    TEcCalcEngine calc(English);
    Type(calc, u"1234567890123456");
    EXPECT_EQ(calc.Text(), String("123456789012345"));
    EXPECT_EQ(bell.Rings, 1);                   // the sixteenth character is refused
    Type(calc, u"C12345678901234_5");
    EXPECT_EQ(calc.Text(), String("-123456789012345"));
    Type(calc, u"6");
    EXPECT_EQ(calc.Text(), String("-123456789012345"));
    EXPECT_EQ(bell.Rings, 2);
    Type(calc, u"C0.1234567890123456");
    EXPECT_EQ(calc.Text(), String("0.1234567890123"));   // the separator takes a place
    calc.SetPrecision(0);                                 // at least two digits
    Type(calc, u"C123");
    EXPECT_EQ(calc.Text(), String("12"));
    calc.SetBeepOnError(false);
    const int rings = bell.Rings;
    Type(calc, u"4");
    EXPECT_EQ(bell.Rings, rings);
}

TEST(EcCalcEngine, ResultsAndDisplayChangesFireTheirEvents)
{
    TEcCalcEngine calc(English);
    int results = 0, shown = 0, texts = 0;
    calc.OnResult = [&] { ++results; };
    calc.OnDisplayChange = [&] { ++shown; };
    calc.OnTextChange = [&] { ++texts; };
    Type(calc, u"12");           // "0" -> "" -> "1" -> "12"
    EXPECT_EQ(texts, 3);
    EXPECT_EQ(shown, 0);
    Type(calc, u"*3=");
    EXPECT_EQ(results, 1);
    EXPECT_EQ(shown, 1);
    Type(calc, u"+1%\r");
    EXPECT_EQ(results, 3);
    Type(calc, u"+-");
    EXPECT_EQ(results, 3);
}

TEST(EcCalcEngine, OnCalcKeyMayChangeOrDropAKey)
{
    TEcCalcEngine calc(English);
    calc.OnCalcKey = [](char16_t& key) {
        if (key == u'+') key = u'-';
        if (key == u'9') key = 0;
    };
    Type(calc, u"59+3=");
    EXPECT_EQ(calc.Text(), String("2"));
}

TEST(EcCalcEngine, MemoryKeysAddStoreRecallAndClear)
{
    TBellScope bell;
    TEcCalcEngine calc(English);
    Type(calc, u"5");
    calc.MemoryStore();
    Type(calc, u"3");                      // a new number after MS
    EXPECT_EQ(calc.Text(), String("3"));
    calc.MemoryPlus();
    EXPECT_EQ(calc.Memory(), 8.0);
    Type(calc, u"C");
    calc.MemoryRecall();
    EXPECT_EQ(calc.Text(), String("8"));
    Type(calc, u"1");                      // recall starts a number of its own
    EXPECT_EQ(calc.Text(), String("81"));
    Type(calc, u"/0=");
    calc.MemoryStore();                    // nothing while the error shows
    calc.MemoryRecall();
    EXPECT_EQ(calc.Memory(), 8.0);
    EXPECT_EQ(calc.Text(), String("Error"));
    calc.MemoryClear();
    EXPECT_EQ(calc.Memory(), 0.0);
}

TEST(EcCalcEngine, LoadedAndPastedValuesBecomeTheDisplay)
{
    TBellScope bell;
    TEcCalcEngine calc(French);
    Type(calc, u"1/0=");
    calc.LoadValue("12,5");
    EXPECT_EQ(calc.Text(), String("12,5"));
    EXPECT_EQ(calc.Status(), csFirst);
    EXPECT_EQ(calc.PendingOperator(), u'=');
    Type(calc, u"3");
    EXPECT_EQ(calc.Text(), String("3"));
    for (const char* bad : {"", "abc", "1 234,5"}) {
        calc.LoadValue(bad);
        EXPECT_EQ(calc.Text(), String("0")) << bad;
    }
    calc.PasteText(" 12,5 € ");
    EXPECT_EQ(calc.Text(), String("12,5"));
    calc.PasteText("douze");
    EXPECT_EQ(calc.Text(), String("0"));
    TEcCalcEngine english(English);
    english.PasteText("$7.25");
    EXPECT_EQ(english.Text(), String("7.25"));
}

TEST(EcCalcEngine, CtrlCAndCtrlVGoToTheClipboard)
{
    TEcCalcEngine calc(English);
    int copies = 0, pastes = 0;
    calc.OnCopy = [&] { ++copies; };
    calc.OnPaste = [&] { ++pastes; calc.PasteText("42"); };
    Type(calc, u"7\x03\x16");
    EXPECT_EQ(copies, 1);
    EXPECT_EQ(pastes, 1);
    EXPECT_EQ(calc.Text(), String("42"));
}

TEST(EcCalcEngine, TypedKeysSelectTheButtonsByTag)
{
    struct Case { char16_t Key; int Tag; };
    const Case cases[] = {
        {u'0', 0}, {u'9', 9}, {u'_', 10}, {u'.', 11}, {u',', 11}, {u'/', 12}, {u'*', 13}, {u'-', 14},
        {u'+', 15}, {u'q', 16}, {u'Q', 16}, {u'%', 17}, {u'r', 18}, {u'=', 19}, {13, 19}, {8, 20},
        {u'c', 21}, {27, 21}, {u'x', -1}, {3, -1}, {22, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(CalcKeyTag(c.Key, u','), c.Tag) << int(c.Key);
    // a button's Tag is its kind - 1, and a click types the key of that Tag
    EXPECT_EQ(CalcButtonChar(cbSgn, u','), u'_');
    EXPECT_EQ(CalcButtonChar(cbDcm, u','), u',');
    EXPECT_EQ(CalcButtonChar(cbBck, u','), u'\b');
    EXPECT_EQ(CalcButtonChar(cbClr, u','), u'C');
    EXPECT_EQ(CalcButtonChar(cbNum7, u','), u'7');
    EXPECT_EQ(CalcButtonChar(cbMP, u','), 0);
}

}  // namespace
