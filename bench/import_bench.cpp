// Importing real documentation: the Debian package cppreference-doc-en-html
// (about 4 400 pages; `scripts/install-deps.sh --bench` installs it) into a
// copy of the demo library, then what a user waits for on the result:
//   - the import itself, beside its floor: copying the same files;
//   - the program's start on the library until its window is shown (the
//     real program, offscreen), beside the start on the demo library alone;
//   - a title search of the search page, beside the bare query on the
//     technology centre that returns the same titles.

#include "authoring/demolibrary.h"
#include "import/libraryimport.h"
#include "library/layout.h"
#include "library/sharedconnection.h"
#include "search/titlesearch.h"

#include <QGuiApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using namespace kelvor;

const QString kSource = QStringLiteral("/usr/share/cppreference/doc/html");
const QString kRoot = QStringLiteral("/tmp/kelvor-import-bench");

QString demoRoot()
{
    return kRoot + QStringLiteral("/demo");
}
QString importedRoot()
{
    return kRoot + QStringLiteral("/imported");
}

void copyTree(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + path.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(path, target);
    }
}

void prepareDemo()
{
    if (QFileInfo(demoRoot() + QStringLiteral("/kelvor/9800990069/kvjs.mdb")).isFile()) return;
    QDir(demoRoot()).removeRecursively();
    authoring::writeDemoLibrary(demoRoot());
}

// A fresh copy of the demo library each time, outside the timing.
void Import(benchmark::State& state)
{
    importing::ImportSummary summary;
    for (auto _ : state) {
        state.PauseTiming();
        QDir(importedRoot()).removeRecursively();
        copyTree(demoRoot(), importedRoot());
        state.ResumeTiming();
        summary = importing::importDocumentation({importedRoot(), kSource, {}, QStringLiteral("C++ 参考手册")});
    }
    state.counters["pages"] = summary.pages;
    state.counters["files"] = summary.filesCopied;
    state.SetLabel(summary.line().toStdString());
}

// The floor of the import: the same files copied, nothing parsed or written to a database.
void ImportFloorCopyFiles(benchmark::State& state)
{
    for (auto _ : state) {
        QTemporaryDir target(kRoot + QStringLiteral("/floor-XXXXXX"));
        copyTree(kSource, target.path());
    }
}

// The real program on `root` until its window is shown and saved.
void programStart(benchmark::State& state, const QString& root)
{
    const QString shot = kRoot + QStringLiteral("/start.png");
    for (auto _ : state) {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
        env.insert(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"), QStringLiteral("--disable-gpu"));
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QStringLiteral(KELVOR_PROGRAM),
                      {QStringLiteral("--data-root"), root, QStringLiteral("--screenshot"), shot});
        program.waitForFinished(60000);
        if (program.exitCode() != 0) state.SkipWithError("the program did not start");
    }
}

void ProgramStartImported(benchmark::State& state)
{
    programStart(state, importedRoot());
}
void ProgramStartDemoFloor(benchmark::State& state)
{
    programStart(state, demoRoot());
}

SharedConnection& importedConnection()
{
    // Opened once: keying a database is slow by design.
    static SharedConnection connection{LibraryLayout(importedRoot())};
    if (!connection.isOpen()) connection.open(DatabaseRole::Content);
    return connection;
}

void TitleSearch(benchmark::State& state, const QString& text)
{
    size_t found = 0;
    for (auto _ : state) {
        found = titleSearch(importedConnection(), text).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["titles"] = double(found);
}

// The floor: the one statement of the technology centre, rows read and dropped.
void TitleSearchFloor(benchmark::State& state, const QString& text)
{
    SharedConnection& connection = importedConnection();
    const Query query = titlePrefixQuery(connection.contentTable(QStringLiteral("jszx")), text);
    size_t rows = 0;
    for (auto _ : state) {
        rows = connection.db().query(query.sql, query.params).size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["titles"] = double(rows);
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);  // the demo library draws its pictures
    if (!QFileInfo(kSource + QStringLiteral("/en/cpp/container/vector.html")).isFile()) {
        std::printf("import_bench: %s is missing; run scripts/install-deps.sh --bench first\n",
                    qPrintable(kSource));
        return 0;
    }
    QDir().mkpath(kRoot);
    prepareDemo();
    benchmark::RegisterBenchmark("Import/cppreference", Import)->Unit(benchmark::kSecond)->Iterations(1);
    benchmark::RegisterBenchmark("Import/floor: copy the same files", ImportFloorCopyFiles)
        ->Unit(benchmark::kSecond)
        ->Iterations(1);
    benchmark::RegisterBenchmark("ProgramStart/imported library", ProgramStartImported)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    benchmark::RegisterBenchmark("ProgramStart/floor: demo library", ProgramStartDemoFloor)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    for (const char* text : {"s", "std::", "std::vec", "std::vector<T,Allocator>::push_back", "operator"}) {
        const QString t = QString::fromUtf8(text);
        benchmark::RegisterBenchmark((std::string("TitleSearch/") + text).c_str(),
                                     [t](benchmark::State& s) { TitleSearch(s, t); })
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("TitleSearch/floor: bare query ") + text).c_str(),
                                     [t](benchmark::State& s) { TitleSearchFloor(s, t); })
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
