#include "reports/documenttext.h"
#include "reports/reportwalk.h"
#include "reports/walkrunner.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace kelvor::reports;
using namespace Qt::StringLiterals;

namespace {

std::vector<MatchNode> hitTree()
{
    return {{u"a2621"_s, u"技术中心标题中包含 java 条数：1"_s, true},
            {u"n10121011"_s, u"Java 基础"_s, false},
            {u"a2622"_s, u"技术中心内容中包含 java 条数：2"_s, true},
            {u"m10121011"_s, u"Java 基础"_s, false},
            {u"m10121012"_s, u"最后一条"_s, false}};
}

// Documents by record code; the walk reads the document of the record it opened.
QString documentOf(const QString& code)
{
    if (code == u"10121011"_s) return u"Java is here. and java again"_s;
    if (code == u"10121012"_s) return u"the last record talks about JAVA"_s;
    return {};
}

TEST(ReportWalk, WalksEveryNodeIntoGroupTitleAndContextLines)
{
    QStringList opened;
    ReportWalk walk(hitTree(), u"java"_s, [&](const QString& code) {
        opened << code;
        return documentOf(code);
    });
    int ticks = 0;
    while (!walk.finished()) {
        walk.step();
        ++ticks;
    }
    EXPECT_EQ(ticks, 5);
    EXPECT_EQ(opened, (QStringList{u"10121011"_s, u"10121011"_s, u"10121012"_s}));
    const QString ctx = u"######     Java is here. and java again     ########"_s;  // the second is in the first's context
    EXPECT_EQ(walk.report().shownLines(),
              (QStringList{u"应用类别:技术中心标题中包含 java 条数：1"_s, u"---------Java 基础------------"_s, ctx,
                           u"应用类别:技术中心内容中包含 java 条数：2"_s, u"---------Java 基础------------"_s, ctx,
                           u"---------最后一条------------"_s,
                           u"######     the last record talks about JAVA     ########"_s}));
    EXPECT_EQ(walk.report().hitCount, 3);
}

TEST(ReportWalk, ContextIsAHundredCharactersEitherSide)
{
    const QString before = QString(150, u'x');
    const QString after = QString(150, u'y');
    const QString text = before + u"term"_s + after + u"term"_s;
    const QStringList lines = ReportWalk::occurrenceLines(text, u"TERM"_s);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], u"######     "_s + QString(100, u'x') + u"term"_s + QString(100, u'y') + u"     ########"_s);
    EXPECT_EQ(lines[1], u"######     "_s + QString(100, u'y') + u"term     ########"_s);
    EXPECT_TRUE(ReportWalk::occurrenceLines(text, QString()).isEmpty());
}

TEST(ReportWalk, ASecondWalkCountsOnlyItsOwnHits)
{
    const auto open = [](const QString& code) { return documentOf(code); };
    ReportWalk first(hitTree(), u"java"_s, open);
    while (!first.finished()) first.step();
    ReportWalk second({{u"m10121012"_s, u"最后一条"_s, false}}, u"last"_s, open);
    while (!second.finished()) second.step();
    EXPECT_EQ(second.report().hitCount, 1);
    EXPECT_EQ(second.report().term, u"last"_s);
    EXPECT_EQ(second.report().shownLines().size(), 2);
}

TEST(ReportWalk, LineAfterThe8000thEndsTheWalkKeepingWhatWasCollected)
{
    // 4000 records, each adding its title line and one context line: 8000 lines exactly.
    std::vector<MatchNode> nodes;
    for (int i = 0; i < 4001; ++i) nodes.push_back({u"m%1"_s.arg(10121011 + i), u"r"_s, false});
    ReportWalk walk(nodes, u"java"_s, [](const QString&) { return u"java"_s; });
    while (!walk.finished()) walk.step();
    EXPECT_TRUE(walk.full());
    EXPECT_EQ(walk.report().lines.size(), 8001);  // positions 0 … 8000
    EXPECT_EQ(walk.report().hitCount, 4000);
    EXPECT_EQ(walk.walked(), 4001);  // the 4001st record found no room
}

TEST(ReportWalk, ShortKeyIsAGroupNode)
{
    EXPECT_TRUE(ReportWalk::isGroupKey(u"n1012101"_s));  // 8 characters
    EXPECT_FALSE(ReportWalk::isGroupKey(u"n10121011"_s));
    ReportWalk walk({{u"n1012101"_s, u"短"_s, false}}, u"x"_s, [](const QString&) -> QString {
        ADD_FAILURE() << "a group node opens nothing";
        return {};
    });
    walk.step();
    EXPECT_EQ(walk.report().shownLines(), QStringList{u"应用类别:短"_s});
}

TEST(WalkRunner, TicksToTheEndOrStopsOnCancel)
{
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    {
        QTimer timer;
        timer.setInterval(0);
        WalkRunner runner(timer);
        QSignalSpy done(&runner, &WalkRunner::finished);
        runner.start(std::make_unique<ReportWalk>(hitTree(), u"java"_s, documentOf));
        ASSERT_TRUE(done.wait(5000));
        EXPECT_EQ(done.front().front().value<Report>().hitCount, 3);
        EXPECT_FALSE(runner.isRunning());
    }
    {
        QTimer timer;
        timer.setInterval(0);
        WalkRunner runner(timer);
        QSignalSpy done(&runner, &WalkRunner::finished);
        QSignalSpy progress(&runner, &WalkRunner::progressed);
        runner.start(std::make_unique<ReportWalk>(hitTree(), u"java"_s, documentOf));
        ASSERT_TRUE(progress.wait(5000));
        runner.cancel();
        EXPECT_FALSE(runner.isRunning());
        QCoreApplication::processEvents();
        EXPECT_EQ(done.size(), 0);
        EXPECT_EQ(progress.size(), 1);
    }
}

TEST(DocumentText, PageTextAsTheReaderSeesIt)
{
    struct Case {
        QString html;
        QString text;
    };
    const std::vector<Case> cases = {
        {u"<html><head><title>t</title></head><body><p>a&nbsp;&lt;b&gt;</p>\r\n<p>c</p></body></html>"_s, u"a <b> c"_s},
        {u"<script>var java;</script><style>.java{}</style><!-- java -->x"_s, u"x"_s},
        {u"&#35828;&#x8bf4;&unknown;"_s, u"说说&unknown;"_s},
    };
    for (const Case& c : cases) EXPECT_EQ(plainTextOfHtml(c.html), c.text) << c.html.toStdString();

    QTemporaryDir dir;
    const QString path = dir.filePath(u"p.htm"_s);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("<p>\xcb\xb5 java</p>"));  // GBK
    f.close();
    EXPECT_EQ(plainTextOfPage(path), u"说 java"_s);
    EXPECT_EQ(plainTextOfPage(dir.filePath(u"missing.htm"_s)), QString());
}

}  // namespace
