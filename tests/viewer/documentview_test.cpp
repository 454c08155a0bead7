#include "viewer/documentview.h"

#include "pagewait.h"

#include "library/gbk.h"

#include <QImage>
#include <QSet>
#include <QTest>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "qtprinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace kelvor {
namespace {

using test::answerOf;
using test::loadPage;

class DocumentViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QDir().mkpath(lib()));
        m_view.resize(400, 300);
        m_view.show();
    }

    // Writes an HTML fixture (UTF-8 unless bytes are given) and loads it.
    void load(const QString& name, const QByteArray& bytes)
    {
        const QString path = test::writeFixture(lib() + u"/"_s + name, bytes);
        ASSERT_FALSE(path.isEmpty());
        ASSERT_TRUE(loadPage(m_view, path)) << name.toStdString();
    }
    void loadBody(const QString& body)
    {
        load(QStringLiteral("page%1.htm").arg(++m_pages),
             "<html><head><meta charset=\"utf-8\"></head><body>" + body.toUtf8() + "</body></html>");
    }

    QString plainText() { return answerOf<QString>([&](auto done) { m_view.plainText(done); }).value_or(u"<none>"_s); }
    int elementCount() { return answerOf<int>([&](auto done) { m_view.elementCount(done); }).value_or(-1); }
    QPoint scrollPosition()
    {
        return answerOf<QPoint>([&](auto done) { m_view.scrollPosition(done); }).value_or(QPoint(-1, -1));
    }
    void scrollBy(int dx, int dy)
    {
        ASSERT_TRUE(answerOf<bool>([&](auto done) { m_view.scrollBy(dx, dy, [done] { done(true); }); }));
    }
    QString selectionText()
    {
        return answerOf<QString>([&](auto done) { m_view.selectionText(done); }).value_or(u"<none>"_s);
    }
    TextRangeId bodyRange()
    {
        return answerOf<TextRangeId>([&](auto done) { m_view.createBodyRange(done); }).value_or(QString());
    }
    bool find(const TextRangeId& id, const QString& text)
    {
        return answerOf<bool>([&](auto done) { m_view.findText(id, text, done); }).value_or(false);
    }
    QString rangeText(const TextRangeId& id)
    {
        return answerOf<QString>([&](auto done) { m_view.rangeText(id, done); }).value_or(u"<none>"_s);
    }
    bool paste(const TextRangeId& id, const QString& html)
    {
        return answerOf<bool>([&](auto done) { m_view.pasteHtml(id, html, done); }).value_or(false);
    }
    bool collapse(const TextRangeId& id, bool toStart)
    {
        return answerOf<bool>([&](auto done) { m_view.collapse(id, toStart, done); }).value_or(false);
    }
    bool select(const TextRangeId& id)
    {
        return answerOf<bool>([&](auto done) { m_view.selectRange(id, done); }).value_or(false);
    }
    bool moveStart(const TextRangeId& id, int n)
    {
        return answerOf<bool>([&](auto done) { m_view.moveStart(id, n, done); }).value_or(false);
    }
    bool moveEnd(const TextRangeId& id, int n)
    {
        return answerOf<bool>([&](auto done) { m_view.moveEnd(id, n, done); }).value_or(false);
    }

    // Wraps every match in a span, as highlighting does; the texts matched.
    QStringList wrapAll(const QString& term, int limit = 50)
    {
        QStringList matched;
        const TextRangeId id = bodyRange();
        while (matched.size() < limit && find(id, term)) {
            const QString text = rangeText(id);
            matched << text;
            paste(id, u"<span style='background:RED'>"_s + text + u"</span>"_s);
            collapse(id, false);
        }
        return matched;
    }

    // Returns the folder the view serves its pages from.
    QString lib() const { return m_layout.libraryFolder(); }

    QTemporaryDir m_dir;
    LibraryLayout m_layout{m_dir.path()};
    DocumentView m_view{m_layout};
    int m_pages = 0;
};

TEST_F(DocumentViewTest, nothingLoadedAnswersEmpty)
{
    EXPECT_EQ(plainText(), u""_s);
    EXPECT_EQ(selectionText(), u""_s);
    EXPECT_FALSE(find(QStringLiteral("no-such-range"), u"x"_s));
}

