// The import end to end: a fixture folder and a fixture docset into a small
// library, then what the library holds afterwards.

#include "importfixture.h"

#include "authoring/commandline.h"
#include "import/libraryimport.h"
#include "library/database.h"
#include "library/gbk.h"
#include "support/testlibrary.h"
#include "viewer/sourceextractor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <unistd.h>

namespace kelvor::importing {
namespace {

using test::FixtureDocset;
using test::FixtureHtmlFolder;
using test::TestLibrary;

struct Rec {
    QString code, name, link, eee, mark, cc;
};

// A library that already holds a folder and a document of its own.
class ImportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CentreRecord folder;
        folder.xxbh = QStringLiteral("10121011");
        folder.name = QStringLiteral("已有栏目");
        CentreRecord document;
        document.xxbh = QStringLiteral("101210110001");
        document.name = QStringLiteral("已有文档");
        document.link = QStringLiteral("jsold");
        document.eee = QStringLiteral("1");
        library.addRecords(QStringLiteral("jszx"), {folder, document});
    }

    ImportSummary run(const QString& source, const QString& title = {}, const QString& centre = {})
    {
        return importDocumentation({library.dataRoot(), source, centre, title});
    }

    std::vector<Rec> records(const QString& prefix, const QString& table = QStringLiteral("jszx"),
                             DatabaseRole role = DatabaseRole::Content)
    {
        auto db = library.open(role);
        std::vector<Rec> out;
        for (const Row& r : db->query(QStringLiteral("select xxbh, name, link, eee, mark, cc from %1 where "
                                                     "substr(xxbh, 1, ?) = ? order by xxbh")
                                          .arg(table),
                                      {prefix.size(), prefix}))
            out.push_back({r.text(0), r.text(1), r.text(2), r.text(3), r.text(4), r.text(5)});
        return out;
    }

