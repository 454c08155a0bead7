#pragma once

#include "library/database.h"
#include "library/layout.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <vector>

namespace kelvor::test {

// The demo library, written once per test program (it takes a second or two).
class DemoFixture {
public:
    static const DemoFixture& instance();

    QString dataRoot() const;
    LibraryLayout layout() const { return LibraryLayout(dataRoot()); }
    std::unique_ptr<Database> open(DatabaseRole role) const;

private:
    DemoFixture();
    struct Folder;
    std::unique_ptr<Folder> m_folder;
};

// Rows of a table as text, in rowid order.
std::vector<std::map<QString, QString>> tableRows(Database& db, const QString& table);

// Every regular file under `root`, relative path -> content hash.
std::map<QString, QByteArray> fileHashes(const QString& root, const QStringList& skipSuffixes = {});

// The source paragraphs the viewer collects from a document, read line by line:
// a line beginning "<p class=a2" or "<p class=a3" opens one, a line ending
// "/p>" closes it. `unclosed` tells whether the file ended inside one.
struct SourceScan {
    int paragraphs = 0;
    int multiLine = 0;
    bool unclosed = false;
};
SourceScan scanSourceParagraphs(const QByteArray& fileBytes);

}  // namespace kelvor::test
