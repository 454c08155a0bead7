#include "instancelock.h"

#include <QDir>
#include <QStandardPaths>

namespace kelvor {

InstanceLock::InstanceLock(const QString& path)
    : m_path(path), m_file(path)
{
    // The first copy may run for days; only a dead owner makes the lock stale.
    m_file.setStaleLockTime(0);
}

bool InstanceLock::tryAcquire()
{
    if (m_file.isLocked()) return true;
    return m_file.tryLock(0);
}

QString InstanceLock::defaultPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("kelvor.lock"));
}

}  // namespace kelvor
