// The two moments of the main window where a user waits on the library's size,
// measured in the real window (offscreen) on libraries written by the
// authoring tool's generator:
//   - the centre switch to "技术中心" holding 100 000 records, until its tree
//     has been laid out and painted;
//   - the switch to the search page " 检索 " listing every title of six
//     centres (1 000 000 in all), until the result list has been laid out and
//     painted, with the longest time the window went without handling its
//     events during the fill;
//   - a keystroke in the search box on " 检索 ", from the text change until
//     the list shows its first rows.
// The list reads a page at a time, so the search page's figures stand beside
// their floor: the bare statements of the first page stepped, no list built.

#include "viewer/libraryscheme.h"

#include "benchfigures.h"
#include "generatedlibrary.h"

#include "app/window/mainwindow.h"
#include "app/window/navigationcontroller.h"
#include "app/window/resultlistmodel.h"

#include "catalogue/cataloguemodel.h"
#include "library/centres.h"
#include "library/prompter.h"
#include "library/sharedconnection.h"
#include "search/titlesearch.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <memory>

#include <malloc.h>
#include <unistd.h>

namespace {

using namespace Qt::StringLiterals;
using namespace kelvor;

// The switches must not stop on a message box; none is expected.
class SilentPrompter : public Prompter {
public:
    void message(const QString& text) override { messages << text; }
    bool confirm(const QString& text) override
    {
        messages << text;
        return false;
    }
    std::optional<QString> input(const QString& prompt, const QString&, const QString&) override
    {
        messages << prompt;
        return std::nullopt;
    }
    QStringList messages;
};

constexpr qint64 kTreeLibraryRecords = 600000;     // 100 000 in each of the six centres
constexpr qint64 kSearchLibraryRecords = 1000000;  // the search page's million titles
constexpr int kTechnologyItem = 1;
constexpr int kExamplesItem = 3;
constexpr int kQueryCentreItem = 1;
constexpr int kSearchPageItem = 2;
constexpr int kResponsivenessTickMs = 10;
constexpr size_t kFirstPageRows = 200;  // what the result list reads for its first screen

// One window on one generated library, shown offscreen.
class BenchWindow {
public:
    explicit BenchWindow(const bench::GeneratedLibrary& library)
        : m_connection(library.layout()), m_layout(library.layout())
    {
        m_connection.open(DatabaseRole::Content);
        m_window = std::make_unique<MainWindow>(m_connection, library.layout(), m_prompter, nullptr,
                                                m_settings.filePath(QStringLiteral("rcontrolmt.ini")));
        m_window->show();
        QApplication::processEvents();
    }