TEST_F(DocumentViewTest, plainTextAndElementCount)
{
    loadBody(u"<p>Hello</p><div><span>World</span></div>"_s);
    const QString text = plainText();
    EXPECT_TRUE(text.startsWith(u"Hello\r\n"_s)) << text.toStdString();
    EXPECT_TRUE(text.endsWith(u"World"_s)) << text.toStdString();
    EXPECT_FALSE(text.contains(QRegularExpression(u"[^\r]\n"_s))) << "line breaks are CR LF";
    // html, head, meta, body, p, div, span
    EXPECT_EQ(elementCount(), 7);
}

TEST_F(DocumentViewTest, findWrapsEveryMatchIgnoringCaseAndKeepsThePageLetters)
{
    loadBody(u"<p>ABC one abc two Abc</p>"_s);
    const int before = elementCount();

    EXPECT_EQ(wrapAll(u"abc"_s), (QStringList{u"ABC"_s, u"abc"_s, u"Abc"_s}));

    EXPECT_EQ(elementCount(), before + 3);
    EXPECT_EQ(plainText(), u"ABC one abc two Abc"_s);
    // The spans hold the term again; a new pass finds each exactly once more.
    EXPECT_EQ(wrapAll(u"ABC"_s).size(), 3);
}

TEST_F(DocumentViewTest, findMatchesAcrossElementsAndLineBreaksOfTheSource)
{
    const struct {
        const char* body;
        const char* term;
        bool found;
        const char* matched;
    } cases[] = {
        {"<p>x <b>Qt</b>Widgets y</p>", "qtwidgets", true, "QtWidgets"},
        {"<p>open\n      the   file</p>", "open the file", true, "open\n      the   file"},
        {"<p>中文编程资料</p>", "编程", true, "编程"},
        {"<p>abc</p><script>var hidden = 'needle';</script>", "needle", false, ""},
        {"<p>abc</p>", "abcd", false, ""},
        {"<p>abc</p>", "", false, ""},
    };
    for (const auto& c : cases) {
        loadBody(QString::fromUtf8(c.body));
        const TextRangeId id = bodyRange();
        ASSERT_FALSE(id.isEmpty());
        EXPECT_EQ(find(id, QString::fromUtf8(c.term)), c.found) << c.body;
        if (c.found) {
            EXPECT_EQ(rangeText(id), QString::fromUtf8(c.matched)) << c.body;
        }
    }
}

TEST_F(DocumentViewTest, pastedHtmlIsSkippedByTheNextFind)
{
    loadBody(u"<p>ab and ab</p>"_s);
    const TextRangeId id = bodyRange();
    ASSERT_TRUE(find(id, u"ab"_s));
    // The replacement holds the term twice; the search must go on behind it.
    ASSERT_TRUE(paste(id, u"<b>ab ab</b>"_s));
    ASSERT_TRUE(collapse(id, false));
    ASSERT_TRUE(find(id, u"ab"_s));
    ASSERT_TRUE(paste(id, u"<i>AB</i>"_s));
    EXPECT_FALSE(find(id, u"ab"_s));
    EXPECT_EQ(plainText(), u"ab ab and AB"_s);
}

TEST_F(DocumentViewTest, rangeBoundariesMoveByCharactersWithinTheBody)
{
    loadBody(u"<p>0123456789<b>abc</b>defghij</p>"_s);
    const TextRangeId id = bodyRange();
    ASSERT_TRUE(find(id, u"abc"_s));
    ASSERT_TRUE(moveStart(id, -3));
    ASSERT_TRUE(moveEnd(id, 2));
    EXPECT_EQ(rangeText(id), u"789abcde"_s);

    ASSERT_TRUE(moveStart(id, -1000));
    ASSERT_TRUE(moveEnd(id, 1000));
    EXPECT_EQ(rangeText(id), u"0123456789abcdefghij"_s);

    ASSERT_TRUE(collapse(id, true));
    EXPECT_EQ(rangeText(id), u""_s);
    ASSERT_TRUE(find(id, u"J"_s));
    EXPECT_EQ(rangeText(id), u"j"_s);
}

TEST_F(DocumentViewTest, rangeOfAnEarlierPageNamesNothing)
{
    loadBody(u"<p>alpha</p>"_s);
    const TextRangeId old = bodyRange();
    ASSERT_FALSE(old.isEmpty());
    loadBody(u"<p>alpha</p>"_s);
    EXPECT_FALSE(find(old, u"alpha"_s));
    EXPECT_EQ(rangeText(old), u""_s);
    EXPECT_NE(bodyRange(), old);
}

