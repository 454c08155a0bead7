#pragma once

#include "library/prompter.h"
#include "library/sharedconnection.h"

#include <QString>

#include <optional>
#include <vector>

namespace kelvor {

struct Favourite {
    QString displayName;  // `cellname`, as the user typed it
    QString code;         // `xxbh` of the record it opens
};

// The favourites list and its code table, kept in `cellection` of the
// favourites database. Every operation opens the shared connection on that
// database; messages go through the prompter and leave the list unchanged.
class Favourites {
public:
    Favourites(SharedConnection& connection, Prompter& prompter);

    // Reads every favourite in the order it was added. False (after a
    // message) when the database cannot be read; the list is then empty.
    bool load();
    const std::vector<Favourite>& entries() const { return m_entries; }

    // "添加新收藏": `firstLine` is the page text up to its first line break,
    // `currentCode` the code of the record last opened. True when added.
    bool add(const QString& firstLine, const QString& currentCode);
    // "删除收藏": removes the first row of the entry's display name and the
    // entry itself; nothing changes when the table has no such row.
    bool remove(int row);
    // A click on an entry: its code when the table still holds it.
    std::optional<QString> codeToOpen(int row);

    static QString noRecordMessage();       // "请选择要收藏的文件!!"
    static QString nameExistsMessage();     // "收藏名称已存在,…"
    static QString recordExistsMessage();   // "收藏文件已存在,…"
    static QString emptyNameMessage();      // "数据不能为空!!"
    static QString namePrompt();            // "请输入要收藏的内容名称"

private:
    struct Record {
        QString title;
        QString code;
    };
    std::optional<Record> recordOf(const QString& code);
    bool validRow(int row) const { return row >= 0 && row < int(m_entries.size()); }

    SharedConnection& m_connection;
    Prompter& m_prompter;
    std::vector<Favourite> m_entries;
};

}  // namespace kelvor
