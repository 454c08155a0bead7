#pragma once

#include "savedreports.h"

#include <QString>

#include <optional>

namespace kelvor::reports {

// What "继续查询" does with the text of the query field.
enum class QueryStart {
    Nothing,    // an empty field
    Refused,    // one character: oneCharacterMessage(), then the earlier hits are walked again
    Reuse,      // a saved report of that term comes back without querying
    Fresh,      // the centres are searched
};

struct QueryDecision {
    QueryStart start = QueryStart::Nothing;
    int savedPosition = -1;  // for Reuse
};

QueryDecision decideQuery(const QString& text, const SavedReports& saved);

QString oneCharacterMessage();  // "输入的查询内容应大于两个字节！！！"

}  // namespace kelvor::reports
