// Each keystroke of the search page's title search on a generated library:
// the titles of six centres that begin with the text typed so far.

#include "searchbenchlibrary.h"

#include "search/titlesearch.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kelvor;

void typeText(benchmark::State& state, const QString& text)
{
    SharedConnection& connection = bench::searchConnection();
    size_t found = 0;
    for (auto _ : state) {
        const TitleList list = titleSearch(connection, text);
        found = list.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["titles"] = double(found);
}

}  // namespace

int main(int argc, char** argv)
{
    // Words typed a key at a time; every prefix is one benchmark.
    const QStringList words = {"数据库设计", "Python", "JavaScript", "机器学习多线程", "SQL 1", "MySQL数据库 12",
                               // titles the generator writes ("深入理解 Java 多线程", "用 Python 实现聊天室")
                               "深入理解 Java 多线程", "用 Python 实现"};
    for (const QString& word : words)
        for (qsizetype n = 1; n <= word.size(); ++n) {
            const QString prefix = word.left(n);
            benchmark::RegisterBenchmark(("TitleSearch/" + prefix).toUtf8().constData(),
                                         [prefix](benchmark::State& state) { typeText(state, prefix); })
                ->Unit(benchmark::kMillisecond);
        }
    benchmark::RegisterBenchmark("TitleSearch/wildcard Java%入门", [](benchmark::State& s) { typeText(s, "Java%入门"); })
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("TitleSearch/leading wildcard %入门", [](benchmark::State& s) { typeText(s, "%入门"); })
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    bench::searchLibrary();  // written before timing starts
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
