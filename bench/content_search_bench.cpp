// The content (`mark`) contains-search over five centres of a generated
// library (about 167 000 records each): through the contains index, beside
// the scan it replaces (`mark like '%term%'` on every row), its target and
// its floor (the same indexed statements stepped without building a list).

#include "benchfigures.h"
#include "searchbenchlibrary.h"

#include "library/containsindex.h"
#include "search/titlelist.h"

#include <benchmark/benchmark.h>

namespace {

using namespace Qt::StringLiterals;
using namespace kelvor;

constexpr double kTargetMs = 300;

QStringList fiveCentres() { return searchPageTables().mid(0, 5); }

Query contentQuery(SharedConnection& connection, const QString& table, const QString& term, bool indexed)
{
    QString condition;
    QVariantList params;
    const QString index = indexed ? connection.containsIndex(table) : QString();
    if (!index.isEmpty())
        if (const auto narrow = containsindex::narrowing(index, containsindex::Column::Mark, term)) {
            condition = narrow->condition + QStringLiteral(" and ");
            params = narrow->params;
        }
    params << term;
    return {QStringLiteral("select name, xxbh from %1 where %2mark like '%' || ? || '%' order by +xxbh")
                .arg(connection.contentTable(table), condition),
            params};
}

size_t collect(SharedConnection& connection, const QString& term, bool indexed)
{
    TitleList found;
    for (const QString& table : fiveCentres()) {
        const Query q = contentQuery(connection, table, term, indexed);
        Statement statement(connection.db(), q.sql);
        statement.bindAll(q.params);
        while (statement.step()) {
            found.names.push_back(statement.text(0));
            found.codes.push_back(statement.text(1));
        }
    }
    return found.size();
}

void contentSearch(benchmark::State& state, const QString& term)
{
    SharedConnection& connection = bench::searchConnection();
    bench::measureAgainstFloor(
        state, kTargetMs, [&] { return collect(connection, term, true); },
        [&] {
            size_t rows = 0;
            for (const QString& table : fiveCentres())
                rows += bench::stepAll(connection.db(), contentQuery(connection, table, term, true));
            return rows;
        });
    std::vector<double> scans;
    size_t scanned = 0;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        timer.start();
        scanned = collect(connection, term, false);
        scans.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    state.counters["scan_ms"] = bench::medianMs(scans);
    state.counters["scan_rows"] = double(scanned);  // equal to rows: the index changes no answer
    state.counters["times_faster"] = state.counters["scan_ms"] / state.counters["median_ms"];
}

}  // namespace

int main(int argc, char** argv)
{
    for (const QString& term : {u"协程踩坑"_s, u"多线程"_s, u"没有这个词"_s})
        benchmark::RegisterBenchmark((u"ContentSearch/five centres: "_s + term).toUtf8().constData(),
                                     [term](benchmark::State& s) { contentSearch(s, term); })
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    bench::searchLibrary();  // written before timing starts
    bench::prepareSearchIndexes();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
