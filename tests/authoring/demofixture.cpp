#include "demofixture.h"

#include "authoring/demolibrary.h"

#include "library/gbk.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <stdexcept>

namespace kelvor::test {

struct DemoFixture::Folder {
    QTemporaryDir dir;
};

DemoFixture::DemoFixture() : m_folder(std::make_unique<Folder>())
{
    if (!m_folder->dir.isValid()) throw std::runtime_error("no temporary folder");
    authoring::writeDemoLibrary(dataRoot());
}

const DemoFixture& DemoFixture::instance()
{
    static const DemoFixture fixture;
    return fixture;
}

QString DemoFixture::dataRoot() const
{
    return m_folder->dir.path() + QStringLiteral("/root");
}

std::unique_ptr<Database> DemoFixture::open(DatabaseRole role) const
{
    return Database::open(layout().databasePath(role), databaseInfo(role).password);
}

std::vector<std::map<QString, QString>> tableRows(Database& db, const QString& table)
{
    std::vector<std::map<QString, QString>> rows;
    for (const Row& row : db.query(QStringLiteral("select * from %1 order by rowid").arg(quoteIdentifier(table)))) {
        std::map<QString, QString> values;
        for (int i = 0; i < row.size(); ++i) {
            const QVariant v = row.value(i);
            values[row.columns().at(i)] =
                v.typeId() == QMetaType::QByteArray ? QString::fromLatin1(v.toByteArray().toHex()) : row.text(i);
        }
        rows.push_back(std::move(values));
    }
    return rows;
}

std::map<QString, QByteArray> fileHashes(const QString& root, const QStringList& skipSuffixes)
{
    std::map<QString, QByteArray> hashes;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(root).relativeFilePath(path);
        bool skip = false;
        for (const QString& suffix : skipSuffixes) skip = skip || relative.endsWith(suffix);
        if (skip) continue;
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read test file");
        hashes[relative] = QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }
    return hashes;
}

SourceScan scanSourceParagraphs(const QByteArray& fileBytes)
{
    SourceScan scan;
    bool inside = false;
    int lines = 0;
    for (const QString& line : gbk::decode(fileBytes).split(QLatin1Char('\n'))) {
        if (inside) {
            ++lines;
            if (line.endsWith(QLatin1String("/p>"))) {
                inside = false;
                if (lines > 1) ++scan.multiLine;
            }
        }
        if (line.startsWith(QLatin1String("<p class=a2")) || line.startsWith(QLatin1String("<p class=a3"))) {
            ++scan.paragraphs;
            lines = 1;
            inside = !line.endsWith(QLatin1String("/p>"));
        }
    }
    scan.unclosed = inside;
    return scan;
}

}  // namespace kelvor::test
