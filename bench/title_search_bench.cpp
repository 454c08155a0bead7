// Each keystroke of the search page's title search on a generated library:
// the titles of six centres that begin with the text typed so far. For every
// prefix: the whole list (what the window read before it paged) and the first
// screen of rows (what a keystroke waits for), each beside its target and its
// floor, the bare per-table statements stepped without building a list.

#include "benchfigures.h"
#include "searchbenchlibrary.h"

#include "search/titlesearch.h"

#include <benchmark/benchmark.h>

namespace {

using namespace Qt::StringLiterals;
using namespace kelvor;

// A screen of the result list holds a few dozen lines; a page of 100 fills it.
constexpr size_t kFirstScreen = 100;
constexpr double kKeystrokeTargetMs = 30;

// The page's floor steps each table's statement by the plan the page chose
// for it; choosing is the page's own work and stays out of the floor.
size_t stepTables(SharedConnection& connection, const QString& text, std::optional<size_t> limit,
                  const std::vector<TitlePlan>& plans = {})
{
    size_t rows = 0;
    for (qsizetype i = 0; i < searchPageTables().size(); ++i) {
        const QString& table = searchPageTables().at(i);
        const QString titles = connection.titleTable(table);
        const QString index = connection.containsIndex(table);
        const TitlePlan plan = plans.empty() ? TitlePlan::Range : plans.at(size_t(i));
        const Query q = limit ? titlePageQuery(titles, text, index, std::nullopt, *limit, plan)
                              : titlePrefixQuery(titles, text, index);
        rows += bench::stepAll(connection.db(), q);
    }
    return rows;
}

void wholeList(benchmark::State& state, const QString& text, double targetMs)
{
    SharedConnection& connection = bench::searchConnection();
    bench::measureAgainstFloor(
        state, targetMs, [&] { return titleSearch(connection, text).size(); },
        [&] { return stepTables(connection, text, std::nullopt); });
}

void firstScreen(benchmark::State& state, const QString& text)
{
    SharedConnection& connection = bench::searchConnection();
    std::vector<TitlePlan> plans;
    QString walked;
    for (const QString& table : searchPageTables()) {
        plans.push_back(titlePagePlan(connection.db(), connection.titleTable(table), text, std::nullopt, kFirstScreen));
        if (plans.back() == TitlePlan::InitialWalk) walked += (walked.isEmpty() ? QString() : QStringLiteral(",")) + table;
    }
    bench::measureAgainstFloor(
        state, kKeystrokeTargetMs,
        [&] { return titleSearchPage(connection, text, std::nullopt, kFirstScreen).titles.size(); },
        [&] { return stepTables(connection, text, kFirstScreen, plans); });
    if (!walked.isEmpty()) state.SetLabel((QStringLiteral("walks ") + walked).toStdString());
}

}  // namespace

int main(int argc, char** argv)
{
    // Words typed a key at a time; every prefix is one benchmark.
    const QStringList words = {u"数据库设计"_s, u"Python"_s, u"JavaScript"_s, u"机器学习多线程"_s,
                               u"SQL 1"_s, u"MySQL数据库 12"_s,
                               // titles the generator writes ("深入理解 Java 多线程", "用 Python 实现聊天室")
                               u"深入理解 Java 多线程"_s, u"用 Python 实现"_s};
    for (const QString& word : words)
        for (qsizetype n = 1; n <= word.size(); ++n) {
            const QString prefix = word.left(n);
            benchmark::RegisterBenchmark((u"FirstScreen/"_s + prefix).toUtf8().constData(),
                                         [prefix](benchmark::State& state) { firstScreen(state, prefix); })
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark((u"TitleSearch/"_s + prefix).toUtf8().constData(),
                                         [prefix](benchmark::State& state) { wholeList(state, prefix, 0); })
                ->Unit(benchmark::kMillisecond);
        }
    // A title search that starts with a wildcard contains its literal runs: the
    // contains index answers it. "协程踩坑" is selective (under 1 000 titles).
    for (const QString& text : {u"%协程踩坑"_s, u"%入门"_s, u"Java%入门"_s}) {
        benchmark::RegisterBenchmark((u"TitleSearch/wildcard "_s + text).toUtf8().constData(),
                                     [text](benchmark::State& s) { wholeList(s, text, 30); })
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((u"FirstScreen/wildcard "_s + text).toUtf8().constData(),
                                     [text](benchmark::State& s) { firstScreen(s, text); })
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    bench::searchLibrary();  // written before timing starts
    bench::prepareSearchIndexes();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
