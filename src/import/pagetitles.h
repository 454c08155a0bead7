#pragma once

#include <QStringList>

namespace kelvor::importing {

// Page titles without the site's name that generators append to every one
// ("std::vector - cppreference.com" -> "std::vector"): a trailing part that
// most pages share, or that is a host name, is dropped; blanks are simplified.
// A title that is nothing but the site's name becomes empty.
QStringList cleanTitles(const QStringList& titles);

}  // namespace kelvor::importing
