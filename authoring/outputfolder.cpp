#include "outputfolder.h"

#include "authoringerror.h"
#include "libraryfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kelvor::authoring {

namespace {

bool removeEntry(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink()) return QDir(path).removeRecursively();
    return QFile::remove(path);
}

bool exists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

}  // namespace

OutputFolder::OutputFolder(QString dataRoot, QString command)
    : m_dataRoot(QDir::cleanPath(std::move(dataRoot))), m_command(std::move(command))
{
}

OutputFolder::~OutputFolder() = default;

QStringList OutputFolder::ownedEntries()
{
    return {QStringLiteral("kelvor"), QStringLiteral("9098787891"), QStringLiteral("loginsys.ini")};
}

QString OutputFolder::markerPath()
{
    return QStringLiteral("kelvor/.kelvor-library");
}

void OutputFolder::prepare()
{
    const QFileInfo root(m_dataRoot);
    if (root.exists() && !root.isDir()) throw AuthoringError(QStringLiteral("%1 is not a folder").arg(m_dataRoot));
    if (!QDir().mkpath(m_dataRoot)) throw AuthoringError(QStringLiteral("cannot create %1").arg(m_dataRoot));

    const bool ours = QFileInfo(m_dataRoot + QLatin1Char('/') + markerPath()).isFile();
    for (const QString& entry : ownedEntries()) {
        if (exists(m_dataRoot + QLatin1Char('/') + entry) && !ours)
            throw AuthoringError(QStringLiteral("%1 already holds a library that kelvor-library did not write "
                                                "(%2 exists); refusing to replace it")
                                     .arg(m_dataRoot, entry));
    }

    m_staging = std::make_unique<QTemporaryDir>(m_dataRoot + QStringLiteral("/.kelvor-library-XXXXXX"));
    if (!m_staging->isValid())
        throw AuthoringError(QStringLiteral("cannot create a staging folder in %1: %2")
                                 .arg(m_dataRoot, m_staging->errorString()));
    QDir().mkpath(stagingRoot());
    writeLibraryFile(stagingRoot(), {markerPath(), (QStringLiteral("kelvor-library ") + m_command + QLatin1Char('\n')).toUtf8()});
}

QString OutputFolder::stagingRoot() const
{
    return m_staging->path() + QStringLiteral("/new");
}

void OutputFolder::commit()
{
    const QString retired = m_staging->path() + QStringLiteral("/old");
    QDir().mkpath(retired);
    QStringList moved;
    auto rollBack = [&]() {
        for (const QString& entry : moved)
            QDir().rename(retired + QLatin1Char('/') + entry, m_dataRoot + QLatin1Char('/') + entry);
    };
    // Move the previous library aside first; it is deleted with the staging folder.
    for (const QString& entry : ownedEntries()) {
        const QString current = m_dataRoot + QLatin1Char('/') + entry;
        if (!exists(current)) continue;
        if (!QDir().rename(current, retired + QLatin1Char('/') + entry)) {
            rollBack();
            throw AuthoringError(QStringLiteral("cannot move %1 aside").arg(current));
        }
        moved << entry;
    }
    QStringList placed;
    for (const QString& entry : ownedEntries()) {
        const QString staged = stagingRoot() + QLatin1Char('/') + entry;
        if (!exists(staged)) continue;
        if (!QDir().rename(staged, m_dataRoot + QLatin1Char('/') + entry)) {
            for (const QString& p : placed) removeEntry(m_dataRoot + QLatin1Char('/') + p);
            rollBack();
            throw AuthoringError(QStringLiteral("cannot move the new %1 into %2").arg(entry, m_dataRoot));
        }
        placed << entry;
    }
    m_staging.reset();
}

}  // namespace kelvor::authoring
