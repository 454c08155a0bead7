// Library pages come from others and are untrusted: each page of this
// fixture tries one way out of the library and reports what it got into its
// own text. None may read a file outside the library, reach the network,
// move the view away or open a window.

#include "viewer/documentview.h"

#include "pagewait.h"

#include "library/gbk.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "qtprinters.h"
#include "eventwait.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace kelvor {
namespace {

using test::answerOf;
using test::loadPage;

constexpr int kDeadlineMs = 15000;
const QByteArray kSecret = "kelvor-secret-beside-the-library";

// Reports the outcome of `attempt` (a script expression giving a promise of
// a text) into the page; a rejected attempt reports "blocked".
QByteArray attemptPage(const QByteArray& attempt)
{
    return "<html><head><meta charset=utf-8></head><body><p id=out>waiting</p><script>"
           "function report(t) { document.getElementById('out').textContent = t; }"
           "Promise.resolve().then(function () { return " +
           attempt +
           "; }).then(function (t) { report('read:' + t); }, function () { report('blocked'); });"
           "</script></body></html>";
}

QByteArray xhr(const QByteArray& url)
{
    return "new Promise(function (ok, fail) { var r = new XMLHttpRequest(); r.open('GET', '" + url +
           "'); r.onload = function () { ok(r.responseText); }; r.onerror = fail; r.send(); })";
}

QByteArray fetchText(const QByteArray& url)
{
    return "fetch('" + url + "').then(function (r) { return r.ok ? r.text() : Promise.reject(); })";
}

// An iframe's text, when the page can read it; a frame that never loads,
// that the page cannot read or that stays empty holds nothing it can use.
QByteArray frameText(const QByteArray& url)
{
    return "new Promise(function (ok, fail) { var f = document.createElement('iframe'); f.src = '" + url +
           "'; f.onload = function () { try { var t = f.contentDocument.body.innerText;"
           " t ? ok(t) : fail(); } catch (e) { fail(); } }; setTimeout(fail, 1500);"
           " document.body.appendChild(f); })";
}

// Tries to move the view, then reports that it is still here.
QByteArray leavePage(const QByteArray& leave)
{
    return "<html><head><meta charset=utf-8></head><body><p id=out>waiting</p>"
           "<form id=f method=post action='https://example.com/collect'><input name=q value=x></form><script>"
           "setTimeout(function () { " +
           leave +
           " }, 10);"
           "setTimeout(function () { document.getElementById('out').textContent = 'still here'; }, 800);"
           "</script></body></html>";
}

class ConfinementTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid() && m_outside.isValid());
        QDir().mkpath(lib());
        QDir().mkpath(QFileInfo(m_layout.placeholderPicture()).absolutePath());
        QImage picture(20, 20, QImage::Format_RGB32);
        picture.fill(Qt::gray);
        ASSERT_TRUE(picture.save(m_layout.placeholderPicture(), "JPG"));
        // A file beside the library folder, and a folder elsewhere that a
        // link inside the library leads to.
        test::writeFixture(m_root.path() + u"/secret.txt"_s, kSecret);
        test::writeFixture(m_outside.path() + u"/secret.htm"_s, "<p>" + kSecret + "</p>");
        ASSERT_TRUE(QFile::link(m_outside.path(), lib() + u"/linked"_s));
        m_view.resize(400, 300);
        m_view.show();
    }

    QString lib() const { return m_layout.libraryFolder(); }
    QByteArray besideUrl() const { return QUrl::fromLocalFile(m_root.path() + u"/secret.txt"_s).toEncoded(); }

    QString plainText()
    {
        return answerOf<QString>([&](auto done) { m_view.plainText(done); }).value_or(QStringLiteral("<none>"));
    }
    // Loads a fixture page and waits until it has reported.
    QString outcomeOf(const QString& name, const QByteArray& page)
    {
        const QString path = test::writeFixture(lib() + u"/hostile/"_s + name, page);
        if (!loadPage(m_view, path)) return QStringLiteral("<not loaded>");
        QDeadlineTimer deadline(kDeadlineMs);
        QString text = plainText();
        while (text == QLatin1String("waiting") && !deadline.hasExpired()) {
            QTest::qWait(50);
            text = plainText();
        }
        return text;
    }

    QTemporaryDir m_root;
    QTemporaryDir m_outside;
    LibraryLayout m_layout{m_root.path()};
    DocumentView m_view{m_layout};
};

