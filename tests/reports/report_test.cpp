#include "reports/continuedquery.h"
#include "reports/reportrender.h"
#include "reports/savedreports.h"

#include <gtest/gtest.h>

using namespace kelvor::reports;
using namespace Qt::StringLiterals;

namespace {

Report reportOf(const QString& term, qint32 count, const QStringList& linesFromOne)
{
    Report r;
    r.term = term;
    r.hitCount = count;
    r.lines = QStringList{QString()} + linesFromOne;
    return r;
}

// The report page of the library as it ships: the banner's place in a paragraph.
const QString kPage = u"<html><head><title>ab</title><style>p.ab{}</style></head><body>"
                      "<p class=\"ab\">澄溪科技</p><p>more AB text</p></body></html>"_s;

TEST(ReportRender, PastesBannerAndLinesThenMarksEveryOccurrence)
{
    const QString page = renderReport(kPage, reportOf(u"ab"_s, 3, {u"a"_s, u"b"_s, QString(), u"never shown"_s}));
    const QString red = u"<span style='background:RED'>"_s;
    const QString expected =
        u"<html><head><title>ab</title><style>p.ab{}</style></head><body><p class=\"ab\">"_s + red + u"关于"_s + red +
        u"ab</span>,共找到 3处解释和应用</span></p>"
        "<span style='background:'>a</span><br><span style='background:'>b</span><br>"
        "<span style='background:'></span></p><p>more "_s +
        red + u"AB</span> text</p></body></html>"_s;
    EXPECT_EQ(page, expected);
}

TEST(ReportRender, CasesThatMustNotBreakThePage)
{
    struct Case {
        const char* name;
        QString page;
        Report report;
        QStringList mustContain;
        QStringList mustNotContain;
    };
    const std::vector<Case> cases = {
        {"no placeholder: only marks", u"<body><p>x ab y</p></body>"_s, reportOf(u"ab"_s, 1, {u"l"_s}),
         {u"x <span style='background:RED'>ab</span> y"_s}, {u"关于"_s}},
        {"report text stays text", kPage, reportOf(u"<b>"_s, 1, {u"a <script>x</script>"_s}),
         {u"a &lt;script&gt;x&lt;/script&gt;"_s, u"关于<span style='background:RED'>&lt;b&gt;</span>"_s},
         {u"<script>x"_s, u"关于<b>"_s}},
        {"empty report: banner and the closing empty line", kPage, reportOf(u"zz"_s, 0, {}),
         {u",共找到 0处解释和应用</span></p><span style='background:'></span></p>"_s}, {u"<br>"_s}},
        {"term inside tags and styles untouched", u"<body class=\"ab\"><style>.ab{}</style>ab</body>"_s,
         reportOf(u"ab"_s, 0, {}), {u"<body class=\"ab\"><style>.ab{}</style><span style='background:RED'>ab</span>"_s},
         {}},
    };
    for (const Case& c : cases) {
        const QString page = renderReport(c.page, c.report);
        for (const QString& s : c.mustContain) EXPECT_TRUE(page.contains(s)) << c.name << "\n" << page.toStdString();
        for (const QString& s : c.mustNotContain) EXPECT_FALSE(page.contains(s)) << c.name << "\n" << page.toStdString();
    }
}

TEST(SavedReports, SevenSavesKeepTheLastSixEachOpeningItsOwnReport)
{
    SavedReports saved;
    for (int i = 1; i <= 7; ++i)
        EXPECT_TRUE(saved.save(reportOf(u"t%1"_s.arg(i), i, {u"line of t%1"_s.arg(i)})));
    EXPECT_EQ(saved.terms(), (QStringList{u"t2"_s, u"t3"_s, u"t4"_s, u"t5"_s, u"t6"_s, u"t7"_s}));
    for (int p = 0; p < 6; ++p) {
        const auto r = saved.report(p);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->term, u"t%1"_s.arg(p + 2));
        EXPECT_EQ(r->hitCount, p + 2);
        EXPECT_EQ(r->shownLines(), QStringList{u"line of t%1"_s.arg(p + 2)});
    }
    EXPECT_FALSE(saved.report(6));
    EXPECT_FALSE(saved.report(-1));
}

TEST(SavedReports, SameTermKeepsTheFirstAndLinesPast3000AreNotKept)
{
    SavedReports saved;
    QStringList many;
    for (int i = 1; i <= 5000; ++i) many << u"l%1"_s.arg(i);
    ASSERT_TRUE(saved.save(reportOf(u"java"_s, 5000, many)));
    EXPECT_FALSE(saved.save(reportOf(u"java"_s, 1, {u"other"_s})));
    const Report kept = *saved.report(0);
    EXPECT_EQ(kept.hitCount, 5000);
    ASSERT_EQ(kept.lines.size(), 3001);
    EXPECT_EQ(kept.lines.back(), u"l3000"_s);
}

TEST(SavedReports, SnapshotHasASlotOfItsOwn)
{
    SavedReports saved;
    for (int i = 1; i <= 6; ++i) saved.save(reportOf(u"t%1"_s.arg(i), i, {u"x"_s}));
    saved.storeSnapshot(reportOf(u"current"_s, 9, {u"now"_s}));
    EXPECT_EQ(saved.report(5)->term, u"t6"_s);
    EXPECT_EQ(saved.snapshot().term, u"current"_s);
    EXPECT_EQ(saved.snapshot().hitCount, 9);
}

TEST(ContinuedQuery, DecidesFromTheQueryText)
{
    SavedReports saved;
    saved.save(reportOf(u"java"_s, 1, {}));
    saved.save(reportOf(u"qt"_s, 1, {}));
    struct Case {
        QString text;
        QueryStart start;
        int position;
    };
    const std::vector<Case> cases = {
        {QString(), QueryStart::Nothing, -1},   {u"j"_s, QueryStart::Refused, -1},
        {u"说"_s, QueryStart::Refused, -1},      {u" "_s, QueryStart::Refused, -1},
        {u"  qt "_s, QueryStart::Reuse, 1},      {u"java"_s, QueryStart::Reuse, 0},
        {u"Java"_s, QueryStart::Fresh, -1},      {u"jav"_s, QueryStart::Fresh, -1},
    };
    for (const Case& c : cases) {
        const QueryDecision d = decideQuery(c.text, saved);
        EXPECT_EQ(d.start, c.start) << c.text.toStdString();
        EXPECT_EQ(d.savedPosition, c.position) << c.text.toStdString();
    }
}

}  // namespace
