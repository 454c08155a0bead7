// Pages of a library come from others. In the real main window, records
// whose documents lead out of the library show the placeholder (never the
// page before under the new code), and a hostile page opened from the tree
// stays inside the library: its scripts read nothing outside and cannot move
// the view, and only a link the user clicks reaches the desktop's browser.

#include "windowtestlibrary.h"

#include "app/window/documentslots.h"
#include "app/window/mainwindow.h"

#include "catalogue/cataloguemodel.h"
#include "library/sharedconnection.h"
#include "support/scriptedprompter.h"
#include "viewer/documentview.h"
#include "viewer/pagewait.h"
#include "viewer/recordingshell.h"
#include "viewer/qtprinters.h"
#include "eventwait.h"

#include <gtest/gtest.h>

#include <QAbstractProxyModel>
#include <QDeadlineTimer>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

namespace kelvor {

using namespace Qt::StringLiterals;
namespace {

constexpr int kPageDeadlineMs = 30000;
const QByteArray kSecret = "kelvor-secret-outside-the-library";

class ConfinementScenarioTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        library = new test::TestLibrary;
        outside = new QTemporaryDir;
        test::addWindowRecords(*library);
        const auto record = [](const char* code, const char* name, const char* link) {
            CentreRecord r;
            r.xxbh = QString::fromLatin1(code);
            r.name = QString::fromUtf8(name);
            r.link = QString::fromLatin1(link);
            r.eee = QStringLiteral("1");
            return r;
        };
        library->addRecords(u"jszx"_s, {record("101210360003", "链接到库外的文档", "elsewhere"),
                                     record("101210360004", "越界的文档", "../../docs01"),
                                     record("101210360005", "敌意的页面", "docs03")});
        library->writeFile(u"kelvor/docs01/101210350001.htm"_s, u"<html><body><p>变量与类型</p></body></html>"_s);
        QImage placeholder(20, 20, QImage::Format_RGB32);
        placeholder.fill(Qt::gray);
        QDir().mkpath(QFileInfo(library->layout().placeholderPicture()).absolutePath());
        placeholder.save(library->layout().placeholderPicture(), "JPG");

        QFile secret(outside->filePath(u"101210360003.htm"_s));
        if (secret.open(QIODevice::WriteOnly)) secret.write("<p>" + kSecret + "</p>");
        QFile::link(outside->path(), library->layout().libraryFolder() + u"/elsewhere"_s);

        // Tries to read a file outside and to leave, reports, and offers a
        // web link over the whole page.
        library->writeFile(
            u"kelvor/docs03/101210360005.htm"_s,
            u"<html><body style='margin:0'>"
            "<a href='https://example.com/manual' style='display:block;height:2000px'>手册</a><p id=out>waiting</p>"
            "<script>var r = new XMLHttpRequest(); r.open('GET', 'file:///etc/passwd');"
            "r.onload = function () { document.getElementById('out').textContent = 'read ' + r.responseText; };"
            "r.onerror = function () { location = 'file:///';"
            " setTimeout(function () { document.getElementById('out').textContent = 'still here'; }, 800); };"
            "r.send();</script></body></html>"_s);
    }
    static void TearDownTestSuite()
    {
        delete library;
        delete outside;
        library = nullptr;
        outside = nullptr;
    }

