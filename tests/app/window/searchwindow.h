#pragma once

#include "windowtestlibrary.h"

#include "app/window/documentslots.h"
#include "app/window/mainwindow.h"
#include "app/window/navigationcontroller.h"
#include "app/window/resultlistmodel.h"

#include "catalogue/cataloguemodel.h"

#include "library/sharedconnection.h"
#include "support/scriptedprompter.h"
#include "support/userinput.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractProxyModel>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <memory>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace kelvor::test {

// Titles that begin alike across three centres, for narrowing by typing
// ("Login 窗口" lies in the interface centre, with a picture of its own),
// and titles with quotes and a percent sign.
inline const QString kLoginCode = QStringLiteral("220121010002");

inline void addSearchRecords(const TestLibrary& library)
{
    auto doc = [](const char* code, const char* name) {
        CentreRecord r;
        r.xxbh = QString::fromLatin1(code);
        r.name = QString::fromUtf8(name);
        r.link = QStringLiteral("docs01");
        r.eee = QStringLiteral("1");
        return r;
    };
    library.addRecords(QStringLiteral("jszx"), {doc("101210350003", "Loop 循环")});
    library.addRecords(QStringLiteral("slzx"), {doc("101221010003", "Linux 基础")});
    library.addRecords(QStringLiteral("jmzx"), {doc("220121010002", "Login 窗口")});
    // Quotes and a percent sign are searched for as typed.
    library.addRecords(QStringLiteral("fazx"), {doc("101251010002", "it's a plan"), doc("101251010003", "50% done")});
}

// Every document of the records above and of the window records, and the
// library's placeholder pictures and centre main page.
inline void addSearchDocuments(const TestLibrary& library)
{
    const LibraryLayout layout = library.layout();
    auto picture = [](const QString& path, const QColor& colour, const QString& text) {
        QImage image(480, 300, QImage::Format_RGB32);
        image.fill(colour);
        QPainter painter(&image);
        painter.setPen(Qt::white);
        QFont font = painter.font();
        font.setPixelSize(36);
        painter.setFont(font);
        painter.drawText(image.rect(), Qt::AlignCenter, text);
        painter.end();
        QDir().mkpath(QFileInfo(path).path());
        image.save(path, "JPG");
    };
    picture(layout.placeholderPicture(), QColor(0x60, 0x80, 0xa0), QStringLiteral("001"));
    picture(layout.placeholderPictureWide(), QColor(0x60, 0x80, 0xa0), QStringLiteral("0000001"));
    for (const char* code : {"220121010001", "220121010002"})
        picture(*layout.documentPath(QStringLiteral("docs01"), QString::fromLatin1(code), QStringLiteral(".jpg")),
                QColor(0x2a, 0x9d, 0x5c), QString::fromLatin1(code));
    for (const char* code : {"101210350001", "101210350002", "101210360001", "101210350003", "101221010001",
                             "101221010002", "101221010003", "101231010001", "101251010001", "101251010002",
                             "101251010003"}) {
        const QString body = QStringLiteral("<p>%1</p>").arg(QString::fromLatin1(code)).repeated(200);
        library.writeFile(QStringLiteral("kelvor/docs01/%1.htm").arg(QString::fromLatin1(code)),
                          QStringLiteral("<html><body>%1</body></html>").arg(body));
    }
    library.writeFile(QDir(library.dataRoot()).relativeFilePath(layout.centreMainPage()),
                      QStringLiteral("<html><body><h2>澄溪宸笺</h2></body></html>"));
}

// The real main window on a small library. Each test gets a new window and
// its own view settings file.
class SearchWindowTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        library = new TestLibrary;
        addWindowRecords(*library);
        addSearchRecords(*library);
        addSearchDocuments(*library);
    }
    static void TearDownTestSuite()
    {
        delete library;
        library = nullptr;
    }

    void SetUp() override
    {
        connection.open(DatabaseRole::Content);
        makeWindow();
    }

    void makeWindow()
    {
        window.reset();
        window = std::make_unique<MainWindow>(connection, library->layout(), prompter, nullptr, viewSettingsPath());
    }

    QString viewSettingsPath() const { return settingsFolder.filePath(QStringLiteral("rcontrolmt.ini")); }

    template <typename T = QWidget>
    T* child(const QString& name) const
    {
        return window->findChild<T*>(name);
    }

    void click(const QString& name) { QTest::mouseClick(child(name), Qt::LeftButton); }

    QComboBox* searchBox() const { return child<QComboBox>(QStringLiteral("Combo2")); }
    QListView* resultList() const { return child<QListView>(QStringLiteral("datalist2")); }
    QString title() const { return child<QLabel>(QStringLiteral("Label5"))->text(); }

    // The whole list, as the user finds it scrolled to its end.
    std::vector<QString> lines() const
    {
        window->resultListModel().fetchAll();
        return window->resultListModel().list().lines();
    }

    // Shows the window and opens a page of a group, as the bar does.
    void showPage(NavigationGroup group, int item)
    {
        window->show();
        // Pointer events reach the window only once it is exposed.
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->navigation().chooseGroup(group);
        if (item != window->session().currentItem()) QTest::mouseClick(child(QStringLiteral("Label1(%1)").arg(item)), Qt::LeftButton);
    }
    void showSearchPage() { showPage(NavigationGroup::Query, 2); }
    void showTechnologyCentre() { showPage(NavigationGroup::Centre, 1); }

    // A press on the tree node of `key`, opened out and scrolled into sight.
    void clickNode(const QString& key)
    {
        auto* tree = child<QTreeView>(QStringLiteral("TreeView1"));
        const auto* proxy = qobject_cast<QAbstractProxyModel*>(tree->model());
        const QModelIndex index =
            proxy->mapFromSource(window->catalogueModel().indexOfNode(window->catalogueModel().indexOfKey(key)));
        ASSERT_TRUE(index.isValid()) << key.toStdString();
        tree->expand(index.parent());
        tree->scrollTo(index);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(index).center());
    }

    // Puts the keyboard focus in the search box as a user does, with a click,
    // and the cursor at the end of what it holds.
    void focusSearchBox()
    {
        if (QApplication::focusWidget() == searchBox()) return;
        userinput::focusByClick(searchBox());
        ASSERT_EQ(QApplication::focusWidget(), searchBox()) << "a click on the search box left the focus elsewhere";
        userinput::pressKey(Qt::Key_End);
    }
    // Key presses carrying the text, one per character (Chinese too), where the focus is.
    void type(const QString& text)
    {
        focusSearchBox();
        userinput::typeText(text);
    }
    void pressEnter()
    {
        focusSearchBox();
        userinput::pressKey(Qt::Key_Return);
    }

    // The pixel geometry of a control in the left pane's frame, in twips.
    int topOf(const QString& name) const { return child(name)->y() * 15; }
    int bottomOf(const QString& name) const { return (child(name)->y() + child(name)->height()) * 15; }

    static TestLibrary* library;
    SharedConnection connection{library->layout()};
    ScriptedPrompter prompter;
    QTemporaryDir settingsFolder;
    std::unique_ptr<MainWindow> window;
};

inline TestLibrary* SearchWindowTest::library = nullptr;

}  // namespace kelvor::test
