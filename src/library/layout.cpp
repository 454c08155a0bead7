#include "layout.h"

#include <QDir>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

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
    static const QStringList fields = {u"xxbh"_s, u"name"_s, u"link"_s, u"eee"_s, u"mark"_s, u"jbmc"_s,
                                       u"jbnr"_s, u"bz"_s,   u"cc"_s,   u"nycd"_s, u"bb"_s};
    return fields;
}

const std::vector<DatabaseInfo>& allDatabases()
{
    static const std::vector<DatabaseInfo> all = {
        {DatabaseRole::Content, u"/kelvor/9800990069/kvjs.mdb"_s, kPassword,
         {u"jszx"_s, u"slzx"_s, u"xmzx"_s, u"fazx"_s, u"jmzx"_s, u"spzx"_s, u"study"_s, u"works"_s, u"ymzx"_s, u"gjzx"_s}, u"kvjs"_s},
        {DatabaseRole::Centre981, u"/kelvor/5678909090/109089090981.htm"_s, kPassword, {u"jszx"_s}, u"c981"_s},
        {DatabaseRole::Centre982, u"/kelvor/5678909090/109089090982.htm"_s, kPassword, {u"slzx"_s}, u"c982"_s},
        {DatabaseRole::Centre983, u"/kelvor/5678909090/109089090983.htm"_s, kPassword, {u"xmzx"_s}, u"c983"_s},
        {DatabaseRole::Centre985, u"/kelvor/5678909090/109089090985.htm"_s, kPassword, {u"spzx"_s}, u"c985"_s},
        {DatabaseRole::Centre986, u"/kelvor/5678909090/109089090986.htm"_s, kPassword, {u"jmzx"_s}, u"c986"_s},
        {DatabaseRole::Favourites, u"/kelvor/5678909090/109089090991.htm"_s, kPassword, {u"cellection"_s}, u"fav"_s},
        {DatabaseRole::TechKeywords, u"/kelvor/2167167235/97208978563.mdb"_s, kKeywordPassword, keywordTables(), u"kwtech"_s},
        {DatabaseRole::ExampleKeywords, u"/kelvor/2687091153/936532879876.mdb"_s, kKeywordPassword, keywordTables(),
         u"kwexample"_s},
        {DatabaseRole::SearchHistory, u"/kelvor/6809854763/slinkmore.htm"_s, kHistoryPassword, {u"howsearch"_s}, u"history"_s},
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