TEST_F(ConfinementTest, pagesReadNoFileOutsideTheLibraryAndNothingFromTheNetwork)
{
    const struct {
        const char* name;
        QByteArray attempt;
    } cases[] = {
        {"xhr-passwd.htm", xhr("file:///etc/passwd")},
        {"fetch-passwd.htm", fetchText("file:///etc/passwd")},
        {"frame-passwd.htm", frameText("file:///etc/passwd")},
        {"xhr-beside.htm", xhr(besideUrl())},
        {"fetch-beside.htm", fetchText(besideUrl())},
        {"frame-beside.htm", frameText(besideUrl())},
        {"fetch-climbing.htm", fetchText("../../secret.txt")},
        {"fetch-climbing-encoded.htm", fetchText("/%2e%2e/secret.txt")},
        {"frame-climbing.htm", frameText("../../secret.txt")},
        {"fetch-through-link.htm", fetchText("../linked/secret.htm")},
        {"frame-through-link.htm", frameText("../linked/secret.htm")},
        {"fetch-other-folder.htm", fetchText("kelvor://mainpage/../kelvor/1999282828/001.jpg")},
        {"fetch-web.htm", fetchText("https://example.com/")},
        {"xhr-local-server.htm", xhr("http://127.0.0.1:1/")},
        {"post-to-library.htm",
         "fetch('own.htm', {method: 'POST', body: 'x'}).then(function (r) { return r.ok ? r.text() : Promise.reject(); })"},
    };
    test::writeFixture(lib() + u"/hostile/own.htm"_s, "<p>own</p>");
    for (const auto& c : cases) {
        const QString outcome = outcomeOf(QString::fromLatin1(c.name), attemptPage(c.attempt));
        EXPECT_EQ(outcome, u"blocked"_s) << c.name;
        EXPECT_FALSE(outcome.contains(QString::fromLatin1(kSecret))) << c.name;
        EXPECT_EQ(m_view.location(), QUrl::fromLocalFile(lib() + u"/hostile/"_s + QString::fromLatin1(c.name))) << c.name;
    }
}

TEST_F(ConfinementTest, pagesReadTheirOwnLibraryFilesAndShowTheirOwnFrames)
{
    // The browser of this Qt offers fetch() on the program's scheme only
    // from Qt 6.6 on; XMLHttpRequest and frames work.
    test::writeFixture(lib() + u"/hostile/data.txt"_s, "library data");
    EXPECT_EQ(outcomeOf(u"xhr-own.htm"_s, attemptPage(xhr("data.txt"))), u"read:library data"_s);
    EXPECT_EQ(outcomeOf(u"frame-own.htm"_s, attemptPage(frameText("data.txt"))), u"read:library data"_s);
}

TEST_F(ConfinementTest, pagesCannotMoveTheViewOutOfTheLibraryNorOpenWindows)
{
    QSignalSpy handedOn(&m_view, &DocumentView::webAddressRequested);
    QSignalSpy followed(&m_view, &DocumentView::libraryPageFollowed);
    const struct {
        const char* name;
        QByteArray leave;
    } cases[] = {
        {"to-file-root.htm", "location = 'file:///';"},
        {"to-file-passwd.htm", "location.href = 'file:///etc/passwd';"},
        {"to-web.htm", "location = 'https://example.com/';"},
        {"to-beside.htm", "location = '" + besideUrl() + "';"},
        {"climbing-link.htm",
         "var a = document.createElement('a'); a.href = '../../secret.txt'; document.body.appendChild(a); a.click();"},
        {"web-link.htm",
         "var a = document.createElement('a'); a.href = 'https://example.com/'; document.body.appendChild(a); a.click();"},
        {"through-link.htm", "location = '../linked/secret.htm';"},
        {"open-web.htm", "window.open('https://example.com/');"},
        {"open-library.htm", "window.open('own.htm');"},
        {"form-outside.htm", "document.getElementById('f').submit();"},
        {"data-page.htm", "location = 'data:text/html,<p>elsewhere</p>';"},
    };
    test::writeFixture(lib() + u"/hostile/own.htm"_s, "<p>own</p>");
    for (const auto& c : cases) {
        const QString name = QString::fromLatin1(c.name);
        EXPECT_EQ(outcomeOf(name, leavePage(c.leave)), u"still here"_s) << c.name;
        EXPECT_EQ(m_view.location(), QUrl::fromLocalFile(lib() + u"/hostile/"_s + name)) << c.name;
    }
    EXPECT_TRUE(handedOn.isEmpty()) << "a page's script hands no address to the desktop";
    EXPECT_TRUE(followed.isEmpty());
}

