#include "keywordeditor.h"

#include "library/containsindex.h"
#include "library/textrules.h"

namespace kelvor::keywords {

using namespace Qt::StringLiterals;

namespace {

QString rowidList(const std::vector<Row>& rows)
{
    QStringList ids;
    for (const Row& row : rows) ids << QString::number(row.value(0).toLongLong());
    return ids.join(u',');
}

// A renamed title must be found under its new name by every title search at
// once, so its folded form, sort key and contains index change with it.
void writeTitle(Database& db, const QString& table, qint64 rowid, const QString& title)
{
    db.execute(u"update %1 set name = ?, namefold = ?, namekey = ? where rowid = ?"_s.arg(quoteIdentifier(table)),
               {title, textrules::fold(title), textrules::sortKey(title), rowid});
    containsindex::indexRow(db, table, rowid);
}

}  // namespace

KeywordEditor::KeywordEditor(KeywordIndex& index, SharedConnection& connection)
    : m_index(index), m_connection(connection)
{
}

QString KeywordEditor::emptyImportMessage() { return u"导入关键字为空，请先选择或输入要导入的关键字。"_s; }
QString KeywordEditor::noImportRecordMessage() { return u"没有检索到数据,不能导入关键字!!"_s; }
QString KeywordEditor::noRecordMessage() { return u"没有检索到数据!!"_s; }
QString KeywordEditor::keywordExistsMessage() { return u"关键词已存在,请先删除在修改!!"_s; }
QString KeywordEditor::noKeywordMessage() { return u"关键字选择为空,请重新输入关键字!!"_s; }
QString KeywordEditor::noSelectedKeywordMessage() { return u"请输入关键字或删除标题"_s; }
QString KeywordEditor::renamePrompt() { return u"请修改关键字"_s; }
QString KeywordEditor::renameTitle() { return u"关键字修改"_s; }

QString KeywordEditor::displayNameCaption(EditorMode mode)
{
    switch (mode) {
    case EditorMode::Navigation: return u"关联技术名称"_s;
    case EditorMode::Example: return u"关联实例名称"_s;
    case EditorMode::NeverOpened:
    case EditorMode::Folder: break;
    }
    return u"关联显示名称"_s;
}

QStringList KeywordEditor::missingFields(EditorMode mode, const LinkInput& input)
{
    QStringList missing;
    if (input.code.isEmpty()) missing << u"序号"_s;
    if (input.title.isEmpty()) missing << u"目录名称"_s;
    if (input.displayName.isEmpty()) missing << displayNameCaption(mode);
    if (input.locked.isEmpty()) missing << u"锁定关键词"_s;
    return missing;
}

QString KeywordEditor::missingFieldsMessage(const QStringList& fields)
{
    QString text = u"%1为空，不能保存。"_s.arg(fields.join(u'、'));
    // The code and the title come from the record that is open; the user cannot type them.
    if (fields.contains(u"序号"_s) || fields.contains(u"目录名称"_s)) text += u"请先打开要关联的记录。"_s;
    return text;
}

DatabaseRole KeywordEditor::keywordDatabase(EditorMode mode) const
{
    return mode == EditorMode::Navigation ? DatabaseRole::TechKeywords : DatabaseRole::ExampleKeywords;
}

void KeywordEditor::reportContentFailure(const DatabaseError& error) const
{
    m_index.prompter().message(u"内容数据库无法使用：%1"_s.arg(error.message()));
}

std::optional<KeywordEditor::ContentRecord> KeywordEditor::contentRecord(const QString& centreCaption,
                                                                         const QString& code)
{
    const auto table = editableCentreTable(centreCaption);
    if (!table) return std::nullopt;
    m_connection.open(DatabaseRole::Content);
    const auto rows = m_connection.db().query(
        u"select rowid from %1 where %2 limit 2"_s.arg(quoteIdentifier(*table), exactLike(u"xxbh"_s)),
        {textrules::likeLiteral(code)});
    if (rows.size() != 1) return std::nullopt;
    return ContentRecord{*table, rows.front().value(0).toLongLong()};
}

void KeywordEditor::replaceMainKeyword(EditorMode mode, const QString& centreCaption, const QString& keyword,
                                       const QString& value)
{
    const auto table = editableCentreTable(centreCaption);
    if (!table) return;
    m_connection.open(DatabaseRole::Content);
    m_connection.db().execute(
        u"update %1 set %2 = ? where %3"_s.arg(quoteIdentifier(*table), mainKeywordField(mode),
                                               exactLike(mainKeywordField(mode))),
        {value, textrules::likeLiteral(keyword)});
}

std::optional<QString> KeywordEditor::importMainKeyword(EditorMode mode, const QString& centreCaption,
                                                        const QString& code, const QString& importChoice)
{
    Prompter& prompter = m_index.prompter();
    if (importChoice.trimmed().isEmpty()) {
        prompter.message(emptyImportMessage());
        return std::nullopt;
    }
    try {
        const auto record = contentRecord(centreCaption, code);
        if (!record) {
            prompter.message(noImportRecordMessage());
            return std::nullopt;
        }
        m_connection.db().execute(u"update %1 set %2 = ? where rowid = ?"_s.arg(quoteIdentifier(record->table),
                                                                               mainKeywordField(mode)),
                                  {importChoice.trimmed(), record->rowid});
        return importChoice;
    } catch (const DatabaseError& e) {
        reportContentFailure(e);
        return std::nullopt;
    }
}

bool KeywordEditor::saveLink(EditorMode mode, const QString& centreCaption, const LinkInput& input)
{
    Prompter& prompter = m_index.prompter();
    if (const QStringList missing = missingFields(mode, input); !missing.isEmpty()) {
        prompter.message(missingFieldsMessage(missing));
        return false;
    }
    if (input.mainKeyword) {
        try {
            const auto record = contentRecord(centreCaption, input.code);
            if (!record) {
                prompter.message(noRecordMessage());
                return false;
            }
            m_connection.db().execute(u"update %1 set %2 = ? where rowid = ?"_s.arg(quoteIdentifier(record->table),
                                                                                   mainKeywordField(mode)),
                                      {input.locked.trimmed(), record->rowid});
        } catch (const DatabaseError& e) {
            reportContentFailure(e);
            return false;
        }
    }
    try {
        const auto role = keywordDatabase(mode);
        auto db = Database::open(m_index.layout().databasePath(role), databaseInfo(role).password);
        const QString keyword = input.locked.trimmed();
        // An equal link may exist already: a record can be linked twice.
        db->execute(u"insert into %1 (link, name, setx, xxbh) values (?, ?, ?, ?)"_s.arg(
                        quoteIdentifier(tableFor(keyword.toLower()))),
                    {keyword, input.displayName.trimmed(), input.title.trimmed(), input.code.trimmed()});
        return true;
    } catch (const DatabaseError& e) {
        m_index.reportFailure(e);
        return false;
    }
}

bool KeywordEditor::renameFolder(const QString& centreCaption, const QString& code, const QString& newName)
{
    // A name of blanks would be stored empty once trimmed: refused like an empty one.
    if (newName.trimmed().isEmpty()) return false;
    try {
        const auto record = contentRecord(centreCaption, code);
        if (!record) {
            m_index.prompter().message(noRecordMessage());
            return false;
        }
        Database& db = m_connection.db();
        Transaction tx(db);
        writeTitle(db, record->table, record->rowid, newName.trimmed());
        tx.commit();
        return true;
    } catch (const DatabaseError& e) {
        reportContentFailure(e);
        return false;
    }
}

bool KeywordEditor::renameKeyword(EditorMode mode, const QString& centreCaption, const QString& keyword)
{
    Prompter& prompter = m_index.prompter();
    const QString typed = prompter.input(renamePrompt(), keyword, renameTitle()).value_or(QString());
    // Every write stores keywords trimmed; a blank one could never be looked up.
    const QString renamed = typed.trimmed();
    if (renamed.isEmpty()) return false;
    try {
        const auto role = keywordDatabase(mode);
        auto db = Database::open(m_index.layout().databasePath(role), databaseInfo(role).password);
        const QString oldTable = tableFor(keyword.trimmed());
        const QString newTable = tableFor(renamed);
        const Query old = rowsOfExactKeywordIn(oldTable, keyword);
        const auto oldRows = db->query(old.sql, old.params);
        if (!oldRows.empty()) {
            // The keyword's own rows do not count as another keyword: abs may become Abs.
            const QString others = oldTable == newTable ? u" and rowid not in (%1)"_s.arg(rowidList(oldRows)) : QString();
            const QVariant existing = db->scalar(u"select 1 from %1 where %2%3 limit 1"_s.arg(
                                                     quoteIdentifier(newTable), exactLike(u"link"_s), others),
                                                 {textrules::likeLiteral(renamed)});
            if (existing.isValid()) {
                prompter.message(keywordExistsMessage());
                return false;
            }
            Transaction tx(*db);
            const QString ids = rowidList(oldRows);
            if (oldTable == newTable) {
                db->execute(u"update %1 set link = ? where rowid in (%2) and link <> ''"_s.arg(
                                quoteIdentifier(oldTable), ids),
                            {renamed});
            } else {
                db->execute(u"insert into %1 (link, name, setx, xxbh) select ?, name, setx, xxbh from %2 "
                            "where rowid in (%3) and link <> '' order by rowid"_s.arg(quoteIdentifier(newTable),
                                                                                      quoteIdentifier(oldTable), ids),
                            {renamed});
                db->execute(u"delete from %1 where rowid in (%2)"_s.arg(quoteIdentifier(oldTable), ids));
            }
            tx.commit();
        }
    } catch (const DatabaseError& e) {
        m_index.reportFailure(e);
        return false;
    }
    if (!keyword.isEmpty()) {
        try {
            replaceMainKeyword(mode, centreCaption, keyword, renamed);
        } catch (const DatabaseError& e) {
            reportContentFailure(e);
        }
    }
    return true;
}

bool KeywordEditor::deleteKeyword(EditorMode mode, const QString& centreCaption, const QString& keyword)
{
    // The rows are looked up by the trimmed keyword, the same text whose main
    // keywords are cleared, so that the index and the records stay in step.
    const QString trimmed = keyword.trimmed();
    if (trimmed.isEmpty()) {
        m_index.prompter().message(noKeywordMessage());
        return false;
    }
    try {
        const auto role = keywordDatabase(mode);
        auto db = Database::open(m_index.layout().databasePath(role), databaseInfo(role).password);
        db->execute(u"delete from %1 where %2"_s.arg(quoteIdentifier(tableFor(trimmed)), exactLike(u"link"_s)),
                    {textrules::likeLiteral(trimmed)});
    } catch (const DatabaseError& e) {
        m_index.reportFailure(e);
        return false;
    }
    try {
        replaceMainKeyword(mode, centreCaption, trimmed, u" "_s);
    } catch (const DatabaseError& e) {
        reportContentFailure(e);
    }
    return true;
}

std::optional<QStringList> KeywordEditor::deleteLink(EditorMode mode, const QString& selectedKeyword,
                                                     const QString& selectedTitle, const QString& locked,
                                                     const QString& navigation, const QString& example)
{
    if (selectedKeyword.isEmpty()) {
        m_index.prompter().message(noSelectedKeywordMessage());
        return std::nullopt;
    }
    const QString keyword = selectedKeyword.toLower();
    try {
        auto db = m_index.open(mode);
        if (!db) return std::nullopt;
        const Query link = exactLink(keyword, selectedTitle);
        const auto rows = db->query(link.sql, link.params);
        if (!rows.empty())
            db->execute(u"delete from %1 where rowid = ?"_s.arg(quoteIdentifier(tableFor(keyword))),
                        {rows.front().value(0)});
    } catch (const DatabaseError& e) {
        m_index.reportFailure(e);
        return std::nullopt;
    }
    std::optional<QStringList> shown = m_index.lookUpLocked(mode, locked, navigation, example);
    if (auto titles = m_index.titlesOf(mode, keyword)) shown = std::move(titles);
    return shown;
}

}  // namespace kelvor::keywords