TEST_F(DocumentViewTest, selectionTextAndEmptyingIt)
{
    loadBody(u"<p>first line</p><p>second line</p>"_s);
    const TextRangeId word = bodyRange();
    ASSERT_TRUE(find(word, u"SECOND"_s));
    ASSERT_TRUE(select(word));
    EXPECT_EQ(selectionText(), u"second"_s);

    const TextRangeId all = bodyRange();
    ASSERT_TRUE(select(all));
    const QString both = selectionText();
    EXPECT_TRUE(both.startsWith(u"first line\r\n"_s)) << both.toStdString();
    EXPECT_TRUE(both.endsWith(u"second line"_s)) << both.toStdString();

    m_view.emptySelection();
    EXPECT_EQ(selectionText(), u""_s);
}

TEST_F(DocumentViewTest, scrollByMovesRelativelyAndStopsAtThePageEnds)
{
    loadBody(u"<div style='height:5000px'>tall</div>"_s);
    scrollBy(0, 120);
    EXPECT_EQ(scrollPosition().y(), 120);
    scrollBy(0, 2000000);
    const int bottom = scrollPosition().y();
    EXPECT_GT(bottom, 4000);
    EXPECT_LT(bottom, 5100);
    scrollBy(0, -2000000);
    EXPECT_EQ(scrollPosition().y(), 0);
}

TEST_F(DocumentViewTest, pageWithoutDeclaredEncodingIsReadAsGbk)
{
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(lib() + u"/pic.jpg"_s, "JPG"));
    // Mostly code and one Chinese word whose GBK bytes also read as UTF-8:
    // left to guess, the browser takes it for UTF-8.
    load(u"gbk.htm"_s, gbk::encode(QStringLiteral(
                        "<html><body><p>int total = 0; // 说</p>"
                        "<p id=cs></p><p id=pic>no picture</p>"
                        "<img src='pic.jpg' onload=\"document.getElementById('pic').textContent = 'picture shown'\">"
                        "<script>document.getElementById('cs').textContent = document.characterSet;</script>"
                        "</body></html>")));
    const QString text = plainText();
    EXPECT_TRUE(text.contains(QStringLiteral("int total = 0; // 说"))) << text.toStdString();
    EXPECT_TRUE(text.contains(u"GBK"_s)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"picture shown"_s)) << "relative files of the page still load";
    EXPECT_EQ(m_view.location(), QUrl::fromLocalFile(lib() + u"/gbk.htm"_s));

    // A page that names its encoding keeps it.
    load(u"utf8.htm"_s, QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>中文</body></html>").toUtf8());
    EXPECT_EQ(plainText(), QStringLiteral("中文"));
}

TEST_F(DocumentViewTest, largePagesWithoutDeclaredEncodingKeepTheirChineseText)
{
    // Past 2 MiB, where pages once fell back to the browser's guess.
    const auto largePage = [](const QString& tail) {
        QString html = QStringLiteral("<html><body><p>开头的中文</p><p id=cs></p>");
        const QString line = QStringLiteral("<p>int total = 0; for (int i = 0; i < n; ++i) total += i; // 第%1行说明</p>\n");
        for (int i = 0; html.size() < 2300 * 1024; ++i) html += line.arg(i);
        return html + QStringLiteral("<p>%1</p><script>document.getElementById('cs').textContent = "
                                     "document.characterSet;</script></body></html>").arg(tail);
    };
    const struct {
        const char* name;
        QByteArray bytes;
        const char* charset;
    } cases[] = {
        {"large-gbk.htm", gbk::encode(largePage(QStringLiteral("结尾的中文 GBK"))), "GBK"},
        {"large-utf8.htm", largePage(QStringLiteral("结尾的中文 UTF-8")).toUtf8(), "UTF-8"},
    };
    for (const auto& c : cases) {
        ASSERT_GT(c.bytes.size(), 2 * 1024 * 1024) << c.name;
        load(QString::fromLatin1(c.name), c.bytes);
        const QString text = plainText();
        EXPECT_TRUE(text.startsWith(QStringLiteral("开头的中文\r\n"))) << c.name;
        EXPECT_TRUE(text.contains(QStringLiteral("// 第1000行说明"))) << c.name;
        EXPECT_TRUE(text.contains(QStringLiteral("结尾的中文 ") + QString::fromLatin1(c.charset))) << c.name;
        EXPECT_TRUE(text.contains(QStringLiteral("\r\n%1\r\n").arg(QString::fromLatin1(c.charset)))) << c.name;
    }
}

