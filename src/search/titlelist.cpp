#include "titlelist.h"

#include "library/database.h"

#include <queue>

namespace kelvor {

namespace {

struct Entry {
    QByteArray key;
    QString name;
    QString code;
    size_t source;
};

bool before(const Entry& a, const Entry& b)
{
    if (int c = a.key.compare(b.key)) return c < 0;
    if (int c = a.name.compare(b.name)) return c < 0;
    return a.code < b.code;
}

class TableCursor {
public:
    TableCursor(Database& db, const QString& qualifiedTable)
        : m_statement(db, QStringLiteral("select namekey, name, xxbh from %1 order by namekey, name, xxbh")
                              .arg(qualifiedTable))
    {
    }
    bool next(Entry& e, size_t source)
    {
        if (!m_statement.step()) return false;
        e.key = m_statement.value(0).toByteArray();
        e.name = m_statement.text(1);
        e.code = m_statement.text(2);
        e.source = source;
        return true;
    }

private:
    Statement m_statement;
};

}  // namespace

TitleList allTitles(SharedConnection& connection, const QStringList& tables, const std::function<void()>& tick)
{
    Database& db = connection.db();
    std::vector<std::unique_ptr<TableCursor>> cursors;
    auto later = [](const Entry& a, const Entry& b) { return before(b, a); };
    std::priority_queue<Entry, std::vector<Entry>, decltype(later)> heads(later);
    for (const QString& table : tables) {
        cursors.push_back(std::make_unique<TableCursor>(db, connection.contentTable(table)));
        Entry e;
        if (cursors.back()->next(e, cursors.size() - 1)) heads.push(std::move(e));
    }

    TitleList list;
    size_t sinceTick = 0;
    while (!heads.empty()) {
        Entry e = heads.top();
        heads.pop();
        const bool duplicate = !list.names.empty() && list.names.back() == e.name && list.codes.back() == e.code;
        if (!duplicate) {
            list.names.push_back(e.name);
            list.codes.push_back(e.code);
        }
        Entry next;
        if (cursors[e.source]->next(next, e.source)) heads.push(std::move(next));
        if (tick && ++sinceTick == 4096) {
            sinceTick = 0;
            tick();
        }
    }
    return list;
}

}  // namespace kelvor
