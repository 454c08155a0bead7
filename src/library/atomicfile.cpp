#include "atomicfile.h"

#include <QSaveFile>

namespace kelvor {

bool replaceFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // commit() flushes too, but a write error found by that flush does not stop
    // it renaming a cut-short file over the old one: flush and check first.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace kelvor
