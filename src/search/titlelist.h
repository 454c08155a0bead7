#pragma once

#include "library/sharedconnection.h"

#include <QString>
#include <QVariant>

#include <functional>
#include <vector>

namespace kelvor {

// Titles with their record codes, position by position: what the result list
// shows and the result code table it keeps beside it.
struct TitleList {
    std::vector<QString> names;
    std::vector<QString> codes;
    size_t size() const { return names.size(); }
    bool empty() const { return names.empty(); }
    void clear()
    {
        names.clear();
        codes.clear();
    }
};

// Where a page of titles ended: the last title's sort key, title and code as
// stored (NULL kept apart from empty, since the order puts NULL first).
struct TitleKey {
    QVariant sortKey;
    QVariant name;
    QVariant code;
};

// Every title of the given content-database tables in title order (pinyin,
// case ignored), a title with the same code listed once; the same title
// under two codes is listed twice. Each table is read in order from its
// covering title index and the tables are merged, so no sort runs here.
// `tick` runs every few thousand rows so the window can stay responsive.
TitleList allTitles(SharedConnection& connection, const QStringList& tables,
                    const std::function<void()>& tick = {});

}  // namespace kelvor
