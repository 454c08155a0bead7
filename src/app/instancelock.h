#pragma once

#include <QLockFile>
#include <QString>

namespace kelvor {

// Tells whether another copy of the program is running: the first copy holds
// a lock file in the user's runtime folder for as long as it runs.
class InstanceLock {
public:
    explicit InstanceLock(const QString& path = defaultPath());

    // True when this process now holds the lock (or already held it).
    bool tryAcquire();
    bool isHeld() const { return m_file.isLocked(); }
    QString path() const { return m_path; }

    // `kelvor.lock` in the runtime folder, or in the temporary folder when the
    // platform has no runtime folder.
    static QString defaultPath();

private:
    QString m_path;
    QLockFile m_file;
};

}  // namespace kelvor
