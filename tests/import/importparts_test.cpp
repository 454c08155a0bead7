// The parts of the import that decide on their own: how a page is decoded,
// how titles lose the site's name, how a tree is made to fit the codes.

#include "import/importerror.h"
#include "import/importtree.h"
#include "import/pagetext.h"
#include "import/pagetitles.h"
#include "library/gbk.h"

#include <gtest/gtest.h>

namespace kelvor::importing {
namespace {

TEST(PageText, ReadsPagesAsABrowserWould)
{
    const QString chinese = QStringLiteral("简体中文");
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* encoding;
        bool damaged;
    };
    const Case cases[] = {
        {"declared gbk", "<meta charset=gbk><p>" + gbk::encode(chinese), "GB18030", false},
        {"declared gb2312 in http-equiv",
         "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\"><p>" + gbk::encode(chinese),
         "GB18030", false},
        {"undeclared valid UTF-8", "<p>" + chinese.toUtf8(), "UTF-8", false},
        {"undeclared, not UTF-8: GBK", "<p>" + gbk::encode(chinese), "GB18030", false},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF<p>" + chinese.toUtf8(), "UTF-8", false},
        {"declared UTF-8, invalid bytes", "<meta charset='utf-8'><p>" + gbk::encode(chinese), "UTF-8", true},
        {"unknown charset name", "<meta charset=\"x-nothing\"><p>" + chinese.toUtf8(), "UTF-8", false},
    };
    for (const Case& c : cases) {
        const PageText page = decodePage(c.bytes);
        EXPECT_EQ(page.encoding, QString::fromLatin1(c.encoding)) << c.what;
        EXPECT_EQ(page.damaged, c.damaged) << c.what;
        if (!c.damaged) {
            EXPECT_TRUE(page.text.endsWith(chinese)) << c.what;
            EXPECT_FALSE(page.text.startsWith(QChar(0xFEFF))) << c.what;
        }
    }
    EXPECT_TRUE(looksBinary(QByteArray("\x89PNG\r\n\x1a\n\0\0", 10)));
    EXPECT_FALSE(looksBinary("<html>"));
}

TEST(PageTitles, DropTheSitesNameAndBlanks)
{
    const QStringList titles = {
        QStringLiteral("std::vector - cppreference.com"), QStringLiteral("  std::map  -  cppreference.com "),
        QStringLiteral("cppreference.com"),                QStringLiteral("a - b | Guide"),
        QStringLiteral("x | Guide"),                       QStringLiteral("Range - Difference"),
        QStringLiteral("Plain"),                            QString(),
    };
    const QStringList expected = {
        // "Guide" ends only two titles of eight: not the site's name.
        QStringLiteral("std::vector"), QStringLiteral("std::map"), QString(), QStringLiteral("a - b | Guide"),
        QStringLiteral("x | Guide"),   QStringLiteral("Range - Difference"), QStringLiteral("Plain"), QString(),
    };
    EXPECT_EQ(cleanTitles(titles), expected);
}

ImportNode folder(const QString& title, std::vector<ImportNode> children = {})
{
    ImportNode n;
    n.folder = true;
    n.title = title;
    n.children = std::move(children);
    return n;
}

ImportNode doc(int page)
{
    ImportNode n;
    n.page = page;
    return n;
}

TEST(ImportTree, FoldsDeepFoldersAndSplitsLargeOnes)
{
    // root / a / b / c / d / page 1 : c and d are below the last folder level.
    ImportNode root = folder(QStringLiteral("root"),
                             {folder(QStringLiteral("a"),
                                     {folder(QStringLiteral("b"),
                                             {doc(0), folder(QStringLiteral("c"),
                                                             {folder(QStringLiteral("d"), {doc(1)}), doc(2)})})})});
    const ArrangeReport folded = arrangeForCodes(root);
    EXPECT_EQ(folded.foldedFolders, 2);
    const auto codes = assignCodes(root, QStringLiteral("10121012"));
    std::vector<std::pair<QString, QString>> got;
    for (const CodedNode& c : codes) got.emplace_back(c.code, c.node->folder ? c.node->title : c.node->foldedPath);
    const std::vector<std::pair<QString, QString>> expected = {
        {QStringLiteral("10121012"), QStringLiteral("root")},
        {QStringLiteral("101210120001"), QStringLiteral("a")},
        {QStringLiteral("1012101200010001"), QStringLiteral("b")},
        {QStringLiteral("10121012000100010001"), QString()},
        {QStringLiteral("10121012000100010002"), QStringLiteral("c/d")},
        {QStringLiteral("10121012000100010003"), QStringLiteral("c")},
    };
    EXPECT_EQ(got, expected);

    // 10 000 entries under the top folder: two numbered sub-folders.
    ImportNode big = folder(QStringLiteral("big"));
    for (int i = 0; i < 10000; ++i) big.children.push_back(doc(i));
    EXPECT_EQ(arrangeForCodes(big).splitFolders, 1);
    ASSERT_EQ(big.children.size(), 2u);
    EXPECT_EQ(big.children[0].title, QStringLiteral("big (1)"));
    EXPECT_EQ(big.children[0].children.size(), 9999u);
    EXPECT_EQ(big.children[1].children.size(), 1u);
    for (const CodedNode& c : assignCodes(big, QStringLiteral("10121012"))) {
        EXPECT_TRUE(c.code.size() == 8 || c.code.size() == 12 || c.code.size() == 16) << c.code.toStdString();
        EXPECT_FALSE(c.code.endsWith(QLatin1String("0000"))) << c.code.toStdString();
    }

    // More than a level-3 folder can hold cannot fit: refused, never a code outside the scheme.
    ImportNode tooDeep = folder(QStringLiteral("r"), {folder(QStringLiteral("s"), {folder(QStringLiteral("t"))})});
    for (int i = 0; i < 10000; ++i) tooDeep.children[0].children[0].children.push_back(doc(i));
    EXPECT_THROW(arrangeForCodes(tooDeep), ImportError);
}

}  // namespace
}  // namespace kelvor::importing
