// The real program's start, from its launch until its main window is on show
// (KELVOR_QUIT_WHEN_SHOWN=1 makes it paint the window, say so and end),
// offscreen and unattended:
//   - on the demo library;
//   - on the generated library of 1 000 000 records, its search indexes
//     already written (they are prepared once before the first timed start).
// The floor, measured in the same run, is the program launched with --help:
// loading the program and its libraries and creating the application,
// no library opened, no window built.
// Wall time is counted until the program says its window is shown; the
// processor time (user and system) is the program's whole run, its exit included.

#include "authoring/demolibrary.h"

#include "benchfigures.h"
#include "searchbenchlibrary.h"

#include <QGuiApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <vector>

namespace {

using namespace kelvor;

const QString kDemoRoot = QStringLiteral("/tmp/kelvor-bench-demo");
const QByteArray kShownLine = "main window shown after ";

QString demoRoot()
{
    if (!QFileInfo(kDemoRoot + QStringLiteral("/kelvor/9800990069/kvjs.mdb")).isFile()) {
        QDir(kDemoRoot).removeRecursively();
        authoring::writeDemoLibrary(kDemoRoot);
    }
    return kDemoRoot;
}

double childrenCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct Run {
    double wallMs = -1;  // launch until the window is shown (or the program ends, for the floor)
    double cpuMs = 0;
    double reportedMs = 0;  // what the program itself counted from its main()
};

// One launch of the program with `arguments`. With `untilShown` the wall time
// stops at the program's line saying its window is shown.
Run launch(const QStringList& arguments, bool untilShown)
{
    // The instance lock lives in the runtime folder: a private one, so that
    // another copy of the program on this machine does not end this one at once.
    static QTemporaryDir runtime;
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
    env.insert(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"), QStringLiteral("--disable-gpu"));
    env.insert(QStringLiteral("KELVOR_UNATTENDED"), QStringLiteral("1"));
    env.insert(QStringLiteral("KELVOR_QUIT_WHEN_SHOWN"), QStringLiteral("1"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    program.setProcessEnvironment(env);
    Run run;
    const double cpuBefore = childrenCpuMs();
    QElapsedTimer clock;
    clock.start();
    program.start(QStringLiteral(KELVOR_PROGRAM), arguments);
    QByteArray errors;
    while (program.state() != QProcess::NotRunning && clock.elapsed() < 120000) {
        program.waitForReadyRead(100);
        errors += program.readAllStandardError();
        if (untilShown && run.wallMs < 0) {
            if (const qsizetype at = errors.indexOf(kShownLine); at >= 0) {
                run.wallMs = double(clock.nsecsElapsed()) / 1e6;
                run.reportedMs = errors.mid(at + kShownLine.size()).split(' ').first().toDouble();
            }
        }
    }
    program.waitForFinished(120000);
    errors += program.readAllStandardError();
    if (!untilShown) run.wallMs = double(clock.nsecsElapsed()) / 1e6;
    if (untilShown && run.wallMs < 0) {
        run.wallMs = -1;
        std::fprintf(stderr, "the program did not show its window:\n%s\n", errors.constData());
    }
    run.cpuMs = childrenCpuMs() - cpuBefore;
    return run;
}

void programStart(benchmark::State& state, const QString& root, double targetMs)
{
    std::vector<double> wall, cpu, reported;
    for (auto _ : state) {
        const Run run = launch({QStringLiteral("--data-root"), root}, true);
        if (run.wallMs < 0) {
            state.SkipWithError("the program did not show its window");
            return;
        }
        state.SetIterationTime(run.wallMs / 1e3);
        wall.push_back(run.wallMs);
        cpu.push_back(run.cpuMs);
        reported.push_back(run.reportedMs);
    }
    std::vector<double> floorWall, floorCpu;
    for (int i = 0; i < 5; ++i) {
        const Run run = launch({QStringLiteral("--help")}, false);
        floorWall.push_back(run.wallMs);
        floorCpu.push_back(run.cpuMs);
    }
    state.counters["median_ms"] = bench::medianMs(wall);
    state.counters["cpu_ms"] = bench::medianMs(cpu);
    state.counters["own_count_ms"] = bench::medianMs(reported);
    state.counters["target_ms"] = targetMs;
    state.counters["floor_ms"] = bench::medianMs(floorWall);
    state.counters["floor_cpu_ms"] = bench::medianMs(floorCpu);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The demo library's pictures are drawn with fonts.
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    benchmark::RegisterBenchmark("ProgramStart/demo library, until the main window is shown",
                                 [](benchmark::State& state) { programStart(state, demoRoot(), 1500); })
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(5);
    benchmark::RegisterBenchmark("ProgramStart/1000000 records, indexed, until the main window is shown",
                                 [](benchmark::State& state) {
                                     // The indexes are written before the first timed start.
                                     bench::prepareSearchIndexes();
                                     programStart(state, bench::searchLibrary().dataRoot(), 2500);
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(5);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
