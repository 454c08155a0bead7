#pragma once

#include "libraryfile.h"

#include "library/schema.h"

#include <map>
#include <vector>

namespace kelvor::authoring {

struct Favourite {
    QString cellname;  // the name the user gave it
    QString name;      // the record's title
    QString xxbh;
};

struct SearchHistoryEntry {
    QString name;
    QString date;  // yyyy-MM-dd, so that text order is date order
    QString time;  // HH:mm:ss
    int count = 1;
};

// Everything a library holds, built in memory before anything is written.
struct LibraryContent {
    std::map<QString, std::vector<CentreRecord>> centreTables;     // jszx … works, in code order
    std::map<QString, std::vector<CentreRecord>> catalogueTables;  // ymzx, gjzx: xxbh, name, link only
    std::vector<KeywordLink> techKeywords;
    std::vector<KeywordLink> exampleKeywords;
    std::vector<Favourite> favourites;
    std::vector<SearchHistoryEntry> searchHistory;
    std::map<QString, LibraryFile> files;  // by relative path

    // Adds a file; the same path twice must carry the same bytes.
    void addFile(LibraryFile file);
    const CentreRecord* findRecord(const QString& table, const QString& code) const;
    CentreRecord* findRecord(const QString& table, const QString& code);
};

}  // namespace kelvor::authoring
