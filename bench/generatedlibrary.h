#pragma once

#include "library/layout.h"

#include <QString>

namespace kelvor::bench {

// A library of `records` made-up records over the six centres of the search
// page, written by the authoring tool's generator (`kelvor-library demo DIR
// --records N`) once into a folder under /tmp named after the count and
// reused by later runs (a marker file tells a finished library from one
// whose writing was interrupted).
class GeneratedLibrary {
public:
    explicit GeneratedLibrary(qint64 records);

    LibraryLayout layout() const { return LibraryLayout(m_root); }
    QString dataRoot() const { return m_root; }
    // Records (folders and documents) written into `table`.
    qint64 recordsIn(const QString& table) const;

private:
    void write() const;

    qint64 m_records;
    QString m_root;
};

}  // namespace kelvor::bench
