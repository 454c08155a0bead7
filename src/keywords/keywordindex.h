#pragma once

#include "keywordqueries.h"

#include "library/database.h"
#include "library/prompter.h"

#include <QStringList>

#include <memory>
#include <optional>

namespace kelvor::keywords {

// The lookups over the two keyword databases. Each opens the mode's database
// for itself and closes it when done. A database that cannot be opened or a
// statement that fails shows a message and changes no list.
class KeywordIndex {
public:
    KeywordIndex(LibraryLayout layout, Prompter& prompter);

    // The mode's keyword database; nothing for a mode without one.
    // Throws DatabaseError.
    std::unique_ptr<Database> open(EditorMode mode) const;
    const LibraryLayout& layout() const { return m_layout; }
    Prompter& prompter() const { return m_prompter; }

    // Every distinct keyword, table by table from `akv` to `otherkv`.
    std::optional<QStringList> allKeywords(EditorMode mode);
    // The display names linked to `keyword`, used as given (not trimmed).
    // Nothing when the mode has no database: the list keeps what it shows.
    std::optional<QStringList> titlesOf(EditorMode mode, const QString& keyword);
    // The locked keyword (else the navigation or example keyword), trimmed
    // and lower-cased; the editor's lookup warns above ten links, the
    // reading panels that merely list them do not. Nothing when it has no links.
    enum class ManyLinks { Warn, Quiet };
    std::optional<QStringList> lookUpLocked(EditorMode mode, const QString& locked, const QString& navigation,
                                            const QString& example, ManyLinks manyLinks = ManyLinks::Warn);
    // The record a related-keyword label or an example-list entry opens: the
    // first row of the panel keyword's table with that display name.
    std::optional<QString> linkedRecordCode(DatabaseRole keywordDatabase, const QString& panelKeyword,
                                            const QString& displayName);

    // Shows the message for a keyword database that failed.
    void reportFailure(const DatabaseError& error) const;

    static constexpr int kEnoughLinks = 10;
    static QString enoughLinksMessage();  // "关键词关联已足够！！"

private:
    LibraryLayout m_layout;
    Prompter& m_prompter;
};

// The non-empty display names of a keyword's rows, in row order.
QStringList displayNames(Database& db, const QString& keyword);

}  // namespace kelvor::keywords
