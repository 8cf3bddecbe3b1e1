#include <benchmark/benchmark.h>

#include "numbers/number_text.h"

namespace {

void read_number(benchmark::State& state) {
    const char* texts[] = {"12", "3.3", "-1234.5e-3", "+Infinity", "12abc", "0.000000000123456789"};
    for (auto _ : state) {
        for (const char* text : texts) benchmark::DoNotOptimize(sparvik::numbers::read_number(text));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(std::size(texts)));
}
BENCHMARK(read_number);

void write_number(benchmark::State& state) {
    const double values[] = {6, 1234.5, -0.004, 999.996, 1e30, 0.1F};
    for (auto _ : state) {
        for (double value : values) benchmark::DoNotOptimize(sparvik::numbers::write_number(value, 2));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(std::size(values)));
}
BENCHMARK(write_number);

}  // namespace
