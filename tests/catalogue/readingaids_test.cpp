#include "catalogue/readingaids.h"
#include "catalogue/readingbookmark.h"
#include "catalogue/thumbnailpages.h"

#include "library/gbk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kelvor {
namespace {

using namespace Qt::StringLiterals;

// F1        l10121011
//   a       m101210110001
//   F2      l101210110002
//     b     m1012101100020001
//     c     m1012101100020002
//   d       m101210110003
// F3        l10121012
//   e       m101210120001
CatalogueTree readingTree()
{
    CatalogueTree tree;
    const auto add = [&](const QString& key, int level, int parent) {
        tree.add(key, key, 1, level, parent);
        return tree.indexOfKey(key);
    };
    const int f1 = add(u"l10121011"_s, 1, -1);
    add(u"m101210110001"_s, 2, f1);
    const int f2 = add(u"l101210110002"_s, 2, f1);
    add(u"m1012101100020001"_s, 3, f2);
    add(u"m1012101100020002"_s, 3, f2);
    add(u"m101210110003"_s, 2, f1);
    const int f3 = add(u"l10121012"_s, 1, -1);
    add(u"m101210120001"_s, 2, f3);
    return tree;
}

TEST(AutomaticExecution, StepsThroughTheTreeAndClimbsBehindFinishedBranches)
{
    const CatalogueTree tree = readingTree();
    const auto at = [&](const QString& key) { return tree.indexOfKey(key); };
    struct Case {
        QString selected;
        QString next;
        bool open;
    };
    const Case cases[] = {
        {u"l10121011"_s, u"m101210110001"_s, true},          // into the folder
        {u"m101210110001"_s, u"l101210110002"_s, true},      // on to the next sibling
        {u"m1012101100020002"_s, u"m101210110003"_s, false}, // end of F2: behind its parent
        {u"m101210110003"_s, u"l10121012"_s, false},         // end of F1: behind F1
        {u"m101210120001"_s, u"m101210120001"_s, false},     // end of the tree: stays
    };
    for (const Case& c : cases) {
        const ExecutionTick tick = automaticExecutionTick(tree, at(c.selected));
        EXPECT_EQ(tick.selected, at(c.next)) << c.selected.toStdString();
        EXPECT_EQ(tick.open, c.open) << c.selected.toStdString();
    }
    EXPECT_FALSE(automaticExecutionTick(tree, -1).open);
}

TEST(AutoScroll, StopsOnSmallPagesAndOnceTheStepOutgrowsThePage)
{
    EXPECT_EQ(autoScrollTick(100, 0).stop, true);  // exactly 100 elements
    EXPECT_EQ(autoScrollTick(100, 0).scroll, false);
    const AutoScrollTick first = autoScrollTick(101, 0);
    EXPECT_TRUE(first.scroll);
    EXPECT_EQ(first.position, 30);
    EXPECT_FALSE(first.stop);
    // 2 × 101 = 202: the step of 210 is the first beyond it.
    EXPECT_FALSE(autoScrollTick(101, 150).stop);
    EXPECT_EQ(autoScrollTick(101, 180).position, 210);
    EXPECT_TRUE(autoScrollTick(101, 180).stop);
}

TEST(ThumbnailPages, SixteenToAPage)
{
    struct Case {
        int children;
        int lastPage;
        int page;
        int first;
        int last;
    };
    const Case cases[] = {
        {16, 0, 0, 0, 15},  {17, 1, 0, 0, 15}, {17, 1, 1, 16, 16}, {33, 2, 2, 32, 32},
        {40, 2, 2, 32, 39}, {1, 0, 0, 0, 0},   {0, 0, 0, 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.children);
        EXPECT_EQ(thumbnails::lastPage(c.children), c.lastPage);
        const auto range = thumbnails::pageRange(c.page, c.children);
        EXPECT_EQ(range.first, c.first);
        EXPECT_EQ(range.last, c.last);
    }
}

TEST(ThumbnailPages, PreviousAndNextEnableRules)
{
    using thumbnails::Pager;
    const auto same = [](const Pager& p, int page, bool previous, bool next) {
        return p.page == page && p.previousEnabled == previous && p.nextEnabled == next;
    };
    EXPECT_TRUE(same(thumbnails::startPaging(16), 0, false, false));
    Pager pager = thumbnails::startPaging(40);  // pages 0–2
    EXPECT_TRUE(same(pager, 0, false, true));
    pager = thumbnails::nextPage(pager);
    EXPECT_TRUE(same(pager, 1, true, true));
    pager = thumbnails::nextPage(pager);
    EXPECT_TRUE(same(pager, 2, true, false));
    pager = thumbnails::previousPage(pager);
    EXPECT_TRUE(same(pager, 1, true, true));
    pager = thumbnails::previousPage(pager);  // from page 1 to page 0
    EXPECT_TRUE(same(pager, 0, false, true));
}

TEST(ThumbnailPages, FourColumnGrid)
{
    // A document area of 8400 × 8000 twips: cells of 2000 × 1500.
    const auto first = thumbnails::cellGeometry(0, 8400, 8000);
    EXPECT_EQ((std::array{first.left, first.top, first.width, first.height}), (std::array{100, 700, 2000, 1500}));
    const auto fourth = thumbnails::cellGeometry(3, 8400, 8000);
    EXPECT_EQ((std::array{fourth.left, fourth.top}), (std::array{100 + 3 * 2050, 700}));
    const auto fifth = thumbnails::cellGeometry(4, 8400, 8000);
    EXPECT_EQ((std::array{fifth.left, fifth.top}), (std::array{100, 700 + 1700}));
    const auto last = thumbnails::cellGeometry(15, 8400, 8000);
    EXPECT_EQ((std::array{last.left, last.top}), (std::array{100 + 3 * 2050, 700 + 3 * 1700}));
}

class BookmarkFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.path() + u"/5617890123/890187871251.ini"_s;
    void writeRaw(const QByteArray& bytes)
    {
        QDir().mkpath(dir.path() + u"/5617890123"_s);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

TEST_F(BookmarkFileTest, RoundTripsAcrossGroups)
{
    const CatalogueTree tree = readingTree();
    const auto bookmark = bookmarkOf(tree, tree.indexOfKey(u"m1012101100020002"_s), u"1"_s, u"3"_s);
    ASSERT_TRUE(bookmark.has_value());
    EXPECT_EQ(bookmark->parentCode, u"101210110002"_s);
    QDir().mkpath(dir.path() + u"/5617890123"_s);
    ASSERT_TRUE(writeBookmarkFile(path, *bookmark));

    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_EQ(raw.readAll(), QByteArray("1\r\n3\r\n1012101100021012101100020002\r\n"));

    const BookmarkFile read = readBookmarkFile(path);
    ASSERT_EQ(read.state, BookmarkFileState::Present);
    EXPECT_EQ(read.bookmark.group, u"1"_s);
    EXPECT_EQ(read.bookmark.item, u"3"_s);
    EXPECT_EQ(read.bookmark.nodeCode, u"1012101100020002"_s);
    const auto target = findBookmarkedNode(tree, read.bookmark);
    ASSERT_TRUE(target.has_value());
    EXPECT_EQ(target->parent, tree.indexOfKey(u"l101210110002"_s));
    EXPECT_EQ(target->node, tree.indexOfKey(u"m1012101100020002"_s));
}

TEST_F(BookmarkFileTest, FoldersCannotBeBookmarked)
{
    const CatalogueTree tree = readingTree();
    EXPECT_FALSE(canBookmark(u"l101210110002"_s));
    EXPECT_TRUE(canBookmark(u"m101210110001"_s));
    EXPECT_FALSE(bookmarkOf(tree, tree.indexOfKey(u"l101210110002"_s), u"0"_s, u"0"_s).has_value());
    EXPECT_FALSE(bookmarkOf(tree, -1, u"0"_s, u"0"_s).has_value());
}

TEST_F(BookmarkFileTest, FileStates)
{
    EXPECT_EQ(readBookmarkFile(path).state, BookmarkFileState::Missing);
    writeRaw("no bookmark yet\r\n");
    EXPECT_EQ(readBookmarkFile(path).state, BookmarkFileState::NoBookmark);
    writeRaw("0\r\n1\r\n12345\r\n");  // a reading path of odd length
    EXPECT_EQ(readBookmarkFile(path).state, BookmarkFileState::NoBookmark);
    writeRaw("0\r\n1\r\n1012101110121011000\r\n");
    EXPECT_EQ(readBookmarkFile(path).state, BookmarkFileState::NoBookmark);
    writeRaw("0\n2\n10121012101210120001\n");  // written by hand without CR
    const BookmarkFile read = readBookmarkFile(path);
    ASSERT_EQ(read.state, BookmarkFileState::Present);
    EXPECT_EQ(read.bookmark.parentCode, u"10121012"_s);
    EXPECT_EQ(read.bookmark.nodeCode, u"101210120001"_s);
}

TEST_F(BookmarkFileTest, ABookmarkOfANodeNoLongerInTheTreeFindsNothing)
{
    const CatalogueTree tree = readingTree();
    EXPECT_FALSE(findBookmarkedNode(tree, {u"0"_s, u"0"_s, u"10121012"_s, u"101210129999"_s}).has_value());
    EXPECT_FALSE(findBookmarkedNode(tree, {u"0"_s, u"0"_s, u"10129999"_s, u"101299990001"_s}).has_value());
}

}  // namespace
}  // namespace kelvor
