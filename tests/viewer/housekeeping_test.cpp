#include "viewer/housekeeping.h"

#include <QSignalSpy>

#include "qtprinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

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
        {u"abcdef"_s, u"bcdef"_s},
        {u"abcde"_s, u"bcde"_s},
        {u"abcd"_s, description},
        {u""_s, description},
        {QStringLiteral("资料库说明书"), QStringLiteral("料库说明书")},
        {QString::fromUcs4(U"\U0001F600abcd"), u"abcd"_s},
    };
    for (const auto& c : cases) EXPECT_EQ(scrolledDescription(c.box, description), c.next) << c.box.toStdString();
}

TEST(Housekeeping, tickScrollsTheDescriptionAndRestoresAnEmptyTable)
{
    FakeHost host;
    host.box = QStringLiteral("abcdef");
    QTimer tick;
    Housekeeping housekeeping(host, tick);

    housekeeping.tick();
    EXPECT_EQ(host.box, u"bcdef"_s);
    EXPECT_EQ(host.table, u"jszx"_s);

    host.table = QStringLiteral(" spzx");
    host.box = QStringLiteral("abc");
    housekeeping.tick();
    EXPECT_EQ(host.box, host.description);
    EXPECT_EQ(host.table, u" spzx"_s);
}

TEST(Housekeeping, firstCompletedLoadStartsTheTickForGood)
{
    FakeHost host;
    host.box = QStringLiteral("0123456789");
    QTimer tick;
    tick.setInterval(300);
    Housekeeping housekeeping(host, tick);
    EXPECT_FALSE(tick.isActive());

    housekeeping.documentComplete();
    housekeeping.documentComplete();
    ASSERT_TRUE(tick.isActive());

    QSignalSpy ticks(&tick, &QTimer::timeout);
    ASSERT_TRUE(ticks.wait(5000));
    EXPECT_EQ(host.box.size(), 9);
    EXPECT_EQ(host.table, u"jszx"_s);
}

}  // namespace
}  // namespace kelvor
