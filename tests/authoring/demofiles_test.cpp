// The files of the demo library that are not records: pages, pictures, settings.
#include "demofixture.h"

#include "library/centres.h"
#include "library/gbk.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace kelvor::test {
namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QByteArray("<missing>");
    return f.readAll();
}

TEST(DemoFiles, SettingsFilesKeepTheStartUpOnTheFirstCourse)
{
    const LibraryLayout layout = DemoFixture::instance().layout();
    EXPECT_EQ(readAll(layout.optionFile()), QByteArray("0\r\n"));
    // 9 is no item of the navigation bar, so the window stays on 从零开始.
    EXPECT_EQ(readAll(layout.loginsysFile()), QByteArray("9\r\n"));
    EXPECT_TRUE(QFileInfo(layout.sourcePage()).isFile());
    // The bookmark button works on a fresh library: the file is there, holding no bookmark.
    EXPECT_EQ(readAll(layout.bookmarkFile()), QByteArray("none\r\n\r\n\r\n"));
}

TEST(DemoFiles, ReportPageCarriesThePlaceholderOnce)
{
    const QString page = gbk::decode(readAll(DemoFixture::instance().layout().reportPage()));
    EXPECT_EQ(page.count(QStringLiteral("澄溪科技")), 1);
    EXPECT_TRUE(page.contains(QStringLiteral("charset=gb2312")));
}

TEST(DemoFiles, PlaceholderPicturesAreJpegs)
{
    const LibraryLayout layout = DemoFixture::instance().layout();
    for (const QString& path : {layout.placeholderPicture(), layout.placeholderPictureWide()}) {
        const QByteArray bytes = readAll(path);
        EXPECT_TRUE(bytes.startsWith("\xFF\xD8\xFF")) << path.toStdString();
        QImage image;
        EXPECT_TRUE(image.loadFromData(bytes, "JPG")) << path.toStdString();
        EXPECT_GE(image.width(), 600);
    }
}

TEST(DemoFiles, CentreMainPageCountsTheDocuments)
{
    const QString page = gbk::decode(readAll(DemoFixture::instance().layout().centreMainPage()));
    auto db = DemoFixture::instance().open(DatabaseRole::Content);
    const int documents = db->scalar(QStringLiteral("select count(*) from jszx where eee is not null")).toInt();
    EXPECT_TRUE(page.contains(QStringLiteral("<td>技术中心</td>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<td>%1</td>").arg(documents)));
}

TEST(DemoFiles, DocumentPagesAreGbkAndOpenWithTheirTitle)
{
    const LibraryLayout layout = DemoFixture::instance().layout();
    auto db = DemoFixture::instance().open(DatabaseRole::Content);
    static const QRegularExpression heading(QStringLiteral("<body>\\n<h1>(.*)</h1>\\n"));
    int pages = 0;
    for (const Centre& centre : centres()) {
        if (centre.kind != DocumentKind::Page) continue;
        for (const Row& r : db->query(QStringLiteral("select xxbh, name, link from %1 where eee is not null").arg(centre.table))) {
            const QByteArray bytes = readAll(*layout.documentPath(r.text(u"link"_s), r.text(u"xxbh"_s), QStringLiteral(".htm")));
            const QString html = gbk::decode(bytes);
            EXPECT_EQ(gbk::encode(html), bytes) << "not in the Chinese code page: " << r.text(u"xxbh"_s).toStdString();
            EXPECT_TRUE(html.contains(QStringLiteral("charset=gb2312")));
            const auto match = heading.match(html);
            ASSERT_TRUE(match.hasMatch()) << r.text(u"xxbh"_s).toStdString();
            // Favourites and notes compare the page's first text line with the record's title.
            EXPECT_EQ(QTextDocumentFragment::fromHtml(match.captured(1)).toPlainText(), r.text(u"name"_s));
            ++pages;
        }
    }
    EXPECT_GT(pages, 250);
}

TEST(DemoFiles, InterfacePicturesAreJpegsOfTheirSize)
{
    const LibraryLayout layout = DemoFixture::instance().layout();
    auto db = DemoFixture::instance().open(DatabaseRole::Content);
    for (const Row& r : db->query(QStringLiteral("select xxbh, link from jmzx where eee is not null"))) {
        QImage image(*layout.documentPath(r.text(u"link"_s), r.text(u"xxbh"_s), QStringLiteral(".jpg")), "JPG");
        EXPECT_EQ(image.size(), QSize(600, 420)) << r.text(u"xxbh"_s).toStdString();
    }
}

TEST(DemoFiles, PlayersAreShellScriptsNamingTheirLesson)
{
    const LibraryLayout layout = DemoFixture::instance().layout();
    auto db = DemoFixture::instance().open(DatabaseRole::Content);
    const auto rows = db->query(QStringLiteral("select xxbh, name, link from spzx where eee is not null"));
    ASSERT_FALSE(rows.empty());
    for (const Row& r : rows) {
        const QString script = QString::fromUtf8(readAll(*layout.documentPath(r.text(u"link"_s), r.text(u"xxbh"_s), QStringLiteral(".exe"))));
        EXPECT_TRUE(script.startsWith(QLatin1String("#!/bin/sh\n")));
        EXPECT_TRUE(script.contains(r.text(u"name"_s))) << r.text(u"xxbh"_s).toStdString();
    }
}

}  // namespace
}  // namespace kelvor::test