    QByteArray document(const QString& folder, const QString& code)
    {
        QFile file(library.dataRoot() + QStringLiteral("/") + folder + QLatin1Char('/') + code + QStringLiteral(".htm"));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    TestLibrary library;
};

TEST_F(ImportTest, HtmlFolderBecomesRecordsInTheCentresScheme)
{
    FixtureHtmlFolder source;
    const ImportSummary s = run(source.path(), QStringLiteral("Fixture"));
    const QString c = QStringLiteral("10121012");  // the first level-1 code after the ones in use
    ASSERT_EQ(s.code, c);
    EXPECT_EQ(s.pages, 6);
    EXPECT_EQ(s.skipped, (std::map<QString, int>{{QStringLiteral("not an HTML page"), 1},
                                                  {QStringLiteral("over 20 MB"), 1},
                                                  {QStringLiteral("link pointing outside SOURCE"), 1}}));
    EXPECT_EQ(s.sourceParagraphs, 1);
    EXPECT_EQ(s.filesCopied, 2);
    EXPECT_EQ(s.missingLinks, 1);
    EXPECT_EQ(s.foldedFolders, 2);

    struct Expected {
        QString code, name;
        bool document;
        bool source;
    };
    const Expected expected[] = {
        {c, QStringLiteral("Fixture"), false, false},
        {c + QStringLiteral("0001"), QStringLiteral("Fixture Docs"), true, false},  // index.html first
        {c + QStringLiteral("0002"), QStringLiteral("Broken"), true, false},
        {c + QStringLiteral("0003"), QStringLiteral("guide"), false, false},
        {c + QStringLiteral("00030001"), QStringLiteral("deep"), false, false},
        {c + QStringLiteral("000300010001"), QStringLiteral("C page [a/b]"), true, false},  // folded into level 4
        {c + QStringLiteral("00030002"), QStringLiteral("Intro"), true, true},
        {c + QStringLiteral("0004"), QStringLiteral("无声明"), true, false},
        {c + QStringLiteral("0005"), QStringLiteral("中文"), false, false},
        {c + QStringLiteral("00050001"), QStringLiteral("中文页面"), true, false},
    };
    const auto rows = records(c);
    ASSERT_EQ(rows.size(), std::size(expected));
    for (size_t i = 0; i < rows.size(); ++i) {
        const Expected& e = expected[i];
        EXPECT_EQ(rows[i].code, e.code);
        EXPECT_EQ(rows[i].name, e.name) << e.code.toStdString();
        EXPECT_EQ(rows[i].link, e.document ? QStringLiteral("imp") + c : QString()) << e.code.toStdString();
        EXPECT_EQ(rows[i].eee.isEmpty(), !e.document) << e.code.toStdString();
        EXPECT_EQ(rows[i].cc.isEmpty(), !e.source) << e.code.toStdString();
    }
    // The centre's own database holds the same rows.
    EXPECT_EQ(records(c, QStringLiteral("jszx"), DatabaseRole::Centre981).size(), rows.size());
    // The title helpers are filled, so prefix searches find the titles.
    auto db = library.open(DatabaseRole::Content);
    EXPECT_EQ(db->scalar(QStringLiteral("select count(*) from jszx where substr(xxbh,1,8) = ? and (namefold is null "
                                        "or namekey is null)"),
                         {c})
                  .toInt(),
              0);

    // Visible text only: no script, no navigation.
    const QString indexMark = rows[1].mark;
    EXPECT_TRUE(indexMark.contains(QStringLiteral("Read the introduction and its setup")));
    EXPECT_FALSE(indexMark.contains(QStringLiteral("NAVTEXT")));
    EXPECT_FALSE(indexMark.contains(QStringLiteral("BARTEXT")));
    EXPECT_FALSE(indexMark.contains(QStringLiteral("SCRIPTTEXT")));
    EXPECT_TRUE(rows[6].mark.contains(QStringLiteral("return 0; // 中 <end>")));
    EXPECT_TRUE(rows[7].mark.contains(QStringLiteral("简体中文页面")));  // GBK without a declaration
    EXPECT_TRUE(rows[9].mark.contains(QStringLiteral("你好，世界")));
}

TEST_F(ImportTest, PagesKeepWorkingLinksCodeAndFilesInTheLibrary)
{
    FixtureHtmlFolder source;
    const ImportSummary s = run(source.path(), QStringLiteral("Fixture"));
    const QString folder = s.documentFolder;
    const QString intro = s.code + QStringLiteral("00030002");

    const QByteArray index = document(folder, s.code + QStringLiteral("0001"));
    EXPECT_TRUE(index.contains("href=\"" + intro.toUtf8() + ".htm\""));
    EXPECT_TRUE(index.contains("href=\"" + intro.toUtf8() + ".htm#setup\""));
    EXPECT_TRUE(index.contains("href=\"https://example.org/docs\""));
    EXPECT_TRUE(index.contains("href=\"#top\""));
    EXPECT_TRUE(index.contains("href=\"files/css/site.css\""));
    EXPECT_TRUE(index.contains("src=\"files/img/logo.png\""));
    EXPECT_TRUE(index.startsWith("<!DOCTYPE html><meta charset=\"utf-8\">"));
    EXPECT_EQ(index.count("charset"), 1);

    // The code block as the viewer reads it: one paragraph, line by line, ASCII only.
    const QByteArray page = document(folder, intro);
    EXPECT_TRUE(page.contains("\n<p class=a2>int main() {<br>\n"
                              "&nbsp;&nbsp;&nbsp;&nbsp;return 0;&nbsp;&nbsp;// &#20013; &lt;end&gt;<br>\n"
                              "}</p>\n"))
        << page.toStdString();
    EXPECT_FALSE(page.contains("<pre"));
    // What the viewer's source extraction collects from the file: the code, whole.
    const CollectedSource collected = collectSource(documentLines(page));
    ASSERT_TRUE(collected.found);
    EXPECT_EQ(collected.pageText,
              QStringLiteral("\r\n<p class=a2>int main() {<br>"
                             "\r\n&nbsp;&nbsp;&nbsp;&nbsp;return 0;&nbsp;&nbsp;// &#20013; &lt;end&gt;<br>"
                             "\r\n}</p>\r\n"));
    EXPECT_TRUE(page.contains("href=\"" + s.code.toUtf8() + "0001.htm\""));  // ../index.html
    EXPECT_TRUE(page.contains("href=\"#\">gone"));                            // a page that does not exist
    // A link to a linked name of a page leads to that page's record.
    EXPECT_TRUE(document(folder, s.code + QStringLiteral("000300010001"))
                    .contains("href=\"" + s.code.toUtf8() + "0001.htm\">home"));

    const QString root = library.dataRoot() + QLatin1Char('/') + folder;
    EXPECT_TRUE(QFileInfo(root + QStringLiteral("/files/img/logo.png")).isFile());
    QFile css(root + QStringLiteral("/files/css/site.css"));
    ASSERT_TRUE(css.open(QIODevice::ReadOnly));
    EXPECT_EQ(css.readAll(), QByteArray("body { background: url(../img/logo.png); }\n"));

    // A UTF-8 page stays UTF-8 and says so.
    const QByteArray chinese = document(folder, s.code + QStringLiteral("00050001"));
    EXPECT_TRUE(chinese.contains(QStringLiteral("你好，世界").toUtf8()));
    EXPECT_EQ(chinese.count("charset"), 1);
    // A GBK page without a declaration is now UTF-8 with one.
    EXPECT_TRUE(document(folder, s.code + QStringLiteral("0004")).contains(QStringLiteral("简体中文页面").toUtf8()));
}

TEST_F(ImportTest, ReimportReplacesOnlyItsOwnFolder)
{
    FixtureHtmlFolder source;
    const ImportSummary first = run(source.path(), QStringLiteral("Fixture"));
    const ImportSummary other = run(source.path(), QStringLiteral("Another"));
    EXPECT_NE(other.code, first.code);
    const auto otherRows = records(other.code);
    const auto otherFiles = test::filesUnder(library.dataRoot() + QLatin1Char('/') + other.documentFolder);

    source.remove(QStringLiteral("broken.html"));
    const ImportSummary again = run(source.path(), QStringLiteral("Fixture"));
    EXPECT_TRUE(again.replaced);
    EXPECT_EQ(again.code, first.code);
    EXPECT_EQ(again.pages, 5);
    const auto rows = records(first.code);
    EXPECT_EQ(rows.size(), 9u);
    for (const Rec& r : rows) EXPECT_NE(r.name, QStringLiteral("Broken"));
    EXPECT_EQ(records(QStringLiteral("10121011")).size(), 2u);  // the library's own records
    EXPECT_EQ(records(other.code).size(), otherRows.size());
    EXPECT_EQ(test::filesUnder(library.dataRoot() + QLatin1Char('/') + other.documentFolder), otherFiles);
    // Files of the old import that the new one does not write are gone.
    const QString root = library.dataRoot() + QLatin1Char('/') + first.documentFolder;
    EXPECT_EQ(QDir(root).entryList({QStringLiteral("*.htm")}, QDir::Files).size(), 5);
    // Nothing of the staging is left behind.
    EXPECT_TRUE(QDir(library.layout().libraryFolder()).entryList({QStringLiteral(".kelvor-import*")},
                                                                  QDir::AllEntries | QDir::Hidden)
                    .isEmpty());
}

TEST_F(ImportTest, DocsetEntriesBecomeRecordsByType)
{
    FixtureDocset docset;
    const ImportSummary s = run(docset.path());
    EXPECT_EQ(s.title, QStringLiteral("Fixture Kit"));
    EXPECT_EQ(s.skipped, (std::map<QString, int>{{QStringLiteral("docset entry naming no page of the docset"), 2}}));
    const QString c = s.code;
    const std::vector<std::pair<QString, QString>> expected = {
        {c, QStringLiteral("Fixture Kit")},
        {c + QStringLiteral("0001"), QStringLiteral("Class")},
        {c + QStringLiteral("00010001"), QStringLiteral("Alpha")},
        {c + QStringLiteral("00010002"), QStringLiteral("Beta")},
        {c + QStringLiteral("00010003"), QStringLiteral("Evil'); drop table searchIndex; --")},
        {c + QStringLiteral("0002"), QStringLiteral("Method")},
        {c + QStringLiteral("00020001"), QStringLiteral("Alpha::run")},
        {c + QStringLiteral("0003"), QStringLiteral("其他页面")},
        {c + QStringLiteral("00030001"), QStringLiteral("Other page")},
    };
    const auto rows = records(c);
    ASSERT_EQ(rows.size(), expected.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].code, expected[i].first);
        EXPECT_EQ(rows[i].name, expected[i].second);
    }
    EXPECT_FALSE(rows[2].cc.isEmpty());  // the line blocks of a generator are source paragraphs
    // The second entry of a page leads to the first one's page.
    EXPECT_TRUE(document(s.documentFolder, c + QStringLiteral("00010003"))
                    .contains("url=" + c.toUtf8() + "00010002.htm\""));
    // An entry with an anchor opens its page there.
    EXPECT_TRUE(document(s.documentFolder, c + QStringLiteral("00020001"))
                    .contains("url=" + c.toUtf8() + "00010001.htm#run\""));
    const QByteArray alpha = document(s.documentFolder, c + QStringLiteral("00010001"));
    EXPECT_TRUE(alpha.contains("<p class=a2>alpha.run();<br>\n&nbsp;&nbsp;done();</p>")) << alpha.toStdString();
    EXPECT_TRUE(alpha.contains("href=\"" + c.toUtf8() + "00010002.htm\""));
}

