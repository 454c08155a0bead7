#include "insidelibrary.h"

#include <QFileInfo>

namespace kelvor {

bool liesInsideLibrary(const LibraryLayout& layout, const QString& path)
{
    const QString library = QFileInfo(layout.libraryFolder()).canonicalFilePath();
    const QString target = QFileInfo(path).canonicalFilePath();
    return !library.isEmpty() && target.startsWith(library + QLatin1Char('/'));
}

}  // namespace kelvor
