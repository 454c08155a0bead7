#pragma once

#include "generatedlibrary.h"

#include "library/sharedconnection.h"

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

}  // namespace kelvor::bench
