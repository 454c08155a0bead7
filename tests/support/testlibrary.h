#pragma once

#include "library/layout.h"
#include "library/schema.h"

#include <QTemporaryDir>

#include <memory>

namespace kelvor::test {

// A small library in a temporary folder: every database of the layout,
// keyed with its password, with all tables and no rows. Tests add the rows
// and files they need.
class TestLibrary {
public:
    TestLibrary();
    QString dataRoot() const { return m_dir.path(); }
    LibraryLayout layout() const { return LibraryLayout(m_dir.path()); }

    // Opens `role`'s database (keyed) for the test to fill.
    std::unique_ptr<Database> open(DatabaseRole role) const;
    // Adds rows the way the authoring tool writes them, search indexes included.
    void addRecords(const QString& table, const std::vector<CentreRecord>& records) const;
    // Adds rows to the centre's own database (the copy the continued query
    // reads), as the authoring tool writes it, its contains index included.
    void addCentreCopy(const QString& table, const std::vector<CentreRecord>& records) const;
    // Leaves the content database as an older tool wrote it: no triggers count
    // the changes made to its rows.
    void dropChangeCount() const;
    // Writes a file under the data root (GBK when `gbkText` is true).
    QString writeFile(const QString& relativePath, const QString& text, bool gbkText = true) const;

private:
    QTemporaryDir m_dir;
};

}  // namespace kelvor::test