    MainWindow& window() { return *m_window; }
    SharedConnection& connection() { return m_connection; }
    const LibraryLayout& layout() const { return m_layout; }
    const QStringList& messages() const { return m_prompter.messages; }

private:
    SharedConnection m_connection;
    LibraryLayout m_layout;
    SilentPrompter m_prompter;
    QTemporaryDir m_settings;
    std::unique_ptr<MainWindow> m_window;
};

// Runs the posted work (the views lay themselves out from a zero timer) and
// paints the view synchronously: what the user sees once the switch is over.
void layOutAndPaint(QAbstractItemView* view)
{
    QApplication::processEvents();
    view->viewport()->repaint();
}

void centreSwitchToLargeTree(benchmark::State& state, BenchWindow& bench)
{
    MainWindow& window = bench.window();
    QTreeView* tree = window.catalogueTree();
    std::vector<double> cpu;
    for (auto _ : state) {
        // Start from another centre, as a user would.
        window.Label1_Click(kExamplesItem);
        layOutAndPaint(tree);

        QElapsedTimer clock;
        clock.start();
        const double cpuStart = bench::cpuMs();
        window.Label1_Click(kTechnologyItem);
        layOutAndPaint(tree);
        cpu.push_back(bench::cpuMs() - cpuStart);
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
    state.counters["cpu_ms"] = bench::medianMs(cpu);
    state.counters["nodes"] = window.catalogueModel().nodeCount();
    state.counters["roots shown"] = window.catalogueModel().rowCount();
    // The floor: the centre's tree query stepped, no tree built or shown.
    const Centre& technology = *centreByTable(u"jszx");
    const Query treeQuery = centreQueries(technology, bench.layout(),
                                          bench.connection().contentTable(technology.table)).treeQuery;
    std::vector<double> floor, floorCpu;
    size_t floorRows = 0;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer clock;
        clock.start();
        const double cpuStart = bench::cpuMs();
        floorRows = bench::stepAll(bench.connection().db(), treeQuery);
        floorCpu.push_back(bench::cpuMs() - cpuStart);
        floor.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    state.counters["floor_ms"] = bench::medianMs(floor);
    state.counters["floor_cpu_ms"] = bench::medianMs(floorCpu);
    state.counters["floor_rows"] = double(floorRows);
    state.counters["target_ms"] = 300;
    if (!bench.messages().isEmpty()) state.SkipWithError(bench.messages().join(u"; "_s).toUtf8().constData());
}

// The bare statements of the list's first page for `text`, stepped: the median ms.
double firstPageFloorMs(SharedConnection& connection, const QString& text, double* cpuMs = nullptr)
{
    // Each table by the plan the page chose for it; choosing stays out of the floor.
    std::vector<TitlePlan> plans;
    for (const QString& table : searchPageTables())
        plans.push_back(titlePagePlan(connection.db(), connection.titleTable(table), text, std::nullopt, kFirstPageRows));
    std::vector<double> times, cpu;
    for (int run = 0; run < 7; ++run) {
        QElapsedTimer clock;
        clock.start();
        const double cpuStart = bench::cpuMs();
        size_t rows = 0;
        for (qsizetype i = 0; i < searchPageTables().size(); ++i) {
            const QString& table = searchPageTables().at(i);
            const Query q = titlePageQuery(connection.titleTable(table), text, connection.containsIndex(table),
                                           std::nullopt, kFirstPageRows, plans.at(size_t(i)));
            rows += bench::stepAll(connection.db(), q);
        }
        benchmark::DoNotOptimize(rows);
        cpu.push_back(bench::cpuMs() - cpuStart);
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    if (cpuMs) *cpuMs = bench::medianMs(cpu);
    return bench::medianMs(times);
}

// Every prefix of `word` typed into the search box on " 检索 ", one key at a
// time: the time from the text change until the list is laid out and painted.
void searchPageKeystroke(benchmark::State& state, BenchWindow& bench, const QString& word)
{
    MainWindow& window = bench.window();
    window.navigation().chooseGroup(NavigationGroup::Query);
    window.Label1_Click(kSearchPageItem);
    QListView* list = window.resultList();
    auto* box = window.findChild<QComboBox*>(QStringLiteral("Combo2"));
    layOutAndPaint(list);
    std::vector<double> times, cpu;
    double floorMs = 0, floorCpuMs = 0;
    for (auto _ : state) {
        for (qsizetype length = 1; length <= word.size(); ++length) {
            const QString text = word.left(length);
            QElapsedTimer clock;
            clock.start();
            const double cpuStart = bench::cpuMs();
            box->lineEdit()->setText(text);
            layOutAndPaint(list);
            cpu.push_back(bench::cpuMs() - cpuStart);
            const double ms = double(clock.nsecsElapsed()) / 1e6;
            times.push_back(ms);
            double keyFloorCpu = 0;
            floorMs = std::max(floorMs, firstPageFloorMs(bench.connection(), text, &keyFloorCpu));
            floorCpuMs = std::max(floorCpuMs, keyFloorCpu);
        }
        state.SetIterationTime(*std::max_element(times.end() - word.size(), times.end()) / 1e3);
    }
    state.counters["slowest key ms"] = *std::max_element(times.begin(), times.end());
    state.counters["median key ms"] = bench::medianMs(times);
    state.counters["target_ms"] = 30;
    state.counters["slowest floor_ms"] = floorMs;
    state.counters["slowest key cpu_ms"] = *std::max_element(cpu.begin(), cpu.end());
    state.counters["median key cpu_ms"] = bench::medianMs(cpu);
    state.counters["slowest floor_cpu_ms"] = floorCpuMs;
    if (!bench.messages().isEmpty()) state.SkipWithError(bench.messages().join(u"; "_s).toUtf8().constData());
}

// `fromQueryCentre`: each switch starts on "查询中心", where the result list
// is hidden, as when a user comes from another page; otherwise the search
// page is chosen again while its list of a million lines is on show.
void searchPageFill(benchmark::State& state, BenchWindow& bench, bool fromQueryCentre)
{
    MainWindow& window = bench.window();
    window.navigation().chooseGroup(NavigationGroup::Query);
    QListView* list = window.resultList();
    window.Label1_Click(kSearchPageItem);
    layOutAndPaint(list);

    double longestGapMs = 0;
    double gapsOver100 = 0;
    for (auto _ : state) {
        if (fromQueryCentre) {
            window.Label1_Click(kQueryCentreItem);
            QApplication::processEvents();
        }
        // A 10 ms timer stands for everything else the window has to do:
        // the gaps between its ticks are how long the window did not answer.
        QElapsedTimer clock;
        qint64 lastTick = 0;
        qint64 longest = 0;
        int longGaps = 0;
        QTimer ticker;
        ticker.setInterval(kResponsivenessTickMs);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            const qint64 gap = now - lastTick;
            longest = std::max(longest, gap);
            if (gap > 100'000'000) ++longGaps;
            lastTick = now;
        });
        ticker.start();
        clock.start();
        window.Label1_Click(kSearchPageItem);
        layOutAndPaint(list);
        const qint64 elapsed = clock.nsecsElapsed();
        ticker.stop();
        longest = std::max(longest, elapsed - lastTick);
        state.SetIterationTime(double(elapsed) / 1e9);
        longestGapMs = std::max(longestGapMs, double(longest) / 1e6);
        gapsOver100 = std::max(gapsOver100, double(longGaps));
    }
    state.counters["titles"] = window.resultListModel().rowCount();
    state.counters["floor_ms"] = firstPageFloorMs(bench.connection(), {});
    state.counters["longest gap ms"] = longestGapMs;
    state.counters["gaps over 100 ms"] = gapsOver100;
    if (!bench.messages().isEmpty()) state.SkipWithError(bench.messages().join(u"; "_s).toUtf8().constData());
}

// A field of /proc/self/status in megabytes ("VmRSS", "VmHWM").
double statusMb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field)) return line.mid(qsizetype(qstrlen(field)) + 1).trimmed().split(' ').first().toDouble() / 1024;
    return -1;
}

