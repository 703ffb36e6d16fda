// Typing into the numeric edit: each key through the keystroke check and the regrouping of the
// text, as with FormatOnEditing under a French locale; the rules alone, then the control on a
// shown form.
#include <benchmark/benchmark.h>

#include "editcontrols/EcBaseEdits.h"
#include "platform/testing/Driver.h"

namespace {

void TypeTenThousandKeysIntoANumericEdit(benchmark::State& state)
{
    const TFormatSettings french = TFormatSettings::French();
    TEcNumberRules rules(french);
    rules.DecimalPlaces = 3;
    rules.DisplayFormat = ",0.###";
    const std::u16string number = u"-1234567.891";   // 12 keys, the last refused (a fourth decimal)
    for (auto _ : state) {
        String text;
        for (int key = 0; key < 10000; ++key) {
            const size_t i = static_cast<size_t>(key) % number.size();
            if (i == 0) text = String();
            const char16_t c = rules.TypedChar(number[i]);
            if (rules.AcceptsChar(text, text.Length(), 0, c)) text = rules.RegroupedText(text + c);
        }
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(TypeTenThousandKeysIntoANumericEdit);

}  // namespace

namespace {

// The same keys into a focused numeric edit on a shown form: each one a key press through the
// toolkit, the control's keystroke filter, the window text and its regrouping.
void TypeTenThousandKeysIntoTheNumericEditControl(benchmark::State& state)
{
    TestInitialize();
    const TFormatSettings saved = FormatSettings;
    FormatSettings = TFormatSettings::French();
    {
        TForm form(nullptr);
        form.SetBounds(0, 0, 200, 80);
        auto* edit = new TEcCalcEdit(&form);
        edit->SetParent(&form);
        edit->SetDecimalPlaces(3);
        edit->SetDisplayFormat(",0.###");
        edit->SetFormatOnEditing(true);
        form.Show();
        edit->SetFocus();
        TestProcess();
        const String number = "-1234567.891";
        for (auto _ : state) {
            for (int round = 0; round < 10000 / 12; ++round) {
                edit->SelectAll();
                TestTypeText(edit, number);
            }
            benchmark::DoNotOptimize(edit->Text());
        }
    }
    TestProcess();
    FormatSettings = saved;
}
BENCHMARK(TypeTenThousandKeysIntoTheNumericEditControl)->Unit(benchmark::kMillisecond);

}  // namespace
