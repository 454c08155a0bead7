#pragma once

#include "library/prompter.h"
#include "library/sharedconnection.h"

#include <QString>

#include <optional>
#include <vector>

namespace kelvor {

struct NoteEntry {
    QString title;  // the record's `name`
    QString code;   // the code the note carries (what choosing the entry opens)
    // The row that holds the note, so that deleting touches exactly that row
    // even when the note's own code is unreadable.
    QString table;
    QString recordCode;
};

// What the notes panel shows for a record: its title and its note text.
struct ShownNote {
    QString title;
    QString text;
    QString code;  // the record to open with it
};

// The learning notes: one note per record in its `bz` field, listed from the
// eight centre tables. Every operation opens the shared connection on the
// content database; messages go through the prompter.
class LearningNotes {
public:
    LearningNotes(SharedConnection& connection, Prompter& prompter);

    // Fills the list on the first call of a run; later calls keep it, since
    // saves and deletes keep it current.
    void fillOnce();
    bool isFilled() const { return m_filled; }
    const std::vector<NoteEntry>& entries() const { return m_entries; }

    // "添加开发心得". `selectedNodeKey` is the key of the selected catalogue
    // node (nothing when none is selected), `firstLine` the page's first
    // text line. On success gives the saved entry (already appended).
    std::optional<NoteEntry> save(const QString& noteText, const std::optional<QString>& selectedNodeKey,
                                  const QString& firstLine);
    // Choosing an entry: the note to show and the record to open, or a
    // message when the record no longer holds a note.
    std::optional<ShownNote> choose(int row);
    // "删除": asks first; on OK sets the note's `bz` to "e" and drops the entry.
    bool remove(int row);
    // The note shown when a record is opened while the panel is visible.
    std::optional<ShownNote> noteOfRecord(const QString& code);

    static constexpr int kShortest = 9;
    static constexpr int kLongest = 220;

    static QString tooShortMessage();
    static QString tooLongMessage();
    static QString noRecordMessage();       // "请选择编写心得的记录"
    static QString noPageMessage();         // "请选择要收藏的内容!!"
    static QString savedMessage();          // "已添加成功!!"
    static QString missingNoteMessage();    // "心得不存在,请重新设置心得!!!"
    static QString noSelectionMessage();    // "请选择要删除的心得!"
    static QString deleteQuestion(const QString& title);

private:
    bool validRow(int row) const { return row >= 0 && row < int(m_entries.size()); }

    SharedConnection& m_connection;
    Prompter& m_prompter;
    std::vector<NoteEntry> m_entries;
    bool m_filled = false;
};

}  // namespace kelvor
