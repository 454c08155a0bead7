#include "insidelibrary.h"

#include <QFileInfo>

namespace kelvor {

bool liesInsideFolder(const QString& folder, const QString& path)
{
    const QString root = QFileInfo(folder).canonicalFilePath();
    const QString target = QFileInfo(path).canonicalFilePath();
    return !root.isEmpty() && target.startsWith(root + QLatin1Char('/'));
}

bool liesInsideLibrary(const LibraryLayout& layout, const QString& path)
{
    return liesInsideFolder(layout.libraryFolder(), path);
}

}  // namespace kelvor
