#include "favourites.h"

#include "library/centres.h"

#include <algorithm>

namespace kelvor {

Favourites::Favourites(SharedConnection& connection, Prompter& prompter)
    : m_connection(connection), m_prompter(prompter)
{
}

QString Favourites::noRecordMessage() { return QStringLiteral("请选择要收藏的文件!!"); }
QString Favourites::nameExistsMessage() { return QStringLiteral("收藏名称已存在,请重新输入要收藏内容的名称!!"); }
QString Favourites::recordExistsMessage() { return QStringLiteral("收藏文件已存在,请重新选择要收藏的文件!!"); }
QString Favourites::emptyNameMessage() { return QStringLiteral("数据不能为空!!"); }
QString Favourites::namePrompt() { return QStringLiteral("请输入要收藏的内容名称"); }

bool Favourites::load()
{
    m_entries.clear();
    try {
        m_connection.open(DatabaseRole::Favourites);
        // rowid order is the order the favourites were added in.
        for (const Row& row : m_connection.db().query(
                 QStringLiteral("select cellname, xxbh from cellection order by rowid"))) {
            if (row.text(0).isEmpty()) continue;  // a row without a name can be neither shown nor deleted
            m_entries.push_back({row.text(0), row.text(1)});
        }
        return true;
    } catch (const DatabaseError& e) {
        m_entries.clear();
        m_prompter.message(e.message());
        return false;
    }
}

std::optional<Favourites::Record> Favourites::recordOf(const QString& code)
{
    const Centre* centre = centreOfCode(code);
    if (!centre) return std::nullopt;
    const auto rows = m_connection.db().query(
        QStringLiteral("select name, xxbh from %1 where xxbh like ? limit 1").arg(m_connection.contentTable(centre->table)),
        {code});
    if (rows.empty() || rows.front().text(1).isEmpty()) return std::nullopt;
    return Record{rows.front().text(0), rows.front().text(1)};
}

bool Favourites::add(const QString& firstLine, const QString& currentCode)
{
    if (firstLine.isEmpty()) {
        m_prompter.message(noRecordMessage());
        return false;
    }
    try {
        m_connection.open(DatabaseRole::Favourites);
        // A favourite without a record could never be opened again.
        const auto record = recordOf(currentCode);
        if (!record) {
            m_prompter.message(noRecordMessage());
            return false;
        }
        const QString name = m_prompter.input(namePrompt(), record->title).value_or(QString());
        const auto sameName = [&](const Favourite& f) { return f.displayName == name; };
        const auto sameCode = [&](const Favourite& f) { return f.code == record->code; };
        if (std::any_of(m_entries.begin(), m_entries.end(), sameName)) {
            m_prompter.message(nameExistsMessage());
            return false;
        }
        if (std::any_of(m_entries.begin(), m_entries.end(), sameCode)) {
            m_prompter.message(recordExistsMessage());
            return false;
        }
        if (name.isEmpty()) {
            m_prompter.message(emptyNameMessage());
            return false;
        }
        const auto orNull = [](const QString& s) { return s.isEmpty() ? QVariant() : QVariant(s); };
        m_connection.db().execute(QStringLiteral("insert into cellection (name, xxbh, cellname) values (?, ?, ?)"),
                                  {orNull(record->title), record->code, name});
        m_entries.push_back({name, record->code});
        return true;
    } catch (const DatabaseError& e) {
        m_prompter.message(e.message());
        return false;
    }
}

bool Favourites::remove(int row)
{
    if (!validRow(row)) return false;
    try {
        m_connection.open(DatabaseRole::Favourites);
        const int deleted = m_connection.db().execute(
            QStringLiteral("delete from cellection where rowid = "
                           "(select rowid from cellection where cellname = ? order by rowid limit 1)"),
            {m_entries[size_t(row)].displayName});
        if (deleted == 0) return false;
        m_entries.erase(m_entries.begin() + row);
        return true;
    } catch (const DatabaseError& e) {
        m_prompter.message(e.message());
        return false;
    }
}

std::optional<QString> Favourites::codeToOpen(int row)
{
    if (!validRow(row)) return std::nullopt;
    const QString code = m_entries[size_t(row)].code;
    try {
        m_connection.open(DatabaseRole::Favourites);
        if (!m_connection.db().scalar(QStringLiteral("select xxbh from cellection where xxbh = ?"), {code}).isValid())
            return std::nullopt;
        return code;
    } catch (const DatabaseError& e) {
        m_prompter.message(e.message());
        return std::nullopt;
    }
}

}  // namespace kelvor
