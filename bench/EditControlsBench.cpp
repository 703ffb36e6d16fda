// Typing into the numeric edit: each key through the keystroke check and the regrouping of the
// text, as with FormatOnEditing under a French locale.
#include <benchmark/benchmark.h>

#include "editcontrols/EcBaseEdits.h"

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
