// Cost of sorting table rows by a text and by a numeric column, as a column list re-sort does.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "column_text.h"
#include "sort_key.h"

namespace {

std::vector<std::string> MakeRows(size_t count)
{
    std::mt19937 random(7);
    std::vector<std::string> rows;
    rows.reserve(count);
    for (size_t i = 0; i < count; ++i)
        rows.push_back("10." + std::to_string(random() % 256) + "." + std::to_string(random() % 256) + ".0\t" +
            std::to_string(random() % 100000) + "\tNet " + std::to_string(i));
    return rows;
}

void SortRows(benchmark::State& state, int column, SortType type)
{
    const std::vector<std::string> rows = MakeRows(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        std::vector<std::string> keys;
        keys.reserve(rows.size());
        for (const std::string& row : rows)
            keys.push_back(ColumnText(row, column));
        std::stable_sort(keys.begin(), keys.end(), [type](const std::string& a, const std::string& b) {
            return CompareSortKeys(a, b, type, SortDirection::Ascending) < 0;
        });
        benchmark::DoNotOptimize(keys.data());
    }
    state.SetComplexityN(state.range(0));
}

void BM_SortByTextColumn(benchmark::State& state)
{
    SortRows(state, 0, SortType::Text);
}
void BM_SortByNumericColumn(benchmark::State& state)
{
    SortRows(state, 1, SortType::Numeric);
}

BENCHMARK(BM_SortByTextColumn)->RangeMultiplier(4)->Range(1024, 16384)->Complexity(benchmark::oNLogN);
BENCHMARK(BM_SortByNumericColumn)->RangeMultiplier(4)->Range(1024, 16384)->Complexity(benchmark::oNLogN);

}  // namespace

BENCHMARK_MAIN();
