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

struct TitlePage {
    TitleList titles;
    std::optional<TitleKey> last;  // pass to the next call to continue; none when the page is empty
    bool complete = false;         // no title follows this page
};

// The title search a page at a time, for a list that shows the first screen
// at once and fetches the rest as it scrolls: the first `limit` titles after
// `after` (from the start when there is none). Pages read one after another
// until one is complete hold exactly the rows of titleSearch(), in its order.
TitlePage titleSearchPage(SharedConnection& connection, const QString& text, const std::optional<TitleKey>& after,
                          size_t limit, const QStringList& tables = searchPageTables());

// Reads the rows after `after` (from the start when there is none), at most `limit`.
using TitlePager = std::function<TitlePage(const std::optional<TitleKey>& after, size_t limit)>;

// titleSearchPage() for `text` over the search page's tables, page after
// page on `connection`, which must outlive the pager. The stored queries name
// the content tables, so the content database is opened when nothing is open.
TitlePager titleSearchPager(SharedConnection& connection, const QString& text);

// The statement titleSearchPage() runs on one table.
Query titlePageQuery(const QString& qualifiedTable, const QString& text, const QString& qualifiedIndex,
                     const std::optional<TitleKey>& after, size_t limit);

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
