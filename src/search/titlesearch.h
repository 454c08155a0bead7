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

// A change of the search box runs the title search only on the search page,
// whose centre title reads " 检索 " exactly.
bool isSearchPage(const QString& centreTitle);

// The statement titleSearch() runs on one table (already qualified for the
// connection), rows ordered for the merge.
Query titlePrefixQuery(const QString& qualifiedTable, const QString& text);

// The least folded text above every text that begins with `foldedPrefix`,
// or nothing when no such bound exists (a prefix of U+10FFFF only).
std::optional<QString> prefixUpperBound(const QString& foldedPrefix);

}  // namespace kelvor
