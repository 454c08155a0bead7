#pragma once

#include "library/sharedconnection.h"

#include <QString>

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

// Every title of the given content-database tables in title order (pinyin,
// case ignored), a title with the same code listed once; the same title
// under two codes is listed twice. Each table is read in order from its
// covering title index and the tables are merged, so no sort runs here.
// `tick` runs every few thousand rows so the window can stay responsive.
TitleList allTitles(SharedConnection& connection, const QStringList& tables,
                    const std::function<void()>& tick = {});

}  // namespace kelvor