TEST_F(ImportTest, BadInputLeavesTheLibraryAsItWas)
{
    FixtureHtmlFolder good;
    QTemporaryDir scratch;
    const QString empty = scratch.filePath(QStringLiteral("empty"));
    QDir().mkpath(empty + QStringLiteral("/sub"));
    QFile(empty + QStringLiteral("/notes.txt")).open(QIODevice::WriteOnly);
    const QString notALibrary = scratch.filePath(QStringLiteral("nolib"));
    QDir().mkpath(notALibrary);
    const QString corrupt = scratch.filePath(QStringLiteral("corrupt"));
    {
        QDir().mkpath(corrupt + QStringLiteral("/kelvor/9800990069"));
        QFile f(corrupt + QStringLiteral("/kelvor/9800990069/kvjs.mdb"));
        f.open(QIODevice::WriteOnly);
        f.write("this is not a database");
    }
    const QString badDocset = scratch.filePath(QStringLiteral("bad.docset"));
    QDir().mkpath(badDocset + QStringLiteral("/Contents/Resources/Documents"));
    {
        QFile page(badDocset + QStringLiteral("/Contents/Resources/Documents/a.html"));
        page.open(QIODevice::WriteOnly);
        page.write("<html><title>a</title></html>");
        QFile index(badDocset + QStringLiteral("/Contents/Resources/docSet.dsidx"));
        index.open(QIODevice::WriteOnly);
        index.write("garbage, not SQLite");
    }

    struct Case {
        const char* what;
        QString root;
        QString source;
        QString centre;
        const char* message;
    };
    const Case cases[] = {
        {"missing source", library.dataRoot(), scratch.filePath(QStringLiteral("none")), {}, "does not exist"},
        {"source is a file", library.dataRoot(), empty + QStringLiteral("/notes.txt"), {}, "is not a folder"},
        {"no HTML page", library.dataRoot(), empty, {}, "holds no HTML page"},
        {"not a library", notALibrary, good.path(), {}, "is not a library"},
        {"corrupt library", corrupt, good.path(), {}, "is not a library"},
        {"broken docset index", library.dataRoot(), badDocset, {}, "docset index"},
        {"centre of players", library.dataRoot(), good.path(), QStringLiteral("视频中心"), "does not hold pages"},
        {"unknown centre", library.dataRoot(), good.path(), QStringLiteral("没有"), "no centre"},
    };
    for (const Case& c : cases) {
        const auto before = test::filesUnder(c.root);
        try {
            importDocumentation({c.root, c.source, c.centre, {}});
            ADD_FAILURE() << c.what << ": no error";
        } catch (const ImportError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.message))) << c.what << ": " << e.what();
        }
        EXPECT_EQ(test::filesUnder(c.root), before) << c.what;
    }
}

