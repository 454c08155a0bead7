#include "viewer/picturepage.h"

#include <QRegularExpression>
#include <QTextDocumentFragment>

#include <gtest/gtest.h>

namespace kelvor {
namespace {

TEST(PicturePage, PicturesAreKnownByTheirSuffix)
{
    // path, shown as a picture
    const std::vector<std::pair<QString, bool>> cases = {
        {"/lib/kelvor/jm01/220121010001.jpg", true}, {"/lib/kelvor/1999282828/001.JPG", true},
        {"/a/b.jpeg", true},  {"/a/b.png", true},  {"/a/b.gif", true},  {"/a/b.bmp", true},
        {"/a/b.htm", false},  {"/a/b.exe", false}, {"/a/jpg", false},   {"", false},
    };
    for (const auto& [path, picture] : cases) EXPECT_EQ(isPictureFile(path), picture) << path.toStdString();
}

TEST(PicturePage, NamesThePictureOnceWhateverItsPathHolds)
{
    const QString path = QStringLiteral("/tmp/a b/界面&\"设计'<x>.jpg");
    const QString page = picturePage(QUrl::fromLocalFile(path));

    EXPECT_TRUE(page.contains("background: #ffffff")) << "on white, not the browser's dark picture background";
    EXPECT_TRUE(page.contains("max-width: 100%")) << "fitted into the view";
    const QRegularExpression img(QStringLiteral("<img src=\"([^\"]*)\""));
    const auto found = img.globalMatch(page);
    QStringList sources;
    for (auto it = found; it.hasNext();) sources << it.next().captured(1);
    ASSERT_EQ(sources.size(), 1) << page.toStdString();
    const QString source = QTextDocumentFragment::fromHtml(sources.front()).toPlainText();
    EXPECT_EQ(QUrl(source).toLocalFile(), path) << source.toStdString();
    EXPECT_FALSE(page.contains("<x>")) << "nothing of the path reaches the page as markup";
}

}  // namespace
}  // namespace kelvor
