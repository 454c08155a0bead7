#pragma once

#include "keywordindex.h"

#include "library/prompter.h"
#include "library/sharedconnection.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace kelvor::keywords {

// The fields of the editor a link is made from.
struct LinkInput {
    QString code;         // record code field
    QString title;        // title field
    QString displayName;  // display name field
    QString locked;       // locked keyword field
    bool mainKeyword = false;
};

// The keyword editor's operations. The current centre is named by its caption;
// outside the six record centres no record is read or changed. Every keyword,
// display name and code is bound as a parameter; each operation's writes to
// one database happen in one transaction.
class KeywordEditor {
public:
    KeywordEditor(KeywordIndex& index, SharedConnection& connection);

    // "导入关键字": makes the import choice the record's main keyword. Gives
    // the text for the navigation (or example) keyword field when done.
    std::optional<QString> importMainKeyword(EditorMode mode, const QString& centreCaption, const QString& code,
                                             const QString& importChoice);
    // "保存" in a keyword mode: links the record to the locked keyword (and
    // makes it the main keyword when asked). True when the link was added.
    bool saveLink(EditorMode mode, const QString& centreCaption, const LinkInput& input);
    // "保存" in folder mode: the record's title becomes the trimmed new name.
    bool renameFolder(const QString& centreCaption, const QString& code, const QString& newName);
    // "修改关键字": asks for the new keyword and renames `keyword` in the
    // index and in the current centre's main keywords. True when anything changed.
    // Rename and both deletes act on the keyword as typed: letter case is
    // ignored, but `%` and `_` are plain characters (only the lookups keep them
    // as wildcards).
    bool renameKeyword(EditorMode mode, const QString& centreCaption, const QString& keyword);
    // "删除关键字": removes every link of `keyword` and clears the main
    // keywords that name it.
    bool deleteKeyword(EditorMode mode, const QString& centreCaption, const QString& keyword);
    // "删除关键字的关联内容": removes the first link of the selected keyword
    // with that display name. Gives what the related-titles list shows afterwards
    // (nothing: it keeps its content).
    std::optional<QStringList> deleteLink(EditorMode mode, const QString& selectedKeyword, const QString& selectedTitle,
                                          const QString& locked, const QString& navigation, const QString& example);

    static QString emptyImportMessage();       // the import choice is empty
    static QString noImportRecordMessage();    // "没有检索到数据,不能导入关键字!!"
    static QString noRecordMessage();          // "没有检索到数据!!"
    static QString keywordExistsMessage();     // "关键词已存在,请先删除在修改!!"
    static QString noKeywordMessage();         // "关键字选择为空,请重新输入关键字!!"
    static QString noSelectedKeywordMessage(); // "请输入关键字或删除标题"
    static QString renamePrompt();             // "请修改关键字"
    static QString renameTitle();              // "关键字修改"
    // The display name field's caption in a mode: "关联技术名称", "关联实例名称".
    static QString displayNameCaption(EditorMode mode);
    // The captions of the fields a link needs that are empty, in panel order.
    static QStringList missingFields(EditorMode mode, const LinkInput& input);
    // Says which fields are empty, e.g. "序号、目录名称为空，不能保存。…".
    static QString missingFieldsMessage(const QStringList& fields);

private:
    struct ContentRecord {
        QString table;
        qint64 rowid = 0;
    };
    // The one record of `code` in the current centre; nothing when there is
    // not exactly one. Opens the shared connection on the content database.
    std::optional<ContentRecord> contentRecord(const QString& centreCaption, const QString& code);
    // Sets the main keyword of every record of the centre whose main keyword
    // is `keyword` to `value`.
    void replaceMainKeyword(EditorMode mode, const QString& centreCaption, const QString& keyword,
                            const QString& value);
    DatabaseRole keywordDatabase(EditorMode mode) const;
    void reportContentFailure(const DatabaseError& error) const;

    KeywordIndex& m_index;
    SharedConnection& m_connection;
};

}  // namespace kelvor::keywords