    void SetUp() override
    {
        connection.open(DatabaseRole::Content);
        auto recording = std::make_unique<test::RecordingShell>();
        shell = recording.get();
        window = std::make_unique<MainWindow>(connection, library->layout(), prompter, nullptr,
                                              settings.filePath(QStringLiteral("rcontrolmt.ini")), std::move(recording));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("Label1(1)")), Qt::LeftButton);
    }

    QTreeView* tree() const { return window->catalogueTree(); }
    DocumentView* documentView() const { return window->documentViews().documentView(); }
    QString libraryPath(const QString& relative) const { return library->layout().libraryFolder() + relative; }

    void clickRecord(const QString& code)
    {
        CatalogueModel& model = window->catalogueModel();
        int node = model.indexOfKey(QStringLiteral("l") + code);
        if (node < 0) node = model.indexOfKey(QStringLiteral("m") + code);
        const auto* proxy = qobject_cast<QAbstractProxyModel*>(tree()->model());
        const QModelIndex index = proxy->mapFromSource(model.indexOfNode(node));
        ASSERT_TRUE(index.isValid()) << code.toStdString();
        tree()->expand(index.parent());
        tree()->scrollTo(index);
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, tree()->visualRect(index).center());
        EXPECT_EQ(window->recordCodeBox()->text(), code);
    }

    QString pageText()
    {
        return test::answerOf<QString>([&](auto done) { documentView()->plainText(done); }).value_or(QString());
    }

    static test::TestLibrary* library;
    static QTemporaryDir* outside;
    SharedConnection connection{library->layout()};
    test::ScriptedPrompter prompter;
    QTemporaryDir settings;
    test::RecordingShell* shell = nullptr;
    std::unique_ptr<MainWindow> window;
};

test::TestLibrary* ConfinementScenarioTest::library = nullptr;
QTemporaryDir* ConfinementScenarioTest::outside = nullptr;

TEST_F(ConfinementScenarioTest, RecordsLeadingOutOfTheLibraryShowThePlaceholderNeverThePreviousPage)
{
    const QUrl previous = QUrl::fromLocalFile(libraryPath(u"/docs01/101210350001.htm"_s));
    const QUrl placeholder = QUrl::fromLocalFile(library->layout().placeholderPicture());
    for (const QString& code : {QStringLiteral("101210360003"), QStringLiteral("101210360004")}) {
        clickRecord(QStringLiteral("101210350001"));
        KELVOR_WAIT_EQ(documentView()->location(), previous, kPageDeadlineMs);
        KELVOR_WAIT_TRUE(pageText().contains(QStringLiteral("变量与类型")), kPageDeadlineMs);

        clickRecord(code);
        KELVOR_WAIT_EQ(documentView()->location(), placeholder, kPageDeadlineMs);
        KELVOR_WAIT_TRUE(!documentView()->isLoading(), kPageDeadlineMs);
        const QString text = pageText();
        EXPECT_FALSE(text.contains(QStringLiteral("变量与类型"))) << code.toStdString();
        EXPECT_FALSE(text.contains(QString::fromLatin1(kSecret))) << code.toStdString();
    }
}

TEST_F(ConfinementScenarioTest, AHostilePageOpenedFromTheTreeStaysInsideAndOnlyAClickedLinkLeaves)
{
    const QUrl page = QUrl::fromLocalFile(libraryPath(u"/docs03/101210360005.htm"_s));
    clickRecord(QStringLiteral("101210360005"));
    KELVOR_WAIT_EQ(documentView()->location(), page, kPageDeadlineMs);
    KELVOR_WAIT_TRUE(pageText().contains(QStringLiteral("still here")), kPageDeadlineMs);
    EXPECT_FALSE(pageText().contains(QStringLiteral("root:")));
    EXPECT_EQ(documentView()->location(), page);
    EXPECT_TRUE(shell->addresses.isEmpty()) << "the page's script handed nothing to the desktop";

    // The user clicks the page's web link: the desktop's browser gets it,
    // the view keeps the page.
    const QPoint at(documentView()->width() / 2, 40);
    QWidget* input = documentView()->childAt(at);
    ASSERT_NE(input, nullptr);
    QTest::mouseClick(input, Qt::LeftButton, {}, input->mapFrom(documentView(), at));
    KELVOR_WAIT_EQ(shell->addresses, QList<QUrl>{QUrl(QStringLiteral("https://example.com/manual"))},
                              kPageDeadlineMs);
    EXPECT_EQ(documentView()->location(), page);
    EXPECT_TRUE(pageText().contains(QStringLiteral("手册")));
}

}  // namespace
}  // namespace kelvor
