#include "continuedquery.h"

namespace kelvor::reports {

QueryDecision decideQuery(const QString& text, const SavedReports& saved)
{
    if (text.isEmpty()) return {};
    if (text.size() == 1) return {QueryStart::Refused};
    if (const auto at = saved.positionOfTrimmed(text)) return {QueryStart::Reuse, *at};
    return {QueryStart::Fresh};
}

QString oneCharacterMessage() { return QStringLiteral("输入的查询内容应大于两个字节！！！"); }

}  // namespace kelvor::reports
