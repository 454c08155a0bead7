// The screenshot waits for the page area to hold a picture, not just for paints.

#include "app/windowscreenshot.h"

#include "app/exitcode.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace kelvor {
namespace {

// Stands in for the browser's view: flat until its first frame arrives.
class LatePage : public QWidget {
public:
    bool framed = false;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (framed) painter.fillRect(QRect(10, 10, 40, 20), Qt::black);
    }
};

bool hasBlack(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(0, 0, 0)) return true;
    return false;
}

struct Shot {
    QTemporaryDir dir;
    QWidget window;
    LatePage* page = new LatePage;
    WindowScreenshot screenshot{dir.filePath(QStringLiteral("shot.png"))};

    Shot()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(page);
        window.resize(200, 120);
        window.show();
        screenshot.setSettleDelay(0);
    }

    QImage take(int frameAfterMs)
    {
        QSignalSpy finished(&screenshot, &WindowScreenshot::finished);
        if (frameAfterMs >= 0)
            QTimer::singleShot(frameAfterMs, page, [this] {
                page->framed = true;
                page->update();
            });
        screenshot.capture(&window, [](std::function<void()> shown) { shown(); });
        EXPECT_TRUE(finished.wait(12000));
        EXPECT_EQ(finished.value(0).value(0).toInt(), ExitOk);
        return QImage(dir.filePath(QStringLiteral("shot.png")));
    }
};

TEST(WindowScreenshotTest, APageAreaStillFlatIsGrabbedAgainUntilItsFrameArrives)
{
    Shot shot;
    shot.screenshot.setPageArea(shot.page);
    EXPECT_TRUE(hasBlack(shot.take(700)));
}

TEST(WindowScreenshotTest, WithoutAPageAreaTheFirstGrabIsSaved)
{
    Shot shot;
    EXPECT_FALSE(hasBlack(shot.take(700)));
}

TEST(WindowScreenshotTest, APageThatStaysFlatIsSavedAtTheDeadline)
{
    Shot shot;
    shot.screenshot.setPageArea(shot.page);
    const QImage image = shot.take(-1);
    EXPECT_FALSE(image.isNull());
    EXPECT_FALSE(hasBlack(image));
}

}  // namespace
}  // namespace kelvor
