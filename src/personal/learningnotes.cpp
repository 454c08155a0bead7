#include "learningnotes.h"

#include "notefield.h"

#include "library/centres.h"

namespace kelvor {

using namespace Qt::StringLiterals;

namespace {

// The order the list is filled in.
const QStringList& noteTables()
{
    static const QStringList tables = {u"jmzx"_s, u"jszx"_s, u"slzx"_s, u"xmzx"_s, u"fazx"_s, u"spzx"_s, u"study"_s, u"works"_s};
    return tables;
}

}  // namespace

LearningNotes::LearningNotes(SharedConnection& connection, Prompter& prompter)
    : m_connection(connection), m_prompter(prompter)
{
}

QString LearningNotes::tooShortMessage() { return QStringLiteral("请输入心得,心得至少要8个字符以上,220个字符以内!!"); }
QString LearningNotes::tooLongMessage() { return QStringLiteral("输入心得不能超过220个字符!!"); }
QString LearningNotes::noRecordMessage() { return QStringLiteral("请选择编写心得的记录"); }
QString LearningNotes::noPageMessage() { return QStringLiteral("请选择要收藏的内容!!"); }
QString LearningNotes::savedMessage() { return QStringLiteral("已添加成功!!"); }
QString LearningNotes::missingNoteMessage() { return QStringLiteral("心得不存在,请重新设置心得!!!"); }
QString LearningNotes::noSelectionMessage() { return QStringLiteral("请选择要删除的心得!"); }
QString LearningNotes::deleteQuestion(const QString& title)
{
    return QStringLiteral("确实要删除心得吗 “") + title + QStringLiteral("” ?");
}

void LearningNotes::fillOnce()
{
    if (m_filled) return;
    std::vector<NoteEntry> found;
    try {
        m_connection.open(DatabaseRole::Content);
        for (const QString& table : noteTables()) {
            if (!m_connection.db().hasTable(table)) continue;
            const auto rows = m_connection.db().query(
                QStringLiteral("select name, bz, xxbh from %1 where len(bz) > ? order by rowid").arg(table),
                {notefield::kListedAbove});
            for (const Row& row : rows) {
                if (row.text(1).isEmpty()) continue;
                found.push_back({row.text(0), notefield::decode(row.text(1)).code, table, row.text(2)});
            }
        }
    } catch (const DatabaseError& e) {
        // The list stays unfilled so that the next opening tries again.
        m_prompter.message(e.message());
        return;
    }
    // Notes saved before the first opening are already in what was just read.
    m_entries = std::move(found);
    m_filled = true;
}

std::optional<NoteEntry> LearningNotes::save(const QString& noteText, const std::optional<QString>& selectedNodeKey,
                                             const QString& firstLine)
{
    if (noteText.size() < kShortest) {
        m_prompter.message(tooShortMessage());
        return std::nullopt;
    }
    if (noteText.size() > kLongest) {
        m_prompter.message(tooLongMessage());
        return std::nullopt;
    }
    if (!selectedNodeKey) {
        m_prompter.message(noRecordMessage());
        return std::nullopt;
    }
    const QString code = selectedNodeKey->mid(1);
    if (code.isEmpty()) return std::nullopt;
    if (firstLine.isEmpty()) {
        m_prompter.message(noPageMessage());
        return std::nullopt;
    }
    const Centre* centre = centreOfCode(code);
    if (!centre) return std::nullopt;
    try {
        m_connection.open(DatabaseRole::Content);
        Database& db = m_connection.db();
        const auto rows =
            db.query(QStringLiteral("select rowid, name, xxbh from %1 where xxbh like ? limit 1").arg(centre->table),
                     {code});
        if (rows.empty()) return std::nullopt;
        const QString title = rows.front().text(1);
        // The page on show is another record's: nothing to attach the note to.
        if (title.isEmpty() || title.trimmed() != firstLine.trimmed()) return std::nullopt;
        db.execute(QStringLiteral("update %1 set bz = ? where rowid = ?").arg(centre->table),
                   {notefield::encode(noteText, code), rows.front().value(0)});
        NoteEntry entry{title.trimmed(), code, centre->table, rows.front().text(2)};
        m_entries.push_back(entry);
        m_prompter.message(savedMessage());
        return entry;
    } catch (const DatabaseError&) {
        m_prompter.message(noRecordMessage());
        return std::nullopt;
    }
}

std::optional<ShownNote> LearningNotes::choose(int row)
{
    if (!validRow(row)) return std::nullopt;
    const QString code = m_entries[size_t(row)].code;
    if (const Centre* centre = centreOfCode(code)) {
        try {
            m_connection.open(DatabaseRole::Content);
            const auto rows = m_connection.db().query(
                QStringLiteral("select name, xxbh, bz from %1 where xxbh = ? limit 1").arg(centre->table), {code});
            if (!rows.empty() && !rows.front().text(1).isEmpty())
                return ShownNote{rows.front().text(0), notefield::decode(rows.front().text(2)).note, code};
        } catch (const DatabaseError& e) {
            m_prompter.message(e.message());
            return std::nullopt;
        }
    }
    m_prompter.message(missingNoteMessage());
    return std::nullopt;
}

bool LearningNotes::remove(int row)
{
    if (!validRow(row)) {
        m_prompter.message(noSelectionMessage());
        return false;
    }
    const NoteEntry entry = m_entries[size_t(row)];
    if (!m_prompter.confirm(deleteQuestion(entry.title))) return false;
    try {
        m_connection.open(DatabaseRole::Content);
        const int changed = m_connection.db().execute(
            QStringLiteral("update %1 set bz = ? where xxbh = ? and len(bz) > ?").arg(entry.table),
            {notefield::deletedMark(), entry.recordCode, notefield::kListedAbove});
        if (changed == 0) return false;
    } catch (const DatabaseError& e) {
        m_prompter.message(e.message());
        return false;
    }
    m_entries.erase(m_entries.begin() + row);
    return true;
}

std::optional<ShownNote> LearningNotes::noteOfRecord(const QString& code)
{
    const Centre* centre = centreOfCode(code);
    if (!centre) return std::nullopt;
    try {
        m_connection.open(DatabaseRole::Content);
        const auto rows = m_connection.db().query(
            QStringLiteral("select name, bz from %1 where xxbh = ? limit 1").arg(centre->table), {code});
        if (rows.empty()) return std::nullopt;
        const QString bz = rows.front().text(1);
        const QString text = bz.size() > notefield::kShownAbove ? notefield::decode(bz).note : QString();
        return ShownNote{rows.front().text(0), text, code};
    } catch (const DatabaseError&) {
        // Opening a record must not be interrupted by the notes panel.
        return std::nullopt;
    }
}

}  // namespace kelvor
