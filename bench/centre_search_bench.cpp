// The centre search ("搜索") on the technology centre of a generated library
// (a fifth of its records: 200 000 of 1 000 000): the titles that contain
// the text, in record-code order.

#include "searchbenchlibrary.h"

#include "library/centres.h"
#include "search/centresearch.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kelvor;

void searchCentre(benchmark::State& state, const QString& text, DatabaseRole openOn)
{
    SharedConnection& connection = bench::searchConnection(openOn);
    const QString currentTable = tableExpression(*centreByTable(u"jszx"), connection.layout());
    size_t found = 0;
    for (auto _ : state) {
        const auto search = centreSearch(connection, currentTable, text);
        found = runCentreSearch(connection, *search).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["titles"] = double(found);
    state.counters["centre records"] = double(bench::searchLibrary().recordsIn("jszx"));
}

}  // namespace

int main(int argc, char** argv)
{
    struct Case {
        const char* name;
        QString text;
        DatabaseRole openOn;
    };
    const std::vector<Case> cases = {
        {"CentreSearch/多线程", "多线程", DatabaseRole::Content},
        {"CentreSearch/java", "java", DatabaseRole::Content},
        {"CentreSearch/rare: tutorial 99", "tutorial 99", DatabaseRole::Content},
        {"CentreSearch/none", "没有这个标题", DatabaseRole::Content},
        {"CentreSearch/wildcard: java%入门", "java%入门", DatabaseRole::Content},
        {"CentreSearch/多线程, connection on the search history", "多线程", DatabaseRole::SearchHistory},
    };
    for (const Case& k : cases)
        benchmark::RegisterBenchmark(k.name, [k](benchmark::State& state) { searchCentre(state, k.text, k.openOn); })
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    bench::searchLibrary();  // written before timing starts
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
