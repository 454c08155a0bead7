#pragma once

#include "library/layout.h"

#include <QString>
#include <QStringList>

namespace kelvor::bench {

// A library of generated records over the six centres of the search page
// (documents, and a level-1 folder for every 10 000 of them in a centre),
// written once into a folder under /tmp named after the record count and
// reused by later runs (a marker file tells a finished library from one
// whose writing was interrupted).
class GeneratedLibrary {
public:
    explicit GeneratedLibrary(qint64 records);

    LibraryLayout layout() const { return LibraryLayout(m_root); }
    QString dataRoot() const { return m_root; }
    // Records (folders and documents) written into `table`.
    qint64 recordsIn(const QString& table) const;

    // The words titles begin with, each opening about the same share of them.
    static const QStringList& leadingWords();

private:
    void write() const;

    qint64 m_records;
    QString m_root;
};

}  // namespace kelvor::bench
