// Renders the main window on a small test library, or on the library under
// DATA_ROOT, into PNG files, so that its look can be checked by eye:
// window_preview DIR [DATA_ROOT]
#include "viewer/libraryscheme.h"

#include "windowtestlibrary.h"

#include "app/window/bitmaps.h"
#include "app/window/mainwindow.h"
#include "app/window/navigationcontroller.h"

#include "library/sharedconnection.h"
#include "support/scriptedprompter.h"
#include "support/userinput.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void settle(int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool save(QWidget* window, const QString& path)
{
    const bool ok = window->grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

void hover(QWidget* item)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), item->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(item, &move);
}

// The library's placeholder pictures and centre main page, so the document view has something to show.
void addLibraryPages(const kelvor::LibraryLayout& layout)
{
    for (const QString& path : {layout.placeholderPicture(), layout.placeholderPictureWide()}) {
        QImage picture(640, 400, QImage::Format_RGB32);
        picture.fill(QColor(0xf4, 0xf7, 0xfa));
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QColor(0x2f, 0x6f, 0xb0));
        p.setFont(kelvor::Bitmaps::captionFont(30, true));
        p.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("澄溪宸笺\n请在左侧目录中选择文档"));
        p.end();
        QDir().mkpath(QFileInfo(path).path());
        picture.save(path, "JPG");
    }
    QDir().mkpath(QFileInfo(layout.centreMainPage()).path());
    QFile page(layout.centreMainPage());
    if (page.open(QIODevice::WriteOnly))
        page.write("<html><head><meta charset='utf-8'></head><body style='font-family:sans-serif;color:#24415f'>"
                   "<h2>\xe6\x9f\xa5\xe8\xaf\xa2\xe4\xb8\xad\xe5\xbf\x83</h2></body></html>");
}

QImage bitmapSheet()
{
    using kelvor::Bitmaps;
    QImage sheet(760, 420, QImage::Format_ARGB32);
    sheet.fill(QColor(0xee, 0xf2, 0xf6));
    QPainter p(&sheet);
    int y = 4;
    for (int number : {801, 802, 803}) {
        p.drawPixmap(4, y, Bitmaps::picture(number, QSize(720, 52)));
        y += 56;
    }
    for (int number : {812, 811, 813}) {
        p.drawPixmap(4, y, Bitmaps::picture(number, QSize(720, 56)));
        y += 60;
    }
    int x = 4;
    for (int number : {921, 923, 826, 952}) {
        const bool centre = number >= 920 && number < 930;
        p.drawPixmap(x, y, Bitmaps::picture(number, centre ? QSize(96, 24) : QSize(97, 32)));
        x += 104;
    }
    for (int i = 1; i <= Bitmaps::kTreePictureCount; ++i) p.drawPixmap(440 + (i - 1) % 7 * 22, y + (i - 1) / 7 * 20, Bitmaps::treePicture(i));
    return sheet;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The library scheme exists only if registered before the application.
    kelvor::prepareLibraryBrowsing();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");

    kelvor::test::TestLibrary library;
    const bool ownLibrary = argc > 2;
    const kelvor::LibraryLayout layout = ownLibrary ? kelvor::LibraryLayout(QString::fromLocal8Bit(argv[2])) : library.layout();
    if (!ownLibrary) {
        kelvor::test::addWindowRecords(library);
        addLibraryPages(layout);
    }
    kelvor::SharedConnection connection(layout);
    connection.open(kelvor::DatabaseRole::Content);
    kelvor::test::ScriptedPrompter prompter;
    // Its view settings stay beside the pictures, away from the user's own.
    kelvor::MainWindow window(connection, layout, prompter, nullptr, dir + u"/rcontrolmt.ini"_s);
    window.show();
    settle(800);
    save(&window, dir + u"/kelvor-window-start.png"_s);

    QTest::mouseClick(window.findChild<QWidget*>(u"Label1(1)"_s), Qt::LeftButton);
    hover(window.findChild<QWidget*>(u"Label1(3)"_s));
    settle(300);
    save(&window, dir + u"/kelvor-window-centre.png"_s);

    window.navigation().chooseGroup(kelvor::NavigationGroup::Learning);
    hover(window.findChild<QWidget*>(u"Label1(1)"_s));
    settle(300);
    save(&window, dir + u"/kelvor-window-learning.png"_s);

    window.navigation().chooseGroup(kelvor::NavigationGroup::Query);
    QTest::mouseClick(window.findChild<QWidget*>(u"Label1(2)"_s), Qt::LeftButton);
    hover(window.findChild<QWidget*>(u"Label1(2)"_s));
    settle(300);
    save(&window, dir + u"/kelvor-window-query.png"_s);

    QTest::mouseClick(window.findChild<QWidget*>(u"Label1(1)"_s), Qt::LeftButton);
    settle(300);
    save(&window, dir + u"/kelvor-window-query-centre.png"_s);
    QTest::mouseClick(window.findChild<QWidget*>(u"Label1(2)"_s), Qt::LeftButton);

    // The search page narrowed by two letters, then the technology centre's list tab and advanced panel.
    auto* searchBox = window.findChild<QComboBox*>(u"Combo2"_s);
    kelvor::test::userinput::focusByClick(searchBox);
    kelvor::test::userinput::typeText(u"ja"_s);
    settle(300);
    save(&window, dir + u"/kelvor-window-search.png"_s);
    window.navigation().chooseGroup(kelvor::NavigationGroup::Centre);
    QTest::mouseClick(window.findChild<QWidget*>(u"Command8"_s), Qt::LeftButton);
    settle(300);
    save(&window, dir + u"/kelvor-window-list.png"_s);
    QTest::mouseClick(window.findChild<QWidget*>(u"Command11"_s), Qt::LeftButton);
    settle(300);
    save(&window, dir + u"/kelvor-window-advanced.png"_s);

    const bool ok = bitmapSheet().save(dir + u"/kelvor-bitmaps.png"_s);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(dir + u"/kelvor-bitmaps.png"_s));
    for (const QString& m : prompter.messages) std::printf("message: %s\n", qPrintable(m));
    return 0;
}