TEST_F(ConfinementTest, linksBetweenLibraryPagesOpenInTheView)
{
    test::writeFixture(lib() + u"/pages/next.htm"_s, "<html><body><p>next page</p></body></html>");
    QSignalSpy followed(&m_view, &DocumentView::libraryPageFollowed);
    const QString first = test::writeFixture(
        lib() + u"/pages/first.htm"_s, "<html><body><a id=a href='next.htm#part'>next</a>"
                                    "<script>setTimeout(function () { document.getElementById('a').click(); }, 10);"
                                    "</script></body></html>");
    m_view.navigate(first);
    KELVOR_WAIT_EQ(plainText(), QStringLiteral("next page"), kDeadlineMs);
    QUrl expected = QUrl::fromLocalFile(lib() + u"/pages/next.htm"_s);
    expected.setFragment(QStringLiteral("part"));
    EXPECT_EQ(m_view.location(), expected);
    ASSERT_FALSE(followed.isEmpty());
    EXPECT_EQ(followed.first().at(0).toString(), lib() + u"/pages/next.htm"_s);
}

TEST_F(ConfinementTest, unsafeOrMissingDocumentsShowThePlaceholderNeverThePreviousPage)
{
    const QString previous = test::writeFixture(lib() + u"/pages/previous.htm"_s, "<p>previous page</p>");
    const QString placeholder = QUrl::fromLocalFile(m_layout.placeholderPicture()).toString();
    const QString cases[] = {
        lib() + u"/linked/secret.htm"_s,
        lib() + u"/pages/missing.htm"_s,
        lib() + u"/pages/missing.jpg"_s,
        lib() + u"/../secret.txt"_s,
        m_root.path() + u"/secret.txt"_s,
        QStringLiteral("/etc/passwd"),
        QStringLiteral("file:///etc/passwd"),
    };
    for (const QString& path : cases) {
        ASSERT_TRUE(loadPage(m_view, previous));
        ASSERT_TRUE(loadPage(m_view, path)) << path.toStdString();
        EXPECT_EQ(m_view.location().toString(), placeholder) << path.toStdString();
        const QString text = plainText();
        EXPECT_FALSE(text.contains(u"previous page"_s)) << path.toStdString();
        EXPECT_FALSE(text.contains(QString::fromLatin1(kSecret))) << path.toStdString();
    }
}

TEST_F(ConfinementTest, aWebLinkTheUserClicksIsHandedOnAndNotLoaded)
{
    const QString page = test::writeFixture(
        lib() + u"/pages/links.htm"_s,
        "<html><body style='margin:0'><a href='https://example.com/doc' "
        "style='display:block;width:100%;height:300px'>outside</a></body></html>");
    ASSERT_TRUE(loadPage(m_view, page));
    QSignalSpy handedOn(&m_view, &DocumentView::webAddressRequested);
    QWidget* input = m_view.childAt(QPoint(200, 150));
    ASSERT_NE(input, nullptr);
    QTest::mouseClick(input, Qt::LeftButton, {}, input->mapFrom(&m_view, QPoint(200, 150)));
    ASSERT_TRUE(handedOn.wait(kDeadlineMs));
    EXPECT_EQ(handedOn.first().at(0).toUrl(), QUrl(QStringLiteral("https://example.com/doc")));
    EXPECT_EQ(m_view.location(), QUrl::fromLocalFile(page));
    EXPECT_EQ(plainText(), QStringLiteral("outside"));
}

}  // namespace
}  // namespace kelvor
