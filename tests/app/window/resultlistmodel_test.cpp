#include "app/window/resultlistmodel.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kelvor {
namespace {

// Titles of every shape the library holds, some twice, with their codes.
TitleList awkwardListing()
{
    const QString titles[] = {QString(), QStringLiteral(""), QStringLiteral("Java 基础"), QStringLiteral("𠀀 古字"),
                              QStringLiteral("表情😀"), QStringLiteral("ＡＢＣ全角"), QStringLiteral("字符串处理"),
                              QStringLiteral("字符串处理"), QString(400, QChar(u'长'))};
    TitleList list;
    for (int i = 0; i < 23; ++i) {
        list.names.push_back(titles[i % 9]);
        list.codes.push_back(QString::number(101210350001LL + i));
    }
    return list;
}

TitleList previousListing(int rows)
{
    TitleList list;
    for (int i = 0; i < rows; ++i) {
        list.names.push_back(QStringLiteral("旧 %1").arg(i));
        list.codes.push_back(QStringLiteral("old%1").arg(i));
    }
    return list;
}

// Serves `all` a page at a time; a page's key is the position after it.
ResultListModel::Pager pagerOver(const TitleList& all)
{
    return [all](const std::optional<TitleKey>& after, size_t limit) {
        const size_t from = after ? size_t(after->code.toLongLong()) : 0;
        const size_t to = std::min(all.size(), from + limit);
        TitlePage page;
        page.titles.names.assign(all.names.begin() + long(from), all.names.begin() + long(to));
        page.titles.codes.assign(all.codes.begin() + long(from), all.codes.begin() + long(to));
        if (to > from) page.last = TitleKey{{}, {}, QVariant(qlonglong(to))};
        page.complete = to == all.size();
        return page;
    };
}

// A list read a page at a time and fetched to its end shows exactly the
// listing shown whole, line by line and code by code, and leaves the same
// code table (spare position included) whatever list it replaced.
TEST(ResultListModel, PagedToItsEndShowsTheWholeListing)
{
    const TitleList all = awkwardListing();
    const struct {
        size_t first, later;
    } pageSizes[] = {{1, 1}, {2, 3}, {5, 4}, {23, 1}, {200, 2000}};
    for (const auto& sizes : pageSizes) {
        for (int previous : {0, 5, 23, 24, 40}) {
            SCOPED_TRACE(testing::Message() << "pages " << sizes.first << "/" << sizes.later << ", previous "
                                            << previous);
            ResultListModel whole, paged;
            whole.show(previousListing(previous));
            paged.show(previousListing(previous));
            paged.setPageSizes(sizes.first, sizes.later);
            whole.show(all);
            ASSERT_TRUE(paged.showPaged(pagerOver(all)));
            EXPECT_EQ(paged.rowCount(), int(std::min(all.size(), sizes.first)));
            while (paged.canFetchMore({})) paged.fetchMore({});

            ASSERT_EQ(paged.rowCount(), int(all.size()));
            for (int row = 0; row < paged.rowCount(); ++row) {
                const QModelIndex at = paged.index(row);
                EXPECT_EQ(at.data(Qt::DisplayRole).toString(), all.names[size_t(row)]) << row;
                EXPECT_EQ(at.data(ResultListModel::CodeRole).toString(), all.codes[size_t(row)]) << row;
            }
            EXPECT_EQ(paged.list().lines(), whole.list().lines());
            EXPECT_EQ(paged.list().codeTable(), whole.list().codeTable());
            EXPECT_EQ(paged.code(int(all.size())), previous > int(all.size()) ? QStringLiteral("old23") : QString());
        }
    }
}

}  // namespace
}  // namespace kelvor
