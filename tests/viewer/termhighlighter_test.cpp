#include "viewer/termhighlighter.h"

#include "pagewait.h"
#include "support/scriptedprompter.h"

#include "viewer/documentview.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>

#include <gtest/gtest.h>

namespace kelvor {
namespace {

using namespace Qt::StringLiterals;
using test::answerOf;

struct Span {
    QString style;
    QString text;
    bool operator==(const Span&) const = default;
};

void PrintTo(const Span& s, std::ostream* os) { *os << s.style.toStdString() << "|" << s.text.toStdString(); }

class TermHighlighterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_view.resize(400, 300);
        m_view.show();
        m_timer.setInterval(300);
    }

    void loadBody(const QString& body)
    {
        const QString path = test::writeFixture(
            m_layout.libraryFolder() + QStringLiteral("/page%1.htm").arg(++m_pages),
            "<html><head><meta charset=\"utf-8\"></head><body>" + body.toUtf8() + "</body></html>");
        ASSERT_TRUE(test::loadPage(m_view, path));
    }

    // Runs in the page's own world, as anyone reading the page sees it.
    QVariant inPage(const QString& script)
    {
        auto* web = m_view.findChild<QWebEngineView*>();
        return answerOf<QVariant>([&](auto done) { web->page()->runJavaScript(script, done); }).value_or(QVariant());
    }

    std::vector<Span> spans()
    {
        const QString json =
            inPage(u"JSON.stringify(Array.from(document.querySelectorAll('span'))"
                   u".map(s => [s.getAttribute('style'), s.textContent]))"_s)
                .toString();
        std::vector<Span> out;
        for (const QJsonValue& v : QJsonDocument::fromJson(json.toUtf8()).array())
            out.push_back({v.toArray().at(0).toString(), v.toArray().at(1).toString()});
        return out;
    }

    QString bodyText() { return inPage(u"document.body.textContent"_s).toString(); }

    int mark(const QString& term, const QString& colour)
    {
        return answerOf<int>([&](auto done) { m_view.markText(term, colour, done); }).value_or(-1);
    }

    // One highlighter tick, waiting for its pass to end when it starts one.
    bool tickAndWait()
    {
        QSignalSpy finished(&m_highlighter, &TermHighlighter::passFinished);
        m_highlighter.tick();
        return !finished.isEmpty() || finished.wait(15000);
    }

    QTemporaryDir m_dir;
    LibraryLayout m_layout{m_dir.path()};
    DocumentView m_view{m_layout};
    QTimer m_timer;
    test::ScriptedPrompter m_prompter;
    HighlightRequest m_request;
    TermHighlighter m_highlighter{m_view, m_timer, m_prompter, [this] { return m_request; }};
    int m_pages = 0;
};

Span red(const QString& text) { return {u"background:RED"_s, text}; }