TEST_F(DocumentViewTest, pageScriptsCanNeitherReplaceTheOperationsNorShowTheContextMenu)
{
    loadBody(u"<p id=out>waiting</p><script>"
             "window.kelvorPage = {plainText: function () { return 'forged'; }};"
             "var e = new MouseEvent('contextmenu', {bubbles: true, cancelable: true});"
             "document.body.dispatchEvent(e);"
             "document.getElementById('out').textContent = e.defaultPrevented ? 'menu refused' : 'menu shown';"
             "</script>"_s);
    EXPECT_EQ(plainText(), u"menu refused"_s);
}

TEST_F(DocumentViewTest, picturesAndMissingFilesComplete)
{
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const QString jpg = lib() + u"/001.jpg"_s;
    ASSERT_TRUE(picture.save(jpg, "JPG"));

    QSignalSpy complete(&m_view, &DocumentView::documentComplete);
    m_view.navigate(jpg);
    ASSERT_TRUE(complete.wait(30000));
    EXPECT_TRUE(complete.takeFirst().at(0).toBool());
    EXPECT_EQ(m_view.location(), QUrl::fromLocalFile(jpg));
    EXPECT_GT(elementCount(), 0);

    m_view.navigate(lib() + u"/missing.htm"_s);
    ASSERT_TRUE(complete.wait(30000));
    EXPECT_FALSE(complete.takeFirst().at(0).toBool());

    m_view.navigate(lib() + u"/missing.jpg"_s);
    ASSERT_TRUE(complete.wait(30000));
    EXPECT_FALSE(complete.takeFirst().at(0).toBool()) << "a missing picture fails like any missing file";
}

TEST_F(DocumentViewTest, pagesAskedForInQuickSuccessionEndOnTheLastOne)
{
    using namespace Qt::StringLiterals;
    // Each row: the pages asked for one right after the other once a.htm is
    // shown, as the report walk opens records and then shows its report.
    struct Case {
        const char* name;
        QStringList pages;
        int pauseMs;  // between two asks: the earlier load is under way
    };
    const QList<Case> cases = {
        {"two pages at once", {u"b.htm"_s, u"c.htm"_s}, 0},
        {"two pages", {u"b.htm"_s, u"c.htm"_s}, 2},
        {"three pages", {u"b.htm"_s, u"c.htm"_s, u"d.htm"_s}, 5},
        {"the same page twice, then another", {u"b.htm"_s, u"b.htm"_s, u"d.htm"_s}, 5},
        {"the same page twice", {u"b.htm"_s, u"b.htm"_s}, 5},
        {"back to the page on show", {u"b.htm"_s, u"a.htm"_s}, 5},
        {"slower asks", {u"b.htm"_s, u"c.htm"_s, u"d.htm"_s}, 15},
    };
    for (const QString& name : {u"a.htm"_s, u"b.htm"_s, u"c.htm"_s, u"d.htm"_s})
        test::writeFixture(lib() + u"/"_s + name,
                           "<html><head><meta charset=\"utf-8\"></head><body>page " + name.toUtf8() + "</body></html>");
    for (const Case& c : cases) {
        ASSERT_TRUE(loadPage(m_view, lib() + u"/a.htm"_s)) << c.name;
        QSignalSpy complete(&m_view, &DocumentView::documentComplete);
        for (qsizetype i = 0; i < c.pages.size(); ++i) {
            if (i > 0) QTest::qWait(c.pauseMs);
            m_view.navigate(lib() + u"/"_s + c.pages[i]);
        }
        // On a busy machine a pause can outlast a whole load: an earlier page
        // that ended before the next ask was the page asked for then, and its
        // end counts. Only what ends after the last ask must be that page alone.
        complete.clear();
        const QUrl last = QUrl::fromLocalFile(lib() + u"/"_s + c.pages.back());
        EXPECT_TRUE(m_view.isLoading()) << c.name;
        // The loads the later ones replaced end too, and meanwhile the view may
        // fall back to the page it showed: neither ends the loading or names the page.
        QSet<QString> named;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                named << m_view.location().fileName();
                return !m_view.isLoading();
            },
            30000))
            << c.name;
        EXPECT_EQ(named, QSet<QString>{c.pages.back()}) << c.name;
        EXPECT_EQ(plainText(), u"page "_s + c.pages.back()) << c.name;
        // A late end of a replaced load changes nothing either.
        QTest::qWait(300);
        EXPECT_EQ(m_view.location().toString(), last.toString()) << c.name;
        EXPECT_FALSE(m_view.isLoading()) << c.name;
        ASSERT_EQ(complete.size(), 1) << c.name;
        EXPECT_TRUE(complete.front().at(0).toBool()) << c.name;
    }
}

}  // namespace
}  // namespace kelvor
