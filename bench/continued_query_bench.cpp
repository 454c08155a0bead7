// The continued query: the fresh query over five centres building its hit
// tree (each centre on its own database, titles and contents served by the
// contains index), beside its floor: the same indexed statements stepped on
// an open connection. The first query of a window, which opens the centres'
// databases, is printed apart, and beside it the preparing the window does on
// a worker when the report panel opens and the first query after it. Then the walk over 1 000 hits driven by its timer:
// the longest step (how long the window waits at most) and how soon a cancel
// takes effect, beside the floor of reading the same pages.

#include "benchfigures.h"
#include "searchbenchlibrary.h"

#include "library/librarydatabases.h"
#include "library/libraryindexes.h"
#include "reports/documenttext.h"
#include "reports/matchtree.h"
#include "reports/walkrunner.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

using namespace Qt::StringLiterals;
using namespace kelvor;
using namespace kelvor::reports;

constexpr double kTreeTargetMs = 500;
constexpr double kCancelTargetMs = 100;
constexpr std::array<bool, 6> kAllOn = {true, true, true, true, true, true};

void freshQuery(benchmark::State& state, const QString& term)
{
    const LibraryLayout layout = bench::searchLibrary().layout();
    // The floor runs on the centres' databases opened once; the query opens them itself.
    std::vector<std::pair<std::unique_ptr<Database>, QString>> centres;
    for (const MatchCentre& centre : matchCentres()) {
        auto db = openLibraryDatabase(layout, centre.database);
        const bool indexed = useCentreIndexes(*db, {}) == SharedConnection::IndexPlace::Library;
        centres.emplace_back(std::move(db), indexed ? u"main."_s + containsindex::indexTableFor(centre.table) : QString());
    }
    // The first query of a window opens the five centres' databases (keying
    // each is slow by design); later ones find them open.
    QElapsedTimer cold;
    cold.start();
    const double coldCpu = bench::cpuMs();
    MatchSearcher searcher(layout);
    searcher.build(term, kAllOn);
    const double firstCpu = bench::cpuMs() - coldCpu;
    const double firstMs = double(cold.nsecsElapsed()) / 1e6;
    // The window prepares the centres on a worker when the report panel
    // opens, while the user types: that cost leaves the query, which then
    // finds the databases open.
    MatchSearcher prepared(layout);
    QElapsedTimer preparing;
    preparing.start();
    const double prepareCpuStart = bench::cpuMs();
    prepared.prepare(kAllOn);
    const double prepareCpu = bench::cpuMs() - prepareCpuStart;
    const double prepareMs = double(preparing.nsecsElapsed()) / 1e6;
    QElapsedTimer afterPrepare;
    afterPrepare.start();
    const double afterPrepareCpuStart = bench::cpuMs();
    prepared.build(term, kAllOn);
    const double afterPrepareCpu = bench::cpuMs() - afterPrepareCpuStart;
    const double afterPrepareMs = double(afterPrepare.nsecsElapsed()) / 1e6;
    bench::measureAgainstFloor(
        state, kTreeTargetMs, [&] { return searcher.build(term, kAllOn).nodes.size(); },
        [&] {
            size_t rows = 0;
            for (size_t i = 0; i < centres.size(); ++i)
                for (const auto column : {containsindex::Column::Name, containsindex::Column::Mark})
                    rows += bench::stepAll(*centres[i].first,
                                           matchQuery(matchCentres()[i].table, centres[i].second, column, term));
            return rows;
        });
    state.counters["first_query_ms"] = firstMs;
    state.counters["first_query_cpu_ms"] = firstCpu;
    state.counters["prepare_ms"] = prepareMs;  // on a worker, off the user's path
    state.counters["prepare_cpu_ms"] = prepareCpu;
    state.counters["first_query_prepared_ms"] = afterPrepareMs;
    state.counters["first_query_prepared_cpu_ms"] = afterPrepareCpu;
}

// 1 000 record pages of about 6 KB, each naming the term a few times.
struct WalkPages {
    QTemporaryDir dir;
    std::vector<MatchNode> nodes;
    QString pathOf(const QString& code) const { return dir.filePath(code + QStringLiteral(".htm")); }

