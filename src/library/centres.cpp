#include "centres.h"

#include "textrules.h"

using namespace Qt::StringLiterals;

namespace kelvor {

const std::vector<Centre>& centres()
{
    static const std::vector<Centre> all = {
        {u"技术中心"_s, u"jszx"_s, u""_s, u"101210"_s, DocumentKind::Page, true},
        {u"视频中心"_s, u"spzx"_s, u" spzx"_s, u"101216"_s, DocumentKind::Player},
        {u"实例中心"_s, u"slzx"_s, u" slzx"_s, u"101221"_s, DocumentKind::Page},
        {u"项目中心"_s, u"xmzx"_s, u" xmzx"_s, u"101231"_s, DocumentKind::Page},
        {u"方案中心"_s, u"fazx"_s, u" fazx"_s, u"101251"_s, DocumentKind::Page},
        {u"界面中心"_s, u"jmzx"_s, u" jmzx"_s, u"220121"_s, DocumentKind::Picture},
        {u"从零开始"_s, u"study"_s, u"study"_s, u"205101"_s, DocumentKind::Page},
        {u"入门训练"_s, u"works"_s, u"works"_s, u"206101"_s, DocumentKind::Page},
        {u"源码管理"_s, u"ymzx"_s, u" ymzx"_s, u""_s, DocumentKind::None},
        {u"工具管理"_s, u"gjzx"_s, u" gjzx"_s, u""_s, DocumentKind::None},
    };
    return all;
}

const Centre* centreByTable(QStringView table)
{
    QStringView t = table.trimmed();
    // An external table reference ends in "].table".
    if (const auto close = t.lastIndexOf(QStringLiteral("].")); close >= 0) t = t.mid(close + 2);
    for (const auto& c : centres())
        if (c.table == t || c.tableExpression == table) return &c;
    return nullptr;
}

const Centre* centreByCaption(QStringView caption)
{
    for (const auto& c : centres())
        if (c.caption == caption) return &c;
    return nullptr;
}

const Centre* centreOfCode(QStringView code)
{
    if (code.size() < 6) return nullptr;
    const QStringView prefix = code.left(6);
    for (const auto& c : centres())
        if (!c.codePrefix.isEmpty() && c.codePrefix == prefix) return &c;
    return nullptr;
}

QString tableExpression(const Centre& centre, const LibraryLayout& layout)
{
    if (!centre.external) return centre.tableExpression;
    const auto& content = databaseInfo(DatabaseRole::Content);
    return QStringLiteral("[;database=") + layout.databasePath(DatabaseRole::Content) + QStringLiteral(";pwd=") +
           content.password + QStringLiteral("].") + centre.table;
}

QString documentExtension(DocumentKind kind)
{
    switch (kind) {
    case DocumentKind::Picture: return QStringLiteral(".jpg");
    case DocumentKind::Player: return QStringLiteral(".exe");
    default: return QStringLiteral(".htm");
    }
}

const QStringList& searchPageTables()
{
    static const QStringList t = {u"jszx"_s, u"slzx"_s, u"xmzx"_s, u"fazx"_s, u"spzx"_s, u"jmzx"_s};
    return t;
}

const QStringList& queryGroupTables()
{
    static const QStringList t = {u"jszx"_s, u"slzx"_s, u"xmzx"_s, u"fazx"_s};
    return t;
}

namespace codes {

int level(QStringView code)
{
    switch (code.size()) {
    case 8: return 1;
    case 12: return 2;
    case 16: return 3;
    case 20: return 4;
    default: return 0;
    }
}

int searchLevel(QStringView code)
{
    const int l = level(code);
    if (l) return l;
    switch (code.size()) {
    case 24: return 5;
    case 28: return 6;
    case 32: return 7;
    default: return 0;
    }
}

QString parent(QStringView code)
{
    const int l = searchLevel(code);
    return l >= 2 ? code.left(code.size() - 4).toString() : QString();
}

bool isDigits(QStringView code)
{
    if (code.isEmpty()) return false;
    for (QChar c : code)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

}  // namespace codes

CentreQueries centreQueries(const Centre& centre, const LibraryLayout& layout, const QString& qualifiedTable)
{
    CentreQueries q;
    q.currentTable = tableExpression(centre, layout);
    q.listTable = q.currentTable;
    q.table = centre.table;
    q.treeQuery = {QStringLiteral("select name,xxbh,link from %1 order by xxbh").arg(qualifiedTable), {}};
    q.listQuery = {QStringLiteral("select name,xxbh,link from %1").arg(qualifiedTable), {}};
    return q;
}

QString learningPattern(const Centre& centre)
{
    // The stored pattern carries no wildcard: it matches the course's one root code.
    return centre.codePrefix + QStringLiteral("11");
}

CentreQueries learningQueries(const Centre& centre, const LibraryLayout& layout, const QString& qualifiedTable)
{
    CentreQueries q;
    q.currentTable = tableExpression(centre, layout);
    q.listTable = q.currentTable;
    q.table = centre.table;
    const QString pattern = learningPattern(centre);
    q.treeQuery = {QStringLiteral("select name,xxbh,link from %1 where xxbh like ? order by xxbh").arg(qualifiedTable),
                   {pattern}};
    q.listQuery = {QStringLiteral("select name,xxbh,link from %1 where xxbh like ?").arg(qualifiedTable), {pattern}};
    return q;
}

Query queryGroupTreeQuery(const TableQualifier& qualify)
{
    QStringList parts;
    for (const QString& t : queryGroupTables()) parts << QStringLiteral("select name,xxbh,link from %1").arg(qualify(t));
    // Union members cannot carry their own ordering; the tree needs code order overall.
    return {parts.join(QStringLiteral(" union ")) + QStringLiteral(" order by xxbh"), {}};
}

Query searchPageQuery(const TableQualifier& qualify)
{
    QStringList parts;
    for (const QString& t : searchPageTables()) parts << QStringLiteral("select name,xxbh from %1").arg(qualify(t));
    return {parts.join(QStringLiteral(" union ")) + QStringLiteral(" order by name collate ") +
                QString::fromLatin1(textrules::kCollation),
            {}};
}

}  // namespace kelvor
