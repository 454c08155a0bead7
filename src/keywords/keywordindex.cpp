#include "keywordindex.h"

namespace kelvor::keywords {

using namespace Qt::StringLiterals;

KeywordIndex::KeywordIndex(LibraryLayout layout, Prompter& prompter) : m_layout(std::move(layout)), m_prompter(prompter)
{
}

QString KeywordIndex::enoughLinksMessage() { return u"关键词关联已足够！！"_s; }

void KeywordIndex::reportFailure(const DatabaseError& error) const
{
    m_prompter.message(u"关键字数据库无法使用：%1"_s.arg(error.message()));
}

std::unique_ptr<Database> KeywordIndex::open(EditorMode mode) const
{
    const auto role = databaseOf(mode);
    if (!role) return nullptr;
    return Database::open(m_layout.databasePath(*role), databaseInfo(*role).password);
}

QStringList displayNames(Database& db, const QString& keyword)
{
    const Query q = rowsOfKeyword(keyword);
    QStringList names;
    for (const Row& row : db.query(q.sql, q.params))
        if (!row.isEmpty(u"name"_s)) names << row.text(u"name"_s);
    return names;
}

std::optional<QStringList> KeywordIndex::allKeywords(EditorMode mode)
{
    try {
        auto db = open(mode);
        if (!db) return std::nullopt;
        QStringList all;
        for (const QString& table : keywordTables()) {
            const Query q = distinctKeywords(table);
            for (const Row& row : db->query(q.sql, q.params))
                if (!row.text(0).isEmpty()) all << row.text(0);
        }
        return all;
    } catch (const DatabaseError& e) {
        reportFailure(e);
        return std::nullopt;
    }
}

std::optional<QStringList> KeywordIndex::titlesOf(EditorMode mode, const QString& keyword)
{
    try {
        auto db = open(mode);
        if (!db) return std::nullopt;
        return displayNames(*db, keyword);
    } catch (const DatabaseError& e) {
        reportFailure(e);
        return std::nullopt;
    }
}

std::optional<QStringList> KeywordIndex::lookUpLocked(EditorMode mode, const QString& locked,
                                                      const QString& navigation, const QString& example,
                                                      ManyLinks manyLinks)
{
    const QString source = !locked.isEmpty() ? locked : mode == EditorMode::Navigation ? navigation : example;
    const QString keyword = source.toLower().trimmed();
    try {
        auto db = open(mode);
        if (!db) return std::nullopt;
        const Query q = rowsOfKeyword(keyword);
        const auto rows = db->query(q.sql, q.params);
        if (manyLinks == ManyLinks::Warn && int(rows.size()) > kEnoughLinks) m_prompter.message(enoughLinksMessage());
        if (rows.empty()) return std::nullopt;
        QStringList names;
        for (const Row& row : rows)
            if (!row.isEmpty(u"name"_s)) names << row.text(u"name"_s);
        return names;
    } catch (const DatabaseError& e) {
        reportFailure(e);
        return std::nullopt;
    }
}

std::optional<QString> KeywordIndex::linkedRecordCode(DatabaseRole keywordDatabase, const QString& panelKeyword,
                                                      const QString& displayName)
{
    try {
        auto db = Database::open(m_layout.databasePath(keywordDatabase), databaseInfo(keywordDatabase).password);
        const auto rows = db->query(u"select xxbh from %1 where name like ? order by rowid limit 1"_s.arg(
                                        quoteIdentifier(tableFor(panelKeyword))),
                                    {displayName});
        if (rows.empty()) return std::nullopt;
        return rows.front().text(0);
    } catch (const DatabaseError& e) {
        reportFailure(e);
        return std::nullopt;
    }
}

}  // namespace kelvor::keywords