TEST_F(ImportTest, FullCentreIsRefusedWithAReason)
{
    std::vector<CentreRecord> folders;
    for (int n = 0; n <= 99; ++n) {
        CentreRecord folder;
        folder.xxbh = QStringLiteral("101221%1").arg(n, 2, 10, QLatin1Char('0'));
        folder.name = QStringLiteral("x");
        folders.push_back(folder);
    }
    library.addRecords(QStringLiteral("slzx"), folders);
    FixtureHtmlFolder source;
    const auto before = test::filesUnder(library.dataRoot());
    try {
        run(source.path(), {}, QStringLiteral("实例中心"));
        ADD_FAILURE() << "imported into a full centre";
    } catch (const ImportError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("no free top-level code"))) << e.what();
    }
    EXPECT_EQ(test::filesUnder(library.dataRoot()), before);
}

TEST_F(ImportTest, CancelAndReadOnlyLibraryLeaveItAsItWas)
{
    FixtureHtmlFolder source;
    const auto before = test::filesUnder(library.dataRoot());
    std::atomic_bool cancel{false};
    EXPECT_THROW(importDocumentation({library.dataRoot(), source.path(), {}, {}},
                                     [&](const ImportProgress& p) {
                                         if (p.pagesDone >= 2) cancel = true;
                                     },
                                     &cancel),
                 ImportCancelled);
    EXPECT_EQ(test::filesUnder(library.dataRoot()), before);

    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    const QString folder = library.layout().libraryFolder();
    const auto perms = QFile::permissions(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_THROW(run(source.path()), ImportError);
    QFile::setPermissions(folder, perms);
    EXPECT_EQ(test::filesUnder(library.dataRoot()), before);
}

TEST_F(ImportTest, CommandLineReportsAndFails)
{
    FixtureHtmlFolder source;
    struct Case {
        QStringList args;
        int exit;
        const char* output;  // in stdout (exit 0) or stderr
    };
    const QString root = library.dataRoot();
    const Case cases[] = {
        {{QStringLiteral("import"), QStringLiteral("--help")}, 0, "--centre CODE-OR-CAPTION"},
        {{QStringLiteral("import"), root}, 2, "missing SOURCE"},
        {{QStringLiteral("import"), root, source.path(), QStringLiteral("--title")}, 2, "--title needs a value"},
        {{QStringLiteral("import"), root, source.path(), QStringLiteral("--verbose")}, 2, "unknown option"},
        {{QStringLiteral("import"), root, source.path() + QStringLiteral("x")}, 1, "does not exist"},
        {{QStringLiteral("import"), root, source.path(), QStringLiteral("--centre"), QStringLiteral("101221"),
          QStringLiteral("--title=文档")},
         0, "Imported \"文档\" in 实例中心 (code 10122111): 6 pages"},
    };
    for (const Case& c : cases) {
        QString outText, errText;
        QTextStream out(&outText), err(&errText);
        EXPECT_EQ(authoring::runCommandLine(c.args, out, err), c.exit) << c.args.join(QLatin1Char(' ')).toStdString();
        const QString& where = c.exit == 0 ? outText : errText;
        EXPECT_TRUE(where.contains(QString::fromUtf8(c.output))) << where.toStdString();
    }
}

}  // namespace
}  // namespace kelvor::importing
