#include <benchmark/benchmark.h>

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
