#include "layout.h"

#include <QDir>
#include <QRegularExpression>

namespace kelvor {

namespace {

const QString kPassword = QStringLiteral("rusenkrusenk41927358");
const QString kKeywordPassword = QStringLiteral("tolvenkqqrrs.lumekz4");
const QString kHistoryPassword = QStringLiteral("sembrovaxe8631470");

QString joined(const QString& base, const QString& name) { return base + QLatin1Char('/') + name; }

// The library's own records separate folders with backslashes.
QString slashed(const QString& path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}

}  // namespace

const QStringList& keywordTables()
{
    static const QStringList tables = [] {
        QStringList t;
        for (char c = 'a'; c <= 'z'; ++c) t << QString(QLatin1Char(c)) + QStringLiteral("kv");
        t << QStringLiteral("otherkv");
        return t;
    }();
    return tables;
}

QString keywordTableFor(const QString& keyword)
{
    if (keyword.isEmpty()) return QStringLiteral("otherkv");
    const QChar first = keyword.at(0).toLower();
    if (first >= QLatin1Char('a') && first <= QLatin1Char('z')) return QString(first) + QStringLiteral("kv");
    return QStringLiteral("otherkv");
}

const QStringList& centreFields()
{
    static const QStringList fields = {"xxbh", "name", "link", "eee", "mark", "jbmc",
                                       "jbnr", "bz",   "cc",   "nycd", "bb"};
    return fields;
}

const std::vector<DatabaseInfo>& allDatabases()
{
    static const std::vector<DatabaseInfo> all = {
        {DatabaseRole::Content, "/kelvor/9800990069/kvjs.mdb", kPassword,
         {"jszx", "slzx", "xmzx", "fazx", "jmzx", "spzx", "study", "works", "ymzx", "gjzx"}, "kvjs"},
        {DatabaseRole::Centre981, "/kelvor/5678909090/109089090981.htm", kPassword, {"jszx"}, "c981"},
        {DatabaseRole::Centre982, "/kelvor/5678909090/109089090982.htm", kPassword, {"slzx"}, "c982"},
        {DatabaseRole::Centre983, "/kelvor/5678909090/109089090983.htm", kPassword, {"xmzx"}, "c983"},
        {DatabaseRole::Centre985, "/kelvor/5678909090/109089090985.htm", kPassword, {"spzx"}, "c985"},
        {DatabaseRole::Centre986, "/kelvor/5678909090/109089090986.htm", kPassword, {"jmzx"}, "c986"},
        {DatabaseRole::Favourites, "/kelvor/5678909090/109089090991.htm", kPassword, {"cellection"}, "fav"},
        {DatabaseRole::TechKeywords, "/kelvor/2167167235/97208978563.mdb", kKeywordPassword, keywordTables(), "kwtech"},
        {DatabaseRole::ExampleKeywords, "/kelvor/2687091153/936532879876.mdb", kKeywordPassword, keywordTables(),
         "kwexample"},
        {DatabaseRole::SearchHistory, "/kelvor/6809854763/slinkmore.htm", kHistoryPassword, {"howsearch"}, "history"},
    };
    return all;
}

const DatabaseInfo& databaseInfo(DatabaseRole role)
{
    for (const auto& info : allDatabases())
        if (info.role == role) return info;
    return allDatabases().front();
}

LibraryLayout::LibraryLayout(QString dataRoot) : m_dataRoot(std::move(dataRoot))
{
    while (m_dataRoot.endsWith(QLatin1Char('/')) && m_dataRoot.size() > 0) m_dataRoot.chop(1);
}

QString LibraryLayout::dataRootFromProgramFolder(const QString& programFolder)
{
    QString folder = slashed(programFolder);
    while (folder.endsWith(QLatin1Char('/'))) folder.chop(1);
    // A filesystem root leaves an empty prefix ("/") or its drive ("C:").
    return folder;
}

QString LibraryLayout::databasePath(DatabaseRole role) const { return m_dataRoot + databaseInfo(role).relativePath; }

QString LibraryLayout::contentDatabaseWithoutExtension() const
{
    return m_dataRoot + QStringLiteral("/kelvor/9800990069/kvjs");
}

QString LibraryLayout::centreMainPage() const { return m_dataRoot + QStringLiteral("/9098787891/main.htm"); }
QString LibraryLayout::placeholderPicture() const { return libraryFolder() + QStringLiteral("/1999282828/001.jpg"); }
QString LibraryLayout::placeholderPictureWide() const
{
    return libraryFolder() + QStringLiteral("/1999282828/0000001.jpg");
}
QString LibraryLayout::reportPage() const { return libraryFolder() + QStringLiteral("/5617890123/453673655535.htm"); }
QString LibraryLayout::sourcePage() const { return libraryFolder() + QStringLiteral("/5617890123/100378901021.htm"); }
QString LibraryLayout::bookmarkFile() const { return libraryFolder() + QStringLiteral("/5617890123/890187871251.ini"); }
QString LibraryLayout::optionFile() const { return libraryFolder() + QStringLiteral("/1997258251/779809876576.htm"); }
QString LibraryLayout::coolsysFile() const { return libraryFolder() + QStringLiteral("/coolsys.ini"); }
QString LibraryLayout::loginsysFile() const { return m_dataRoot + QStringLiteral("/loginsys.ini"); }

bool LibraryLayout::isSafeRelative(const QString& name)
{
    const QString n = slashed(name.trimmed());
    if (n.isEmpty() || n.startsWith(QLatin1Char('/'))) return false;
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:"));
    if (drive.match(n).hasMatch()) return false;
    const QStringList parts = n.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts)
        if (part == QLatin1String("..") || part == QLatin1String(".")) return false;
    return !parts.isEmpty();
}

std::optional<QString> LibraryLayout::documentPath(const QString& link, const QString& code,
                                                   const QString& extension) const
{
    if (!isSafeRelative(link) || !isSafeRelative(code) || code.contains(QLatin1Char('/'))) return std::nullopt;
    return joined(joined(libraryFolder(), slashed(link.trimmed())), code.trimmed()) + extension;
}

std::optional<QString> LibraryLayout::videoPlayerPath(const QString& bb) const
{
    if (!isSafeRelative(bb)) return std::nullopt;
    return libraryFolder() + QStringLiteral("/1367490231/") + slashed(bb.trimmed()) +
           QStringLiteral(".exe");
}

std::optional<QString> LibraryLayout::sourceFolderPath(const QString& nycd) const
{
    if (!isSafeRelative(nycd)) return std::nullopt;
    return libraryFolder() + QStringLiteral("/4629056127/") + slashed(nycd.trimmed());
}

}  // namespace kelvor
