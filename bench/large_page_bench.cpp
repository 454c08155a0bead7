// Opening a very large library page (default 50 MB, GBK, no declared
// encoding) the way the window does: the document view loads it and the
// source extraction reads it. Prints the memory of the program and of the
// browser's processes, and the longest pause of the event loop while the page
// loads, each beside its floor: the same figures for a one-line page opened
// first in the same run.
//
//   large_page_bench [MEGABYTES]

#include "library/gbk.h"
#include "viewer/documentareacontroller.h"
#include "viewer/documentview.h"
#include "viewer/libraryscheme.h"
#include "viewer/shell.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

#include <unistd.h>

namespace {

using namespace kelvor;

class NoShell : public Shell {
public:
    bool startProgram(const QString&) override { return false; }
    bool openFolder(const QString&) override { return false; }
    bool openAddress(const QUrl&) override { return false; }
};

// Kilobytes of a /proc/<pid>/status field.
qint64 statusField(const QString& pid, const char* field)
{
    QFile file(QStringLiteral("/proc/%1/status").arg(pid));
    if (!file.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (line.startsWith(field)) return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

qint64 parentOf(const QString& pid)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray stat = file.readAll();
    // The fields after the command name, which may hold blanks.
    const QList<QByteArray> after = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    return after.value(1).toLongLong();
}

// Resident kilobytes of every process below this one (the browser's helpers).
qint64 browserProcessesKb()
{
    const qint64 self = getpid();
    QList<qint64> family{self};
    qint64 total = 0;
    // Parents are listed before their children often enough; walk until stable.
    bool grew = true;
    QStringList pids = QDir(QStringLiteral("/proc")).entryList({QStringLiteral("[0-9]*")}, QDir::Dirs);
    while (grew) {
        grew = false;
        for (const QString& pid : pids) {
            const qint64 id = pid.toLongLong();
            if (family.contains(id) || !family.contains(parentOf(pid))) continue;
            family << id;
            total += statusField(pid, "VmRSS:");
            grew = true;
        }
    }
    return total;
}

QByteArray largePage(qint64 bytes)
{
    QByteArray page = gbk::encode(QStringLiteral("<html><body><p>大型文档的开头</p>\r\n"));
    const QByteArray line = gbk::encode(QStringLiteral(
        "<p>int total = 0; for (int i = 0; i < n; ++i) total += values[i]; // 累加每一个数值，说明见下文</p>\r\n"));
    const QByteArray source = gbk::encode(QStringLiteral("<p class=a2>printf(\"%d\\n\", total); // 输出</p>\r\n"));
    page.reserve(bytes + 1024);
    for (int i = 0; page.size() < bytes; ++i) page += (i % 100 == 0) ? source : line;
    return page + gbk::encode(QStringLiteral("<p>大型文档的结尾</p></body></html>\r\n"));
}

struct Opening {
    qint64 programKb = 0;
    qint64 programPeakKb = 0;
    qint64 browserKb = 0;
    qint64 loadMs = 0;
    qint64 longestPauseMs = 0;
    bool ok = false;
    QString tail;
};

Opening open(DocumentView& view, DocumentAreaController& display, const QString& path)
{
    Opening result;
    QElapsedTimer clock;
    QElapsedTimer sinceTick;
    QTimer ticks;
    ticks.setInterval(10);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        result.longestPauseMs = std::max(result.longestPauseMs, sinceTick.restart());
    });
    QEventLoop loop;
    QObject::connect(&view, &DocumentView::documentComplete, &loop, [&](bool ok) {
        result.ok = ok;
        loop.quit();
    });
    clock.start();
    sinceTick.start();
    ticks.start();
    view.navigate(path);
    display.visibleweb(path);
    loop.exec();
    result.loadMs = clock.elapsed();
    view.plainText([&](const QString& text) {
        result.tail = text.right(10).trimmed();
        loop.quit();
    });
    loop.exec();
    ticks.stop();
    const QString self = QString::number(getpid());
    result.programKb = statusField(self, "VmRSS:");
    result.programPeakKb = statusField(self, "VmHWM:");
    result.browserKb = browserProcessesKb();
    return result;
}

void print(const char* what, const Opening& page, const Opening& floor)
{
    std::printf("%-34s %8.1f MB   (floor %6.1f MB)\n", "program resident after load", page.programKb / 1024.0,
                floor.programKb / 1024.0);
    std::printf("%-34s %8.1f MB   (floor %6.1f MB)\n", "program peak resident", page.programPeakKb / 1024.0,
                floor.programPeakKb / 1024.0);
    std::printf("%-34s %8.1f MB   (floor %6.1f MB)\n", "browser processes resident", page.browserKb / 1024.0,
                floor.browserKb / 1024.0);
    std::printf("%-34s %8lld ms   (floor %6lld ms)\n", "load until complete", static_cast<long long>(page.loadMs),
                static_cast<long long>(floor.loadMs));
    std::printf("%-34s %8lld ms   (floor %6lld ms)\n", "longest event-loop pause", static_cast<long long>(page.longestPauseMs),
                static_cast<long long>(floor.longestPauseMs));
    std::printf("%-34s %s, last text \"%s\"\n", what, page.ok ? "loaded" : "FAILED", qPrintable(page.tail));
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS")) qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    if (::geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    kelvor::prepareLibraryBrowsing();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 50;

    QTemporaryDir root;
    const LibraryLayout layout(root.path());
    QDir().mkpath(layout.libraryFolder() + QStringLiteral("/docs"));
    const QString small = layout.libraryFolder() + QStringLiteral("/docs/small.htm");
    const QString large = layout.libraryFolder() + QStringLiteral("/docs/large.htm");
    for (const auto& [path, bytes] : {std::pair{small, gbk::encode(QStringLiteral("<p class=a2>一行</p>\r\n"))},
                                      std::pair{large, largePage(megabytes * 1024 * 1024)}}) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return 1;
    }

    QWidget window;
    window.resize(1000, 700);
    auto* view = new DocumentView(layout, &window);
    view->resize(1000, 700);
    auto* sourceView = new DocumentView(layout, &window);
    sourceView->hide();
    auto* sourceText = new QPlainTextEdit(&window);
    sourceText->hide();
    NoShell shell;
    DocumentAreaController display({view, sourceView, sourceText, nullptr}, layout, shell);
    window.show();

    const Opening floor = open(*view, display, small);
    const Opening page = open(*view, display, large);
    std::printf("page of %lld MB (GBK, no declared encoding), floor: a one-line page\n",
                static_cast<long long>(megabytes));
    print("large page", page, floor);
    return page.ok ? 0 : 1;
}
