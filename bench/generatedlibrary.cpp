#include "generatedlibrary.h"

#include "authoring/syntheticcatalogue.h"
#include "authoring/syntheticlibrary.h"

#include <QDir>
#include <QGuiApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>

namespace kelvor::bench {

namespace {

const QString kCompleteMarker = QStringLiteral("/bench-library-complete");

}  // namespace

GeneratedLibrary::GeneratedLibrary(qint64 records)
    : m_records(records), m_root(QStringLiteral("/tmp/kelvor-bench-synthetic-%1").arg(records))
{
    if (!QFileInfo::exists(m_root + kCompleteMarker)) write();
}

qint64 GeneratedLibrary::recordsIn(const QString& table) const
{
    for (const auto& [name, count] : authoring::syntheticShares(m_records))
        if (name == table) return count;
    return 0;
}

void GeneratedLibrary::write() const
{
    std::fprintf(stderr, "writing a library of %lld records into %s ...\n", static_cast<long long>(m_records),
                 qPrintable(m_root));
    // A run that was interrupted leaves a half-written folder; start afresh.
    QDir(m_root).removeRecursively();
    // The library's pictures are drawn with fonts, which need a GUI application (but no display).
    std::unique_ptr<QGuiApplication> gui;
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "kelvor-bench";
        static char* argv[] = {name, nullptr};
        gui = std::make_unique<QGuiApplication>(argc, argv);
    }
    try {
        authoring::writeSyntheticLibrary(m_root, m_records,
                                         [](const QString& line) { std::fprintf(stderr, "  %s\n", qPrintable(line)); });
    } catch (const std::exception& e) {
        std::fprintf(stderr, "cannot write the library: %s\n", e.what());
        std::exit(1);
    }
    QFile marker(m_root + kCompleteMarker);
    if (!marker.open(QIODevice::WriteOnly)) std::fprintf(stderr, "cannot mark the library complete\n");
}

}  // namespace kelvor::bench
