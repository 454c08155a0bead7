#include "viewer/picturepage.h"

#include <QRegularExpression>
#include <QTextDocumentFragment>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace kelvor {
namespace {

TEST(PicturePage, PicturesAreKnownByTheirSuffix)
{
    // path, shown as a picture
    const std::vector<std::pair<QString, bool>> cases = {
        {u"/lib/kelvor/jm01/220121010001.jpg"_s, true}, {u"/lib/kelvor/1999282828/001.JPG"_s, true},
        {u"/a/b.jpeg"_s, true},  {u"/a/b.png"_s, true},  {u"/a/b.gif"_s, true},  {u"/a/b.bmp"_s, true},
        {u"/a/b.htm"_s, false},  {u"/a/b.exe"_s, false}, {u"/a/jpg"_s, false},   {u""_s, false},
    };
    for (const auto& [path, picture] : cases) EXPECT_EQ(isPictureFile(path), picture) << path.toStdString();
}

TEST(PicturePage, NamesThePictureOnceWhateverItsPathHolds)
{
    const QString path = QStringLiteral("/tmp/a b/界面&\"设计'<x>.jpg");
    const QString page = picturePage(QUrl::fromLocalFile(path));

    EXPECT_TRUE(page.contains(u"background: #ffffff"_s)) << "on white, not the browser's dark picture background";
    EXPECT_TRUE(page.contains(u"max-width: 100%"_s)) << "fitted into the view";
    const QRegularExpression img(QStringLiteral("<img src=\"([^\"]*)\""));
    const auto found = img.globalMatch(page);
    QStringList sources;
    for (auto it = found; it.hasNext();) sources << it.next().captured(1);
    ASSERT_EQ(sources.size(), 1) << page.toStdString();
    const QString source = QTextDocumentFragment::fromHtml(sources.front()).toPlainText();
    EXPECT_EQ(QUrl(source).toLocalFile(), path) << source.toStdString();
    EXPECT_FALSE(page.contains(u"<x>"_s)) << "nothing of the path reaches the page as markup";
}

}  // namespace
}  // namespace kelvor
