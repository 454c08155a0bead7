#pragma once

#include "importtree.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <map>

namespace kelvor::importing {

// Pages larger than this are left out: no documentation page is, and the
// document view could not show one smoothly.
inline constexpr qint64 kLargestPage = 20 * 1024 * 1024;

// Documentation to import, as found on disk: an HTML folder or a docset.
struct ImportSource {
    QString contentRoot;   // the folder the pages and files are read from
    QString defaultTitle;  // the docset's name, or the folder's name
    bool docset = false;
    QStringList pages;     // HTML pages, relative to contentRoot with '/'
    QStringList files;     // everything else the pages may use (style sheets, pictures, scripts)
    QHash<QString, QString> pageAliases;  // a link to another page of the source -> that page
    std::map<QString, int> skipped;       // why -> how many files (or docset entries)
    ImportNode tree;       // the catalogue below the new top-level folder (its title not set)
};

// Reads SOURCE; throws ImportError with the reason when it cannot be
// imported (missing, unreadable, no HTML page, a docset without its index).
ImportSource readImportSource(const QString& sourcePath);

}  // namespace kelvor::importing