TEST_F(TermHighlighterTest, MarksEveryMatchInItsOwnLettersIgnoringCase)
{
    const struct {
        const char* what;
        QString body;
        QString term;
        std::vector<Span> spans;
    } cases[] = {
        {"three in mixed case", u"<p>ab xAB-aB</p>"_s, u"ab"_s, {red(u"ab"_s), red(u"AB"_s), red(u"aB"_s)}},
        {"across an element boundary", u"<p>x<b>A</b>b y</p>"_s, u"ab"_s, {red(u"Ab"_s)}},
        {"no match", u"<p>abc</p>"_s, u"abd"_s, {}},
        {"markup characters stay text", u"<p>if a&lt;b then</p>"_s, u"A<B"_s, {red(u"a<b"_s)}},
        {"the search goes on behind each span", u"<p>aaaa</p>"_s, u"aa"_s, {red(u"aa"_s), red(u"aa"_s)}},
        {"Chinese text", u"<p>指针与指针运算</p>"_s, u"指针"_s, {red(u"指针"_s), red(u"指针"_s)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        loadBody(c.body);
        const QString before = bodyText();
        EXPECT_EQ(mark(c.term, u"RED"_s), int(c.spans.size()));
        EXPECT_EQ(spans(), c.spans);
        EXPECT_EQ(bodyText(), before) << "marking changes no letter of the page";
    }
}

TEST_F(TermHighlighterTest, MarkingTheSameTextAgainWrapsTheEarlierSpansInTheNextColour)
{
    loadBody(u"<p>Qt and qt</p>"_s);
    ASSERT_EQ(mark(u"qt"_s, u"green"_s), 2);
    ASSERT_EQ(mark(u"QT"_s, u"blue"_s), 2);
    EXPECT_EQ(spans(), (std::vector<Span>{{u"background:green"_s, u"Qt"_s}, {u"background:blue"_s, u"Qt"_s},
                                          {u"background:green"_s, u"qt"_s}, {u"background:blue"_s, u"qt"_s}}));
}

TEST_F(TermHighlighterTest, APageWithMoreMatchesThanA16BitCountHoldsIsMarkedWhole)
{
    constexpr int kMatches = 33000;
    loadBody(u"<p>"_s + u"ab "_s.repeated(kMatches) + u"</p>"_s);
    EXPECT_EQ(mark(u"ab"_s, u"RED"_s), kMatches);
    EXPECT_EQ(inPage(u"document.querySelectorAll('span').length"_s).toInt(), kMatches);
}

TEST_F(TermHighlighterTest, TheHighlighterMakesOnePassOnlyWhenArmedWithAnOption)
{
    const struct {
        const char* what;
        HighlightRequest request;
        bool passes;
        bool hiddenWhileMarking;
        std::vector<Span> spans;
    } cases[] = {
        {"not armed", {false, 0, u"ab"_s}, false, false, {}},
        {"no option chosen", {true, -1, u"ab"_s}, false, false, {}},
        {"option 0 hides the view while marking", {true, 0, u"ab"_s}, true, true, {red(u"ab"_s), red(u"AB"_s)}},
        {"option 1 marks in sight", {true, 1, u"ab"_s}, true, false, {red(u"ab"_s), red(u"AB"_s)}},
        {"no term: only shows the view", {true, 0, QString()}, true, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        loadBody(u"<p>ab AB</p>"_s);
        m_request = c.request;
        m_timer.start();
        QSignalSpy finished(&m_highlighter, &TermHighlighter::passFinished);
        m_highlighter.tick();
        EXPECT_EQ(m_view.isHidden(), c.hiddenWhileMarking);
        if (c.passes) {
            ASSERT_TRUE(!finished.isEmpty() || finished.wait(15000));
            EXPECT_FALSE(m_timer.isActive()) << "one pass, then the timer is off";
        } else {
            EXPECT_TRUE(m_timer.isActive()) << "the timer keeps running for a later pass";
        }
        EXPECT_FALSE(m_view.isHidden());
        EXPECT_EQ(spans(), c.spans);
        m_timer.stop();
    }
}

TEST_F(TermHighlighterTest, TheHighlighterWaitsForThePageBeingLoaded)
{
    loadBody(u"<p>old page</p>"_s);
    m_request = {true, 1, u"new"_s};
    m_view.navigate(test::writeFixture(m_layout.libraryFolder() + u"/next.htm"_s,
                                       "<html><head><meta charset=\"utf-8\"></head><body><p>brand new</p></body></html>"));
    ASSERT_TRUE(tickAndWait());
    EXPECT_EQ(spans(), (std::vector<Span>{red(u"new"_s)}));
}

TEST_F(TermHighlighterTest, InDocumentSearchAsksAndMarksInTheNextColour)
{
    loadBody(u"<p>alpha beta alpha</p>"_s);
    m_request = {false, 1, QString()};
    m_prompter.inputAnswers = {u"ALPHA"_s, std::nullopt, QString(), u"beta"_s};
    QSignalSpy finished(&m_highlighter, &TermHighlighter::searchFinished);
    for (int i = 0; i < 4; ++i) m_highlighter.searchInDocument();
    for (int wait = 0; wait < 2 && finished.size() < 2; ++wait) finished.wait(15000);
    ASSERT_EQ(finished.size(), 2);
    EXPECT_EQ(m_prompter.questions, QStringList(4, TermHighlighter::searchPrompt()));
    EXPECT_EQ(m_prompter.inputDefaults, QStringList(4, QString())) << "the box opens empty";
    // A cancelled or empty answer marks nothing and takes no colour.
    EXPECT_EQ(finished[0], (QVariantList{u"green"_s, 2}));
    EXPECT_EQ(finished[1], (QVariantList{u"blue"_s, 1}));
    EXPECT_EQ(spans(), (std::vector<Span>{{u"background:green"_s, u"alpha"_s}, {u"background:blue"_s, u"beta"_s},
                                          {u"background:green"_s, u"alpha"_s}}));
}

TEST_F(TermHighlighterTest, UnderOptionZeroTheSearchLeavesThePageAtItsTop)
{
    loadBody(u"<div style='height:5000px'>top</div><p>needle</p>"_s);
    m_request = {false, 0, QString()};
    m_prompter.inputAnswers = {u"needle"_s};
    ASSERT_TRUE(answerOf<bool>([&](auto done) { m_view.scrollBy(0, 1000, [done] { done(true); }); }));
    QSignalSpy finished(&m_highlighter, &TermHighlighter::searchFinished);
    m_highlighter.searchInDocument();
    ASSERT_TRUE(finished.wait(15000));
    EXPECT_EQ(answerOf<QPoint>([&](auto done) { m_view.scrollPosition(done); }), QPoint(0, 0));
    EXPECT_EQ(spans(), (std::vector<Span>{{u"background:green"_s, u"needle"_s}}));
}

TEST_F(TermHighlighterTest, WithoutADocumentNeitherOperationDoesAnything)
{
    DocumentView empty{m_layout};
    QTimer timer;
    test::ScriptedPrompter prompter;
    prompter.inputAnswers = {u"ab"_s};
    TermHighlighter highlighter{empty, timer, prompter, [] { return HighlightRequest{true, 0, u"ab"_s}; }};
    QSignalSpy passes(&highlighter, &TermHighlighter::passFinished);
    timer.start();
    highlighter.tick();
    highlighter.searchInDocument();
    EXPECT_TRUE(passes.isEmpty());
    EXPECT_TRUE(timer.isActive()) << "the pass waits for a page";
    EXPECT_TRUE(prompter.questions.isEmpty());
    EXPECT_EQ(answerOf<int>([&](auto done) { empty.markText(u"ab"_s, u"RED"_s, done); }), 0);
}

TEST(SearchColourCycle, TenColoursThenLimeThenGreenAgain)
{
    const QStringList expected = {u"green"_s, u"blue"_s, u"Yellow"_s, u"Magenta"_s, u"Cyan"_s, u"lightskyblue"_s,
                                  u"coral"_s, u"plum"_s, u"peru"_s, u"Gray"_s, u"lime"_s, u"lime"_s,
                                  u"lime"_s, u"lime"_s, u"lime"_s, u"green"_s, u"blue"_s};
    SearchColourCycle cycle;
    QStringList got;
    for (int i = 0; i < expected.size(); ++i) got << cycle.next();
    EXPECT_EQ(got, expected);
    EXPECT_EQ(cycle.position(), 2);
}

}  // namespace
}  // namespace kelvor
