#include "app/window/thumbnails/thumbnailpanel.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace kelvor::test {
namespace {

using namespace Qt::StringLiterals;

QStringList codes(int count)
{
    QStringList out;
    for (int i = 1; i <= count; ++i) out << u"2201210100%1"_s.arg(i, 2, 10, QLatin1Char('0'));
    return out;
}

// A grid of 900 × 600 pixels in a parent, with a picture for every record
// except those the test names.
class ThumbnailPanelTest : public testing::Test {
protected:
    ThumbnailPanelTest()
    {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        image.save(picturePath(), "JPG");
        panel = new ThumbnailPanel(
            [this](const QString& code) -> std::optional<QString> {
                ++lookups;
                if (withoutPicture.contains(code)) return std::nullopt;
                return picturePath();
            },
            &host);
        host.resize(1000, 700);
        panel->setGeometry(0, 40, 900, 600);
        host.show();
    }
    QString picturePath() const { return folder.filePath(u"p.jpg"_s); }
    QLabel* cell(int j) const { return panel->findChild<QLabel*>(u"Image7(%1)"_s.arg(j)); }
    QPushButton* button(const char* name) const { return host.findChild<QPushButton*>(QString::fromLatin1(name)); }
    bool previousEnabled() const { return button("Command49")->isEnabled(); }
    bool nextEnabled() const { return button("Command50")->isEnabled(); }

    QTemporaryDir folder;
    QWidget host;
    ThumbnailPanel* panel = nullptr;
    QStringList withoutPicture;
    int lookups = 0;
};

TEST_F(ThumbnailPanelTest, PagesOfSixteenWithTheirButtons)
{
    struct Case {
        int records;
        QList<int> steps;  // +1 next, -1 previous
        int page;
        int first;  // position of the page's first record
        int shown;
        bool previous, next;
    };
    const Case cases[] = {
        {16, {}, 0, 0, 16, false, false},  // sixteen fit one page
        {17, {}, 0, 0, 16, false, true},
        {17, {1}, 1, 16, 1, true, false},  // the 17th starts page 1
        {40, {1}, 1, 16, 16, true, true},
        {40, {1, 1}, 2, 32, 8, true, false},  // the last page ends at the last record
        {40, {1, -1}, 0, 0, 16, false, true},  // previous from page 1 lands on page 0
        {40, {1, 1, -1}, 1, 16, 16, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.records << " records, " << c.steps.size() << " steps");
        const QStringList all = codes(c.records);
        panel->start(all);
        for (int step : c.steps) QTest::mouseClick(button(step > 0 ? "Command50" : "Command49"), Qt::LeftButton);
        EXPECT_EQ(panel->currentPage(), c.page);
        EXPECT_EQ(panel->codesOnPage(), all.mid(c.first, c.shown));
        EXPECT_EQ(previousEnabled(), c.previous);
        EXPECT_EQ(nextEnabled(), c.next);
    }
}

TEST_F(ThumbnailPanelTest, CellsLieInFourColumnsOfTheGridSize)
{
    panel->start(codes(6));
    // 900 × 600 pixels are 13500 × 9000 twips: cells of 3275 × 1750 twips.
    EXPECT_EQ(cell(0)->geometry(), QRect(7, 47, 218, 117));
    // The fifth cell starts the second row: 1750 + 200 twips further down.
    EXPECT_EQ(cell(4)->geometry(), QRect(7, 177, 218, 117));
    // The sixth is in the second column: 3275 + 50 twips to the right.
    EXPECT_EQ(cell(5)->geometry(), QRect(228, 177, 218, 117));
    EXPECT_EQ(cell(5)->property("Tag").toString(), codes(6).at(5));
}

TEST_F(ThumbnailPanelTest, ARecordWithoutPictureLeavesItsCellEmptyAndTheRestIsDrawn)
{
    withoutPicture << codes(5).at(0) << codes(5).at(2);
    panel->start(codes(5));
    EXPECT_EQ(lookups, 5);
    for (int j = 0; j < 5; ++j) {
        SCOPED_TRACE(j);
        EXPECT_TRUE(cell(j)->isVisible());
        EXPECT_EQ(cell(j)->pixmap().isNull(), j == 0 || j == 2);
    }
    // Element 0 does not keep the picture of an earlier page either.
    withoutPicture = {codes(5).at(1)};
    panel->start(codes(5).mid(1));
    EXPECT_TRUE(cell(0)->pixmap().isNull());
}

TEST_F(ThumbnailPanelTest, DoubleClickOpensTheRecordAndRestoreBringsTheGridBack)
{
    panel->start(codes(3));
    QSignalSpy opened(panel, &ThumbnailPanel::openRecordRequested);
    QSignalSpy restored(panel, &ThumbnailPanel::restoreRequested);
    EXPECT_FALSE(button("Command51")->isVisible());
    QTest::mouseDClick(cell(2), Qt::LeftButton);
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.front().front().toString(), codes(3).at(2));
    EXPECT_TRUE(button("Command51")->isVisible());
    QTest::mouseClick(button("Command51"), Qt::LeftButton);
    EXPECT_EQ(restored.count(), 1);
    EXPECT_FALSE(button("Command51")->isVisible());
}

TEST_F(ThumbnailPanelTest, OnlyTheThumbnailUnderThePointerHasABorder)
{
    panel->start(codes(4));
    for (int j : {3, 1}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), cell(j)->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(cell(j), &move);
    }
    for (int j = 0; j < 4; ++j) EXPECT_EQ(cell(j)->frameShape(), j == 1 ? QFrame::Box : QFrame::NoFrame) << j;
}

}  // namespace
}  // namespace kelvor::test
