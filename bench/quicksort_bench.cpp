// quicksort against std::sort, and how quicksort grows with the input size.
#include "quicksort.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace {

enum Order : std::int64_t { random_order, ascending, descending, all_equal };

std::vector<int> make_input(std::int64_t size, std::int64_t order)
{
    std::vector<int> values(static_cast<std::size_t>(size));
    std::mt19937 generator(12345);
    for (int& value : values) {
        value = static_cast<int>(generator());
    }
    if (order == ascending) {
        std::sort(values.begin(), values.end());
    } else if (order == descending) {
        std::sort(values.rbegin(), values.rend());
    } else if (order == all_equal) {
        std::fill(values.begin(), values.end(), 7);
    }
    return values;
}

// The copy of the input is part of each iteration for both sorts alike.
void BM_quicksort(benchmark::State& state)
{
    const std::vector<int> input = make_input(state.range(0), state.range(1));
    for (auto _ : state) {
        std::vector<int> values = input;
        quicksort(values.data(), 0, static_cast<int>(values.size()) - 1);
        benchmark::DoNotOptimize(values.data());
    }
}

void BM_std_sort(benchmark::State& state)
{
    const std::vector<int> input = make_input(state.range(0), state.range(1));
    for (auto _ : state) {
        std::vector<int> values = input;
        std::sort(values.begin(), values.end());
        benchmark::DoNotOptimize(values.data());
    }
}

} // namespace

BENCHMARK(BM_quicksort)->ArgsProduct({{100}, {random_order, ascending, descending, all_equal}});
BENCHMARK(BM_std_sort)->ArgsProduct({{100}, {random_order, ascending, descending, all_equal}});
BENCHMARK(BM_quicksort)
    ->Name("growth/random")
    ->RangeMultiplier(10)
    ->Ranges({{10, 10000}, {random_order, random_order}});
BENCHMARK(BM_quicksort)->Name("growth/ascending")->RangeMultiplier(10)->Ranges({{10, 10000}, {ascending, ascending}});

BENCHMARK_MAIN();
