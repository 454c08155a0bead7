// The search page's listing: every title of the six centres of a generated
// library (1 000 000 titles in all), merged in title order.

#include "searchbenchlibrary.h"

#include "library/centres.h"
#include "search/titlelist.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kelvor;

void listAllTitles(benchmark::State& state)
{
    SharedConnection& connection = bench::searchConnection();
    size_t found = 0;
    for (auto _ : state) {
        found = allTitles(connection, searchPageTables()).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["titles"] = double(found);
}

}  // namespace

BENCHMARK(listAllTitles)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    bench::searchLibrary();  // written before timing starts
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