// Lets the peak resident size (VmHWM) start again from the present size.
void resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly)) clear.write("5");
}

// The window's peak resident memory while " 检索 " lists every title and the
// list is scrolled to its end (every page read), measured as VmHWM of this
// process (the window's; the browser's helper processes are apart) after
// its peak was reset with the window open on another page. The floor: the
// memory the same titles take read bare into a title list, no model or view.
void searchPageMemory(benchmark::State& state, BenchWindow& bench)
{
    MainWindow& window = bench.window();
    window.navigation().chooseGroup(NavigationGroup::Query);
    window.Label1_Click(kQueryCentreItem);
    QApplication::processEvents();
    double peakMb = 0, beforeMb = 0;
    QListView* list = window.resultList();
    for (auto _ : state) {
        window.Label1_Click(kQueryCentreItem);
        QApplication::processEvents();
        malloc_trim(0);
        resetPeakMemory();
        beforeMb = statusMb("VmRSS:");
        window.Label1_Click(kSearchPageItem);
        layOutAndPaint(list);
        window.resultListModel().fetchAll();
        list->scrollToBottom();
        layOutAndPaint(list);
        peakMb = std::max(peakMb, statusMb("VmHWM:"));
    }
    // After the window's figure, so its peak does not include this read.
    double rowsMb = 0;
    {
        malloc_trim(0);
        const double before = statusMb("VmRSS:");
        const TitleList titles = allTitles(bench.connection(), searchPageTables());
        rowsMb = statusMb("VmRSS:") - before;
        benchmark::DoNotOptimize(titles.size());
    }
    state.counters["titles"] = window.resultListModel().rowCount();
    state.counters["peak_MB"] = peakMb;
    state.counters["before_switch_MB"] = beforeMb;
    state.counters["target_MB"] = 300;
    state.counters["floor_rows_MB"] = rowsMb;
    if (!bench.messages().isEmpty()) state.SkipWithError(bench.messages().join(u"; "_s).toUtf8().constData());
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS")) qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    // The window's web views refuse to start as root with their sandbox on.
    if (::geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The library scheme exists only if registered before the application.
    kelvor::prepareLibraryBrowsing();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    // Each library is written, and its window opened, before the first of its
    // benchmarks times anything (the first run takes minutes), and only when
    // one of them runs. They live until the process ends.
    static const auto treeWindow = [] {
        static BenchWindow* window = new BenchWindow(*new bench::GeneratedLibrary(kTreeLibraryRecords));
        return std::ref(*window);
    };
    static const auto searchWindow = [] {
        static BenchWindow* window = new BenchWindow(*new bench::GeneratedLibrary(kSearchLibraryRecords));
        return std::ref(*window);
    };

    benchmark::RegisterBenchmark("CentreSwitch/技术中心 of 100000 records, tree laid out and painted",
                                 [](benchmark::State& state) { centreSwitchToLargeTree(state, treeWindow()); })
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(5);
    for (const bool fromQueryCentre : {true, false}) {
        const char* name = fromQueryCentre ? "SearchPage/检索 of 1000000 titles from 查询中心, list laid out and painted"
                                           : "SearchPage/检索 of 1000000 titles chosen again, list laid out and painted";
        benchmark::RegisterBenchmark(name, [fromQueryCentre](benchmark::State& state) {
            searchPageFill(state, searchWindow(), fromQueryCentre);
        })
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(3);
    }
    for (const char* word : {"数据库设计", "Python", "JavaScript", "深入理解 Java 多线程", "用 Python 实现"}) {
        const QString text = QString::fromUtf8(word);
        benchmark::RegisterBenchmark(("SearchPage/keystrokes of " + text.toStdString()).c_str(),
                                     [text](benchmark::State& state) { searchPageKeystroke(state, searchWindow(), text); })
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(3);
    }
    benchmark::RegisterBenchmark("SearchPage/memory of 检索 with 1000000 titles scrolled to its end",
                                 [](benchmark::State& state) { searchPageMemory(state, searchWindow()); })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
