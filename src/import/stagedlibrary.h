#pragma once

#include "library/layout.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace kelvor::importing {

// The parts of a library an import changes, staged beside it: copies of the
// databases it writes and the new document folder. Nothing of the library
// itself changes until commit(), which swaps the staged parts in and puts
// everything back if a step fails. Dropping the object without commit()
// leaves the library as it was.
class StagedLibrary {
public:
    // Throws ImportError when the library folder cannot take a staging folder.
    explicit StagedLibrary(const LibraryLayout& layout);
    ~StagedLibrary();

    // A copy of the database of `role` to write into.
    QString stageDatabase(DatabaseRole role);
    // The folder that will become <library>/<link>.
    QString stageDocumentFolder(const QString& link);

    void commit();

private:
    struct Swap {
        QString staged;
        QString target;
    };
    LibraryLayout m_layout;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::vector<Swap> m_swaps;
};

}  // namespace kelvor::importing
