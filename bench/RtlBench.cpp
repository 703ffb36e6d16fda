#include <benchmark/benchmark.h>

#include <vector>

#include "platform/rtl/SysFormat.h"
#include "platform/rtl/UString.h"

// Round trip of a model name through UTF-16 and Windows-1252, as the model file does.
static void BM_StringCodePages(benchmark::State& state)
{
    const String name = "Barrage-poids en béton — coupe 3";
    for (auto _ : state) {
        AnsiString a = name;
        benchmark::DoNotOptimize(a.ToString());
    }
}
BENCHMARK(BM_StringCodePages);

// The numbers of the study files: a value of the Monte-Carlo files through its three-section
// pattern, a density row through Format, and a value in its general form. The values sweep
// magnitudes and signs as a study's results do.
namespace {

std::vector<double> StudyValues()
{
    std::vector<double> values;
    double v = 1.2345678912345e-6;
    for (int i = 0; i < 512; ++i) {
        values.push_back(i % 7 == 0 ? 0.0 : (i % 3 == 0 ? -v : v));
        v *= 1.0723;
    }
    return values;
}

} // namespace

static void BM_FormatFloatStudyNumber(benchmark::State& state)
{
    const std::vector<double> values = StudyValues();
    const TFormatSettings settings = TFormatSettings::English();
    const String pattern = "0.00000000E+00 ;-0.0000000E+00 ;0.0            ";
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(FormatFloat(pattern, values[i++ & 511], settings));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatFloatStudyNumber);

static void BM_FormatDensityRow(benchmark::State& state)
{
    const std::vector<double> values = StudyValues();
    const TFormatSettings settings = TFormatSettings::English();
    const String format = "%10.3f %8.6f %8.6f";
    size_t i = 0;
    for (auto _ : state) {
        const double x = values[i++ & 511];
        benchmark::DoNotOptimize(Format(format, {x * 1e6, x, 1 - x}, settings));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatDensityRow);

static void BM_FloatToStr(benchmark::State& state)
{
    const std::vector<double> values = StudyValues();
    const TFormatSettings settings = TFormatSettings::English();
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(FloatToStr(values[i++ & 511], settings));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FloatToStr);
