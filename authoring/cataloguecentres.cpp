#include "authoringerror.h"
#include "democentres.h"

#include <algorithm>

namespace kelvor::authoring {

namespace {

// Copies the level-1 entry `name` of `table` with everything under it: the
// catalogue-only centres list records of other centres, which open from there.
void mirror(LibraryContent& content, const QString& target, const QString& table, const QString& name)
{
    const auto& rows = content.centreTables[table];
    const auto root = std::find_if(rows.begin(), rows.end(), [&](const CentreRecord& r) {
        return r.xxbh.size() == 8 && r.name == name;
    });
    if (root == rows.end()) throw AuthoringError(QStringLiteral("%1 has no level-1 entry %2").arg(table, name));
    auto& out = content.catalogueTables[target];
    for (const CentreRecord& r : rows) {
        if (!r.xxbh.startsWith(root->xxbh)) continue;
        CentreRecord entry;
        entry.xxbh = r.xxbh;
        entry.name = r.name;
        entry.link = r.link;
        out.push_back(entry);
    }
    std::sort(out.begin(), out.end(), [](const CentreRecord& a, const CentreRecord& b) { return a.xxbh < b.xxbh; });
}

}  // namespace

void addCatalogueCentres(LibraryContent& content)
{
    // 源码管理: the examples and projects whose sources are kept in source folders.
    mirror(content, QStringLiteral("ymzx"), QStringLiteral("slzx"), QStringLiteral("实例中心使用说明"));
    mirror(content, QStringLiteral("ymzx"), QStringLiteral("slzx"), QStringLiteral("C++ 实例"));
    mirror(content, QStringLiteral("ymzx"), QStringLiteral("slzx"), QStringLiteral("Python 实例"));
    mirror(content, QStringLiteral("ymzx"), QStringLiteral("xmzx"), QStringLiteral("桌面与控制台应用"));
    // 工具管理: the articles on development tools.
    mirror(content, QStringLiteral("gjzx"), QStringLiteral("jszx"), QStringLiteral("技术中心阅读指南"));
    mirror(content, QStringLiteral("gjzx"), QStringLiteral("jszx"), QStringLiteral("开发工具"));
}

}  // namespace kelvor::authoring
