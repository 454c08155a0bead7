#include "authoring/authoringerror.h"
#include "authoring/catalogue.h"

#include <gtest/gtest.h>

namespace kelvor::authoring {
namespace {

TEST(CatalogueBuilder, HandsOutCodesByLevelInCodeOrder)
{
    CatalogueBuilder catalogue(QStringLiteral("205101"));
    const QString course = catalogue.addFolder(QString(), QStringLiteral("课程"));
    const QString second = catalogue.addFolder(QString(), QStringLiteral("第二门课程"));
    const QString chapter = catalogue.addFolder(course, QStringLiteral("第一章"));
    CentreRecord lesson;
    lesson.name = QStringLiteral("第 1 课");
    lesson.link = QStringLiteral("lessons");
    const QString first = catalogue.addDocument(chapter, lesson);
    const QString deep = catalogue.addFolder(chapter, QStringLiteral("练习"));
    const QString leaf = catalogue.addDocument(deep, lesson);

    EXPECT_EQ(course, QStringLiteral("20510111"));
    EXPECT_EQ(second, QStringLiteral("20510112"));
    EXPECT_EQ(chapter, QStringLiteral("205101110001"));
    EXPECT_EQ(first, QStringLiteral("2051011100010001"));
    EXPECT_EQ(deep, QStringLiteral("2051011100010002"));
    EXPECT_EQ(leaf, QStringLiteral("20510111000100020001"));

    const auto records = catalogue.records();
    ASSERT_EQ(records.size(), 6u);
    for (size_t i = 1; i < records.size(); ++i) {
        EXPECT_LT(records[i - 1].xxbh, records[i].xxbh);
    }
    // Documents carry the document flag, folders do not.
    for (const CentreRecord& r : records) {
        EXPECT_EQ(r.eee.isEmpty(), r.link.isEmpty()) << r.xxbh.toStdString();
    }
}

TEST(CatalogueBuilder, RefusesCodesOutsideTheFourLevels)
{
    CatalogueBuilder catalogue(QStringLiteral("101210"));
    EXPECT_THROW(catalogue.addFolder(QStringLiteral("10121099"), QStringLiteral("无此父目录")), AuthoringError);

    QString parent;
    for (int level = 1; level <= 4; ++level) parent = catalogue.addFolder(parent, QStringLiteral("第 %1 层").arg(level));
    EXPECT_EQ(parent.size(), 20);
    EXPECT_THROW(catalogue.addFolder(parent, QStringLiteral("第 5 层")), AuthoringError);

    for (int i = 12; i <= 99; ++i) catalogue.addFolder(QString(), QStringLiteral("目录"));
    EXPECT_THROW(catalogue.addFolder(QString(), QStringLiteral("第 90 个")), AuthoringError);
}

}  // namespace
}  // namespace kelvor::authoring
