// The centre search ("搜索") on the technology centre of a generated library
// (a sixth of its records: about 167 000 of 1 000 000): the titles that
// contain the text, in record-code order, each beside its target and its
// floor (the same statement stepped without building the list).

#include "benchfigures.h"
#include "searchbenchlibrary.h"

#include "library/centres.h"
#include "search/centresearch.h"

#include <benchmark/benchmark.h>

namespace {

using namespace Qt::StringLiterals;
using namespace kelvor;

void searchCentre(benchmark::State& state, const QString& text, DatabaseRole openOn, double targetMs)
{
    SharedConnection& connection = bench::searchConnection(openOn);
    const QString currentTable = tableExpression(*centreByTable(u"jszx"), connection.layout());
    const auto search = centreSearch(connection, currentTable, text);
    bench::measureAgainstFloor(
        state, targetMs,
        [&] { return runCentreSearch(connection, *centreSearch(connection, currentTable, text)).size(); },
        [&] { return bench::stepAll(connection.db(), search->query); });
    state.counters["centre records"] = double(bench::searchLibrary().recordsIn(u"jszx"_s));
}

}  // namespace

int main(int argc, char** argv)
{
    struct Case {
        const char* name;
        QString text;
        DatabaseRole openOn;
        double targetMs;  // 0: no target
    };
    const std::vector<Case> cases = {
        {"CentreSearch/selective: 协程踩坑", u"协程踩坑"_s, DatabaseRole::Content, 30},
        {"CentreSearch/about 10 000 hits: 入门", u"入门"_s, DatabaseRole::Content, 100},
        {"CentreSearch/no hit: 没有这个标题", u"没有这个标题"_s, DatabaseRole::Content, 30},
        {"CentreSearch/no hit: tutorial 99", u"tutorial 99"_s, DatabaseRole::Content, 30},
        {"CentreSearch/多线程", u"多线程"_s, DatabaseRole::Content, 0},
        {"CentreSearch/java", u"java"_s, DatabaseRole::Content, 0},
        {"CentreSearch/one character: 树", u"树"_s, DatabaseRole::Content, 0},
        {"CentreSearch/wildcard: java%入门", u"java%入门"_s, DatabaseRole::Content, 0},
        {"CentreSearch/多线程, connection on the search history", u"多线程"_s, DatabaseRole::SearchHistory, 0},
    };
    for (const Case& k : cases)
        benchmark::RegisterBenchmark(k.name,
                                     [k](benchmark::State& state) { searchCentre(state, k.text, k.openOn, k.targetMs); })
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    bench::searchLibrary();  // written before timing starts
    bench::prepareSearchIndexes();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
