#include "stagedlibrary.h"

#include "import/importerror.h"

#include "library/database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace kelvor::importing {

namespace {

std::filesystem::path fsPath(const QString& path)
{
    return std::filesystem::path(path.toStdU16String());
}

bool rename(const QString& from, const QString& to)
{
    std::error_code error;
    std::filesystem::rename(fsPath(from), fsPath(to), error);
    return !error;
}

bool exists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

}  // namespace

StagedLibrary::StagedLibrary(const LibraryLayout& layout) : m_layout(layout)
{
    // Inside the library folder, so that the swap is a rename on one file system.
    m_dir = std::make_unique<QTemporaryDir>(m_layout.libraryFolder() + QStringLiteral("/.kelvor-import-XXXXXX"));
    if (!m_dir->isValid())
        throw ImportError(QStringLiteral("cannot write into the library folder %1: %2")
                                 .arg(m_layout.libraryFolder(), m_dir->errorString()));
}

StagedLibrary::~StagedLibrary() = default;

QString StagedLibrary::stageDatabase(DatabaseRole role)
{
    const QString target = m_layout.databasePath(role);
    // Opening it first lets SQLite finish or roll back a write that was cut
    // short, so the copy holds what the database holds.
    { Database::open(target, databaseInfo(role).password)->scalar(QStringLiteral("select count(*) from sqlite_master")); }
    const QString staged = m_dir->filePath(QStringLiteral("db%1-").arg(m_swaps.size()) + QFileInfo(target).fileName());
    if (!QFile::copy(target, staged))
        throw ImportError(QStringLiteral("cannot copy %1 for the import (is the disk full?)").arg(target));
    QFile::setPermissions(staged, QFile::permissions(staged) | QFileDevice::WriteOwner);
    m_swaps.push_back({staged, target});
    return staged;
}

QString StagedLibrary::stageDocumentFolder(const QString& link)
{
    const QString staged = m_dir->filePath(QStringLiteral("documents"));
    if (!QDir().mkpath(staged)) throw ImportError(QStringLiteral("cannot create %1").arg(staged));
    m_swaps.insert(m_swaps.begin(), {staged, m_layout.libraryFolder() + QLatin1Char('/') + link});
    return staged;
}

void StagedLibrary::commit()
{
    // The document folder goes first, the content database last: records
    // never point at pages that are not there yet.
    const QString retired = m_dir->filePath(QStringLiteral("retired"));
    QDir().mkpath(retired);
    struct Done {
        QString target;
        QString old;  // empty when there was nothing before
    };
    std::vector<Done> done;
    auto rollBack = [&]() {
        for (auto it = done.rbegin(); it != done.rend(); ++it) {
            if (it->old.isEmpty()) {
                const QFileInfo info(it->target);
                if (info.isDir()) QDir(it->target).removeRecursively();
                else QFile::remove(it->target);
            } else {
                rename(it->old, it->target);
            }
        }
    };
    int n = 0;
    for (const Swap& swap : m_swaps) {
        QString old;
        if (exists(swap.target)) {
            old = retired + QStringLiteral("/%1").arg(n++);
            std::error_code error;
            if (QFileInfo(swap.target).isFile()) {
                // A second name for the old file keeps it for a roll-back while
                // the new one replaces it in one step.
                std::filesystem::create_hard_link(fsPath(swap.target), fsPath(old), error);
                if (error && !QFile::copy(swap.target, old)) {
                    rollBack();
                    throw ImportError(QStringLiteral("cannot keep %1 for a roll-back").arg(swap.target));
                }
            } else if (!rename(swap.target, old)) {
                rollBack();
                throw ImportError(QStringLiteral("cannot move %1 aside").arg(swap.target));
            }
        }
        if (!rename(swap.staged, swap.target)) {
            if (!old.isEmpty() && !exists(swap.target)) rename(old, swap.target);
            rollBack();
            throw ImportError(QStringLiteral("cannot move the new %1 into place").arg(swap.target));
        }
        done.push_back({swap.target, old});
    }
    m_swaps.clear();
    m_dir.reset();
}

}  // namespace kelvor::importing
