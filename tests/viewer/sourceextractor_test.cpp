#include "viewer/sourceextractor.h"

#include "library/gbk.h"
#include "viewer/libraryscheme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "qtprinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace kelvor {
namespace {

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class SourceExtractorTest : public ::testing::Test {
protected:
    LibraryLayout layout() const { return LibraryLayout(m_root.path()); }
    QString document(const QString& name) const { return m_root.path() + u"/kelvor/docs/"_s + name; }
    QString writeDocument(const QString& name, const QString& text) const
    {
        const QString path = document(name);
        writeBytes(path, gbk::encode(text));
        return path;
    }
    QString sourcePage() const { return layout().sourcePage(); }

    QTemporaryDir m_root;
};

struct ExtractionCase {
    const char* name;
    const char* document;  // as it stands in the file
    bool found;
    const char* page;  // expected source page when found
};

class SourceExtractionCases : public SourceExtractorTest, public ::testing::WithParamInterface<ExtractionCase> {};

TEST_P(SourceExtractionCases, writesTheCollectedLinesAsTheSourcePage)
{
    const ExtractionCase& c = GetParam();
    const QString path = writeDocument(u"00000001.htm"_s, QString::fromUtf8(c.document));

    const SourceExtraction result = SourceExtractor(layout()).extract(path);

    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.sourceFound, c.found);
    if (c.found) {
        EXPECT_EQ(result.sourcePagePath, sourcePage());
        // The page is stored in the library's code page, not as UTF-8.
        EXPECT_EQ(readBytes(sourcePage()), gbk::encode(QString::fromUtf8(c.page)));
    } else {
        EXPECT_TRUE(result.sourcePagePath.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Documents, SourceExtractionCases,
    ::testing::Values(
        ExtractionCase{"singleLineParagraph",
                       "<html>\r\n<p>intro</p>\r\n<p class=a2>int x = 1;</p>\r\n<p>after</p>\r\n",
                       true, "\r\n<p class=a2>int x = 1;</p>\r\n"},
        ExtractionCase{"multiLineParagraphUpToFirstClosingLine",
                       "<p class=a3>int main()\r\n{\r\n  return 0;\r\n}</p>\r\nnot source</p>\r\n", true,
                       "\r\n<p class=a3>int main()\r\n{\r\n  return 0;\r\n}</p>\r\n"},
        ExtractionCase{"lineClosingOneAndOpeningAnotherIsCollectedTwice",
                       "<p class=a2>first\r\n<p class=a3>second</p>\r\n<p>plain</p>\r\n", true,
                       "\r\n<p class=a2>first\r\n<p class=a3>second</p>\r\n<p class=a3>second</p>\r\n"},
        ExtractionCase{"openingLineInsideAParagraphKeepsCollecting",
                       "<p class=a2>a\n<p class=a3>b\nc</p>\nd\n", true,
                       "\r\n<p class=a2>a\r\n<p class=a3>b\r\n<p class=a3>b\r\nc</p>\r\n"},
        ExtractionCase{"lfOnlyLinesAndNoFinalLineBreak", "<p class=a2>x</p>\n<p class=a2>y</p>", true,
                       "\r\n<p class=a2>x</p>\r\n<p class=a2>y</p>\r\n"},
        ExtractionCase{"otherClassesAndCapitalsAreNotSource",
                       "<p class=a1>x</p>\r\n<P class=a2>y</p>\r\n<p class=\"a2\">z</p>\r\n", false, ""},
        ExtractionCase{"noParagraphAtAll", "", false, ""},
        ExtractionCase{"chineseTextRoundTrip", "<p class=a2>// 计算总和：中文注释</p>\r\n<p>说明</p>\r\n", true,
                       "\r\n<p class=a2>// 计算总和：中文注释</p>\r\n"}),
    [](const ::testing::TestParamInfo<ExtractionCase>& info) { return std::string(info.param.name); });

TEST_F(SourceExtractorTest, pageStartsWithAnEmptyLineAndEndsWithCrLf)
{
    const QString path = writeDocument(u"a.htm"_s, u"<p class=a2>code</p>\r\n"_s);
    ASSERT_TRUE(SourceExtractor(layout()).extract(path).sourceFound);
    const QByteArray page = readBytes(sourcePage());
    EXPECT_TRUE(page.startsWith("\r\n<p class=a2>"));
    EXPECT_TRUE(page.endsWith("</p>\r\n"));
}

TEST_F(SourceExtractorTest, documentWithoutSourceLeavesThePreviousSourcePage)
{
    writeBytes(sourcePage(), "previous");
    const QString path = writeDocument(u"plain.htm"_s, u"<p>no code here</p>\r\n"_s);

    const SourceExtraction result = SourceExtractor(layout()).extract(path);

    EXPECT_FALSE(result.sourceFound);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(readBytes(sourcePage()), QByteArray("previous"));
}

TEST_F(SourceExtractorTest, newSourceReplacesThePreviousPage)
{
    writeBytes(sourcePage(), QByteArray(5000, 'x'));
    const QString path = writeDocument(u"b.htm"_s, u"<p class=a3>short</p>"_s);

    ASSERT_TRUE(SourceExtractor(layout()).extract(path).sourceFound);

    EXPECT_EQ(readBytes(sourcePage()), QByteArray("\r\n<p class=a3>short</p>\r\n"));
}

TEST_F(SourceExtractorTest, onlyHtmDocumentsAreRead)
{
    writeBytes(sourcePage(), "previous");
    // Even a picture or a player that happens to hold source lines is not read.
    for (const char* name : {"c.jpg", "c.exe", "c.HTM", "c.html"}) {
        const QString path = writeDocument(QString::fromLatin1(name), u"<p class=a2>code</p>\r\n"_s);
        const SourceExtraction result = SourceExtractor(layout()).extract(path);
        EXPECT_FALSE(result.sourceFound) << name;
        EXPECT_FALSE(result.failed) << name;
    }
    const SourceExtraction none = SourceExtractor(layout()).extract(QString());
    EXPECT_FALSE(none.sourceFound);
    EXPECT_FALSE(none.failed);
    EXPECT_EQ(readBytes(sourcePage()), QByteArray("previous"));
}

TEST_F(SourceExtractorTest, unreadableDocumentFails)
{
    writeBytes(sourcePage(), "previous");
    QDir().mkpath(document(u"folder.htm"_s));
    for (const QString& path : {document(u"missing.htm"_s), document(u"folder.htm"_s)}) {
        const SourceExtraction result = SourceExtractor(layout()).extract(path);
        EXPECT_TRUE(result.failed) << path.toStdString();
        EXPECT_FALSE(result.sourceFound);
        EXPECT_TRUE(result.sourcePagePath.isEmpty());
    }
    EXPECT_EQ(readBytes(sourcePage()), QByteArray("previous"));
}

TEST_F(SourceExtractorTest, sourcePageGoesToTheUserCacheWhenTheLibraryCannotTakeItAndIsNeverReportedUnwritten)
{
    // A folder where the page should be: the library's write fails, nothing is lost.
    QDir().mkpath(sourcePage());
    const QString path = writeDocument(u"d.htm"_s, u"<p class=a2>code</p>"_s);
    const QString cached = generatedPagesFolder(layout()) + u"/"_s + QFileInfo(sourcePage()).fileName();
    QFile::remove(cached);

    SourceExtraction result = SourceExtractor(layout()).extract(path);
    EXPECT_TRUE(result.sourceFound);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.sourcePagePath, cached);
    EXPECT_EQ(readBytes(cached), "\r\n<p class=a2>code</p>\r\n");
    EXPECT_TRUE(QFileInfo(sourcePage()).isDir());

    // Neither place takes it: no page is offered.
    QFile::remove(cached);
    QDir().mkpath(cached);
    result = SourceExtractor(layout()).extract(path);
    EXPECT_TRUE(result.sourceFound);
    EXPECT_TRUE(result.sourcePagePath.isEmpty());
    QDir(cached).removeRecursively();
}

TEST_F(SourceExtractorTest, aDocumentReachedThroughALinkLeadingOutOfTheLibraryIsNotRead)
{
    QTemporaryDir outside;
    writeBytes(outside.path() + u"/secret.htm"_s, "<p class=a2>secret</p>");
    QDir().mkpath(layout().libraryFolder());
    ASSERT_TRUE(QFile::link(outside.path(), layout().libraryFolder() + u"/linked"_s));

    const SourceExtraction result = SourceExtractor(layout()).extract(layout().libraryFolder() + u"/linked/secret.htm"_s);
    EXPECT_TRUE(result.failed);
    EXPECT_FALSE(result.sourceFound);
    EXPECT_FALSE(QFileInfo::exists(sourcePage()));
}

TEST(DocumentLines, splitsAtLineFeedsAndDropsTheCarriageReturnBeforeThem)
{
    const struct {
        QByteArray content;
        QStringList lines;
    } cases[] = {
        {"", {}},
        {"a", {u"a"_s}},
        {"a\r\nb\r\n", {u"a"_s, u"b"_s}},
        {"a\nb", {u"a"_s, u"b"_s}},
        {"a\r\n\r\nb", {u"a"_s, u""_s, u"b"_s}},
        {"a\rb\r\n", {u"a\rb"_s}},
        {gbk::encode(QStringLiteral("源代码\r\n注释")), {QStringLiteral("源代码"), QStringLiteral("注释")}},
    };
    for (const auto& c : cases) EXPECT_EQ(documentLines(c.content), c.lines) << c.content.toStdString();
}

}  // namespace
}  // namespace kelvor
