#pragma once

#include "titlelist.h"

#include "library/centres.h"
#include "library/sharedconnection.h"

#include <QString>

#include <functional>
#include <optional>

namespace kelvor {

// The title search of the search page: every title of `tables` (the six
// centres of the search page unless told otherwise) that begins with `text`,
// letter case ignored over all scripts, in title order; the same title and
// code once, the same title under two codes twice. An empty text lists every
// title. An empty result means that no title begins with the text: the caller
// keeps the list it shows.
//
// A typed `%` or `_` keeps its wildcard meaning ("50%" finds "50 个…" and
// "50% …"); every other character, quotes included, is just itself.
// Throws DatabaseError when the database refuses the query.
TitleList titleSearch(SharedConnection& connection, const QString& text,
                      const QStringList& tables = searchPageTables(), const std::function<void()>& tick = {});

// How a page of the title search reads one table's titles that begin with a
// prefix of two characters or more. Both plans give the same rows in the same order.
enum class TitlePlan {
    // The prefix's range of the folded-title index, sorted into listing order:
    // cheap while the range is small, but a page waits for the whole range.
    Range,
    // The initial index read in listing order from the prefix's first
    // character on, keeping the entries in the range: a page stops after its
    // rows, so a prefix that many titles share needs no sort.
    InitialWalk,
};

// A table whose range holds at least this many titles may be walked: sorting
// it costs more than stepping over a few other titles of its first character.
inline constexpr qint64 kDenseTitlePrefix = 1000;

struct TitlePage {
    TitleList titles;
    std::optional<TitleKey> last;  // pass to the next call to continue; none when the page is empty
    bool complete = false;         // no title follows this page
};

// The title search a page at a time, for a list that shows the first screen
// at once and fetches the rest as it scrolls: the first `limit` titles after
// `after` (from the start when there is none). Pages read one after another
// until one is complete hold exactly the rows of titleSearch(), in its order.
// Each table's rows are read by the plan titlePagePlan() chooses with `denseFrom`.
TitlePage titleSearchPage(SharedConnection& connection, const QString& text, const std::optional<TitleKey>& after,
                          size_t limit, const QStringList& tables = searchPageTables(),
                          qint64 denseFrom = kDenseTitlePrefix);

// Reads the rows after `after` (from the start when there is none), at most `limit`.
using TitlePager = std::function<TitlePage(const std::optional<TitleKey>& after, size_t limit)>;

// titleSearchPage() for `text` over the search page's tables, page after
// page on `connection`, which must outlive the pager. The stored queries name
// the content tables, so the content database is opened when nothing is open.
TitlePager titleSearchPager(SharedConnection& connection, const QString& text);

// The plan for a page of `limit` rows after `after` on a table: InitialWalk
// when the prefix's range holds `denseFrom` titles or more and the page's rows
// lie within the first 2 * `denseFrom` entries the walk reads; Range otherwise.
TitlePlan titlePagePlan(Database& db, const QString& qualifiedTable, const QString& text,
                        const std::optional<TitleKey>& after, size_t limit, qint64 denseFrom = kDenseTitlePrefix);

// The statement titleSearchPage() runs on one table.
Query titlePageQuery(const QString& qualifiedTable, const QString& text, const QString& qualifiedIndex,
                     const std::optional<TitleKey>& after, size_t limit, TitlePlan plan = TitlePlan::Range);

// A change of the search box runs the title search only on the search page,
// whose centre title reads " 检索 " exactly.
bool isSearchPage(const QString& centreTitle);

// The statement titleSearch() runs on one table (already qualified for the
// connection), rows ordered for the merge. A text that starts with a wildcard
// is narrowed through the table's contains index when `qualifiedIndex` names one.
Query titlePrefixQuery(const QString& qualifiedTable, const QString& text, const QString& qualifiedIndex = {});

// The least folded text above every text that begins with `foldedPrefix`,
// or nothing when no such bound exists (a prefix of U+10FFFF only).
std::optional<QString> prefixUpperBound(const QString& foldedPrefix);

}  // namespace kelvor