    WalkPages()
    {
        const QByteArray filler = QByteArray("<p>") + QByteArray(2000, 'x') + "</p>";
        for (int i = 0; i < 1000; ++i) {
            const QString code = QString::number(101210110000LL + i);
            QFile f(pathOf(code));
            if (!f.open(QIODevice::WriteOnly)) std::abort();
            f.write("<html><body>" + filler + "<p>use the thread pool here</p>" + filler +
                    "<p>a thread pool again</p>" + filler + "</body></html>");
            nodes.push_back({QStringLiteral("m") + code, QStringLiteral("记录 ") + code, false});
        }
    }
};

void walk(benchmark::State& state)
{
    static WalkPages pages;
    const QString term = QStringLiteral("thread pool");
    std::vector<double> longestStep, cancelLatency, walkTimes;
    size_t lines = 0;
    for (auto _ : state) {
        // A whole walk, one node per tick, timed per step.
        double longest = 0;
        QTimer timer;
        timer.setInterval(0);
        WalkRunner runner(timer);
        QElapsedTimer sinceTick;
        QObject::connect(&runner, &WalkRunner::progressed, [&](int, int) {
            longest = std::max(longest, double(sinceTick.nsecsElapsed()) / 1e6);
            sinceTick.restart();
        });
        bool done = false;
        QObject::connect(&runner, &WalkRunner::finished, [&](const Report& r) {
            lines = size_t(r.lines.size());
            done = true;
        });
        QElapsedTimer whole;
        whole.start();
        sinceTick.start();
        runner.start(std::make_unique<ReportWalk>(
            pages.nodes, term, [&](const QString& code) { return plainTextOfPage(pages.pathOf(code)); }));
        while (!done) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        walkTimes.push_back(double(whole.nsecsElapsed()) / 1e6);
        longestStep.push_back(longest);

        // A cancel asked for in the middle of a walk: how long until the walk stands.
        QTimer cancelTimer;
        cancelTimer.setInterval(0);
        WalkRunner cancelled(cancelTimer);
        cancelled.start(std::make_unique<ReportWalk>(
            pages.nodes, term, [&](const QString& code) { return plainTextOfPage(pages.pathOf(code)); }));
        QElapsedTimer asked;
        bool stood = false;
        QTimer::singleShot(200, [&] {
            asked.start();
            QTimer::singleShot(0, [&] {
                cancelled.cancel();
                cancelLatency.push_back(double(asked.nsecsElapsed()) / 1e6);
                stood = true;
            });
        });
        while (!stood) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    std::vector<double> floor;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        qint64 bytes = 0;
        for (const MatchNode& n : pages.nodes) {
            QFile f(pages.pathOf(n.key.mid(1)));
            if (f.open(QIODevice::ReadOnly)) bytes += f.readAll().size();
        }
        benchmark::DoNotOptimize(bytes);
        floor.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    state.counters["nodes"] = double(pages.nodes.size());
    state.counters["report_lines"] = double(lines);
    state.counters["walk_ms"] = bench::medianMs(walkTimes);
    state.counters["floor_ms"] = bench::medianMs(floor);  // reading the same pages, nothing else
    state.counters["longest_step_ms"] = bench::medianMs(longestStep);
    state.counters["cancel_ms"] = bench::medianMs(cancelLatency);
    state.counters["cancel_target_ms"] = kCancelTargetMs;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    for (const QString& term : {u"协程踩坑"_s, u"多线程"_s, u"没有这个词"_s})
        benchmark::RegisterBenchmark((u"FreshQuery/five centres: "_s + term).toUtf8().constData(),
                                     [term](benchmark::State& s) { freshQuery(s, term); })
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Walk/1000 hits, timer-driven", walk)->Unit(benchmark::kMillisecond)->Iterations(3);
    benchmark::Initialize(&argc, argv);
    bench::searchLibrary();  // written before timing starts
    bench::prepareSearchIndexes();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
