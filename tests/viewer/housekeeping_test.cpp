#include "viewer/housekeeping.h"

#include <QSignalSpy>

#include "qtprinters.h"

#include <gtest/gtest.h>

namespace kelvor {
namespace {

class FakeHost : public HousekeepingHost {
public:
    QString descriptionBoxText() const override { return box; }
    void setDescriptionBoxText(const QString& text) override { box = text; }
    QString productDescription() const override { return description; }
    QString currentTable() const override { return table; }
    void setCurrentTable(const QString& t) override { table = t; }

    QString box;
    QString description = QStringLiteral("     澄溪宸笺编程资料库");
    QString table;
};

TEST(ScrolledDescription, dropsOneCharacterWhileFiveOrMoreAreLeft)
{
    const QString description = QStringLiteral("full description");
    const struct {
        QString box;
        QString next;
    } cases[] = {
        {"abcdef", "bcdef"},
        {"abcde", "bcde"},
        {"abcd", description},
        {"", description},
        {QStringLiteral("资料库说明书"), QStringLiteral("料库说明书")},
        {QString::fromUcs4(U"\U0001F600abcd"), "abcd"},
    };
    for (const auto& c : cases) EXPECT_EQ(scrolledDescription(c.box, description), c.next) << c.box.toStdString();
}

TEST(Housekeeping, tickScrollsTheDescriptionAndRestoresAnEmptyTable)
{
    FakeHost host;
    host.box = QStringLiteral("abcdef");
    Housekeeping housekeeping(host);

    housekeeping.tick();
    EXPECT_EQ(host.box, "bcdef");
    EXPECT_EQ(host.table, "jszx");

    host.table = QStringLiteral(" spzx");
    host.box = QStringLiteral("abc");
    housekeeping.tick();
    EXPECT_EQ(host.box, host.description);
    EXPECT_EQ(host.table, " spzx");
}

TEST(Housekeeping, firstCompletedLoadStartsTheTickForGood)
{
    FakeHost host;
    host.box = QStringLiteral("0123456789");
    Housekeeping housekeeping(host);
    EXPECT_EQ(housekeeping.timer().objectName(), "Timer4");
    EXPECT_EQ(housekeeping.timer().interval(), 300);
    EXPECT_FALSE(housekeeping.timer().isActive());

    housekeeping.documentComplete();
    housekeeping.documentComplete();
    ASSERT_TRUE(housekeeping.timer().isActive());

    QSignalSpy ticks(&housekeeping.timer(), &QTimer::timeout);
    ASSERT_TRUE(ticks.wait(5000));
    EXPECT_EQ(host.box.size(), 9);
    EXPECT_EQ(host.table, "jszx");
}

}  // namespace
}  // namespace kelvor
