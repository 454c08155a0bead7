#pragma once

#include "generatedlibrary.h"

#include "library/librarydatabases.h"
#include "library/libraryindexes.h"
#include "library/sharedconnection.h"

#include <QElapsedTimer>

#include <cstdio>

#include <QtGlobal>

namespace kelvor::bench {

// The generated library every search benchmark of one program runs on:
// 1 000 000 records unless KELVOR_BENCH_RECORDS says otherwise. Opened once,
// since keying a database is slow by design.
inline GeneratedLibrary& searchLibrary()
{
    static GeneratedLibrary library([] {
        bool ok = false;
        const qint64 records = qEnvironmentVariableIntValue("KELVOR_BENCH_RECORDS", &ok);
        return ok && records > 0 ? records : qint64(1000000);
    }());
    return library;
}

inline SharedConnection& searchConnection(DatabaseRole role = DatabaseRole::Content)
{
    static SharedConnection connection(searchLibrary().layout());
    connection.open(role);
    return connection;
}

// Gives a library written before the search indexes existed its indexes, as
// the program's start-up does, and says how long that took.
inline void prepareSearchIndexes()
{
    SharedConnection& connection = searchConnection();
    QElapsedTimer timer;
    timer.start();
    bool worked = false;
    prepareLibraryIndexes(connection, QStringLiteral("/tmp/kelvor-bench-index-cache"),
                          [&](qint64, qint64) { worked = true; });
    for (const DatabaseRole role : centreDatabases())
        prepareCentreIndexes(*openLibraryDatabase(searchLibrary().layout(), role),
                             QStringLiteral("/tmp/kelvor-bench-index-cache"), [&](qint64, qint64) { worked = true; });
    if (worked) std::fprintf(stderr, "search indexes prepared in %.1f s\n", double(timer.elapsed()) / 1000);
}

}  // namespace kelvor::bench
