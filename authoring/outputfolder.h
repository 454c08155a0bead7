#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace kelvor::authoring {

// The part of a data root that the authoring tool owns: kelvor/, 9098787891/
// and loginsys.ini. A new library is written into a staging folder beside
// them and moved into place only when it is complete, so a failed run leaves
// the previous library as it was. A library that this tool did not write
// (no marker file) is never replaced; other files in the data root are never touched.
class OutputFolder {
public:
    // `command` is recorded in the marker file.
    OutputFolder(QString dataRoot, QString command);
    ~OutputFolder();

    // Throws AuthoringError when the data root cannot take a new library.
    void prepare();
    // Where to write the new library (a data root of its own).
    QString stagingRoot() const;
    // Replaces the owned entries of the data root with the staged ones.
    void commit();

    static QStringList ownedEntries();
    static QString markerPath();  // relative to the data root

private:
    QString m_dataRoot;
    QString m_command;
    std::unique_ptr<QTemporaryDir> m_staging;
};

}  // namespace kelvor::authoring
