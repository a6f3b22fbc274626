#include "core/runtime/StringBuffer.h"
#include "core/runtime/TextFormat.h"

#include <benchmark/benchmark.h>

namespace {

void BM_FormatMoney(benchmark::State& state)
{
    int32_t value = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatMoney(value));
        value = value * 7 + 13;
        if (value < 0)
            value = 1;
    }
}
BENCHMARK(BM_FormatMoney);

// A seat label built the way the table screen builds it each frame.
void BM_BuildSeatText(benchmark::State& state)
{
    String name("Kestrel");
    for (auto _ : state) {
        StringBuffer buffer;
        buffer.append(name).append(": ").append(formatMoney(123456));
        benchmark::DoNotOptimize(buffer.toString());
    }
}
BENCHMARK(BM_BuildSeatText);

} // namespace
