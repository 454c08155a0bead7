#include "demofixture.h"

#include "authoring/authoringerror.h"
#include "authoring/documentpage.h"
#include "authoring/libraryfile.h"

#include "library/gbk.h"

#include <gtest/gtest.h>

namespace kelvor::authoring {
namespace {

QStringList sourceLines(const QString& html)
{
    QStringList lines = html.split(QLatin1Char('\n'));
    const qsizetype first = lines.indexOf(QRegularExpression(QStringLiteral("<p class=a[23].*")));
    if (first < 0) return {};
    QStringList out;
    for (qsizetype i = first; i < lines.size(); ++i) {
        out << lines[i];
        if (lines[i].endsWith(QLatin1String("/p>"))) break;
    }
    return out;
}

TEST(DocumentPage, SourceParagraphSpansOneFileLinePerCodeLine)
{
    DocumentPage page(QStringLiteral("示例"));
    page.addSource(QStringLiteral("\nint main()\n{\n    puts(\"</p>\");  // a & b\n\n    return 0;\n}\n"));
    const QStringList lines = sourceLines(page.html());

    ASSERT_EQ(lines.size(), 6);
    EXPECT_TRUE(lines.front().startsWith(QLatin1String("<p class=a2>int main()")));
    EXPECT_TRUE(lines.back().endsWith(QLatin1String("}</p>")));
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        // Only the last line may close the paragraph, whatever the code contains.
        EXPECT_FALSE(lines[i].endsWith(QLatin1String("/p>"))) << lines[i].toStdString();
        EXPECT_TRUE(lines[i].endsWith(QLatin1String("<br>")));
        if (i > 0) {
            EXPECT_FALSE(lines[i].startsWith(QLatin1String("<p class=a")));
        }
    }
    EXPECT_EQ(lines[2], QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;puts(&quot;&lt;/p&gt;&quot;);&nbsp;&nbsp;// a &amp; b<br>"));
    EXPECT_EQ(lines[3], QStringLiteral("<br>"));
    EXPECT_TRUE(page.hasSource());

    const auto scan = test::scanSourceParagraphs(gbk::encode(page.html()));
    EXPECT_EQ(scan.paragraphs, 1);
    EXPECT_EQ(scan.multiLine, 1);
    EXPECT_FALSE(scan.unclosed);
}

TEST(DocumentPage, SingleLineAndEmptySources)
{
    DocumentPage page(QStringLiteral("标题"));
    page.addSource(QStringLiteral("\n  \n"));
    EXPECT_FALSE(page.hasSource());
    page.addConsole(QStringLiteral("ok"));
    EXPECT_TRUE(page.html().contains(QStringLiteral("\n<p class=a3>ok</p>\n")));
    EXPECT_TRUE(page.hasSource());
}

TEST(DocumentPage, TitleIsTheFirstTextAndProseIsSearchable)
{
    DocumentPage page(QStringLiteral("C++ <模板> & 泛型"));
    page.addParagraphs(QStringLiteral("第一段\n\n第二段"));
    page.addSource(QStringLiteral("template <typename T> T twice(T x);"));
    const QString html = page.html();
    EXPECT_TRUE(html.contains(QStringLiteral("<body>\n<h1>C++ &lt;模板&gt; &amp; 泛型</h1>\n<p>第一段</p>\n<p>第二段</p>")));
    EXPECT_TRUE(html.contains(QStringLiteral("charset=gb2312")));
    EXPECT_TRUE(page.searchText().contains(QStringLiteral("第二段")));
    EXPECT_FALSE(page.searchText().contains(QStringLiteral("typename")));
}

TEST(GbkText, TellsCharactersWithoutAGbkForm)
{
    struct Case {
        const char* text;
        bool gbk;
    };
    const Case cases[] = {
        {"plain ASCII", true}, {"中文、标点：“引号”", true}, {"温度 26℃ · 方案一 → 二", true},
        {"面积 πr²", false},   {"表情 😀", false},        {"", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isGbkText(QString::fromUtf8(c.text)), c.gbk) << c.text;
        if (c.gbk)
            EXPECT_EQ(gbk::decode(gbkBytes(QString::fromUtf8(c.text), QStringLiteral("test"))), QString::fromUtf8(c.text));
        else
            EXPECT_THROW(gbkBytes(QString::fromUtf8(c.text), QStringLiteral("test")), AuthoringError);
    }
}

}  // namespace
}  // namespace kelvor::authoring
