// A user of the interface centre picks a folder, shows its thumbnails, opens
// one with a double click and brings the thumbnails back.
#include "searchwindow.h"

#include "catalogue/cataloguemodel.h"
#include "viewer/documentview.h"

#include <QLabel>
#include <QPushButton>

namespace kelvor {
namespace {

using namespace Qt::StringLiterals;
using test::SearchWindowTest;

class ThumbnailScenarioTest : public SearchWindowTest {
protected:
    QLabel* cell(int j) const { return child<QLabel>(u"Image7(%1)"_s.arg(j)); }
};

TEST_F(ThumbnailScenarioTest, ShowOpenAndRestoreTheThumbnailsOfAFolder)
{
    showPage(NavigationGroup::Centre, 6);  // "界面中心"
    clickNode(u"l22012101"_s);
    click(u"Command48"_s);  // "缩略图显示"
    DocumentView* view = window->documentViews().documentView();
    QWidget* grid = child(u"thumbnailGrid"_s);
    ASSERT_TRUE(grid->isVisible());
    EXPECT_TRUE(view->isHidden());
    for (int j : {0, 1}) {
        EXPECT_TRUE(cell(j)->isVisible()) << j;
        EXPECT_FALSE(cell(j)->pixmap().isNull()) << j;
    }
    EXPECT_EQ(cell(1)->property("Tag").toString(), test::kLoginCode);
    EXPECT_FALSE(child(u"Command49"_s)->isEnabled());
    EXPECT_FALSE(child(u"Command50"_s)->isEnabled());

    QTest::mouseDClick(cell(1), Qt::LeftButton);
    EXPECT_EQ(window->recordCodeBox()->text(), test::kLoginCode);
    EXPECT_FALSE(view->isHidden());
    EXPECT_TRUE(child(u"Command51"_s)->isVisible());

    click(u"Command51"_s);  // "恢复缩略图"
    EXPECT_TRUE(view->isHidden());
    EXPECT_TRUE(grid->isVisible());
    EXPECT_FALSE(child(u"Command51"_s)->isVisible());

    // Another centre takes the thumbnails away.
    showPage(NavigationGroup::Centre, 1);
    EXPECT_FALSE(grid->isVisible());
    EXPECT_FALSE(child(u"Command49"_s)->isVisible());
}

}  // namespace
}  // namespace kelvor
