#include "searchwindow.h"

#include "app/window/recordbrowsing.h"
#include "app/window/resultlistcontroller.h"
#include "app/window/viewoptionsgroup.h"

#include "viewer/documentview.h"

#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>

namespace kelvor {

using namespace Qt::StringLiterals;
namespace {

using test::SearchWindowTest;

class ResultListTest : public SearchWindowTest {
protected:
    int rowOf(const QString& line) const
    {
        const auto& all = lines();
        const auto it = std::find(all.begin(), all.end(), line);
        return it == all.end() ? -1 : int(it - all.begin());
    }

    // scrollTo() also lays the lines out, which the list otherwise does later.
    QPoint centreOfRow(int row) const
    {
        const QModelIndex index = window->resultListModel().index(row);
        resultList()->scrollTo(index);
        return resultList()->visualRect(index).center();
    }

    const RecordHistory& history() { return window->browsing().opener().history(); }
    QString lastOpenedCode() { return history().code(history().size()); }
    QString lastOpenedTitle() { return history().title(history().size()); }
    QString recordCodeBox() const { return window->recordCodeBox()->text(); }
    QString shownDocument() const { return window->documentViews().documentView()->location().toLocalFile(); }
};

TEST_F(ResultListTest, SingleClickOpensTheRecordOfEveryCentreByItsCode)
{
    showSearchPage();
    struct Case {
        QString line, code;
    };
    // The interface centre's record is found too: its centre follows from its code.
    const std::vector<Case> cases = {
        {u"字符串处理"_s, u"101210350002"_s},
        {u"登录窗口"_s, u"220121010001"_s},
        {u"Login 窗口"_s, test::kLoginCode},
        {u"局域网聊天"_s, u"101251010001"_s},
    };
    for (const Case& k : cases) {
        // The same title in two centres: take the line whose code is the one wanted.
        int row = -1;
        for (int r = 0; r < window->resultListModel().rowCount(); ++r)
            if (window->resultListModel().code(r) == k.code) row = r;
        ASSERT_GE(row, 0) << k.code.toStdString();
        window->resultListController().lineClicked(row);
        EXPECT_EQ(recordCodeBox(), k.code);
        EXPECT_EQ(lastOpenedCode(), k.code);
        EXPECT_EQ(lastOpenedTitle(), k.line);
        EXPECT_EQ(resultList()->toolTip(), u"双击列表选项,查看选定内容"_s);
    }
    EXPECT_EQ(shownDocument(), *library->layout().documentPath(u"docs01"_s, u"101251010001"_s, u".htm"_s));
}

TEST_F(ResultListTest, SingleClickOnACodeThatIsNotThereOpensNothing)
{
    showSearchPage();
    type(u"Lo"_s);
    const int before = history().size();
    auto db = library->open(DatabaseRole::Content);
    db->execute(QStringLiteral("update jszx set xxbh = '101210350009' where xxbh = '101210350003'"));
    window->resultListController().lineClicked(1);  // "Loop 循环", now under another code
    db->execute(QStringLiteral("update jszx set xxbh = '101210350003' where xxbh = '101210350009'"));
    EXPECT_EQ(history().size(), before);
    EXPECT_EQ(resultList()->toolTip(), u"双击列表选项,查看选定内容"_s);
    window->resultListController().lineClicked(99);  // no such line
    EXPECT_EQ(history().size(), before);
}

TEST_F(ResultListTest, DoubleClickOpensTheLineScrollsTheDocumentAndShowsIt)
{
    showTechnologyCentre();
    click(u"Command8"_s);
    QSignalSpy scrolled(&window->resultListController(), &ResultListController::documentScrolledToEndAndBack);
    window->documentViews().documentView()->hide();
    const int row = rowOf(u"字符串处理"_s);
    // A user's double click: a click, then the second press that arrives as a double click.
    QTest::mouseClick(resultList()->viewport(), Qt::LeftButton, {}, centreOfRow(row));
    const int afterClick = history().size();
    QTest::mouseDClick(resultList()->viewport(), Qt::LeftButton, {}, centreOfRow(row));
    EXPECT_EQ(history().size(), afterClick + 1);
    EXPECT_EQ(lastOpenedCode(), u"101210350002"_s);
    EXPECT_EQ(lastOpenedTitle(), u"字符串处理"_s);
    EXPECT_EQ(shownDocument(), *library->layout().documentPath(u"docs01"_s, u"101210350002"_s, u".htm"_s));
    EXPECT_TRUE(scrolled.wait(30000));
    EXPECT_FALSE(window->documentViews().documentView()->isHidden());
}

TEST_F(ResultListTest, DoubleClickOnAnEmptyListDoesNothing)
{
    showTechnologyCentre();
    searchBox()->setEditText(QStringLiteral("没有这个标题"));
    click(u"Command3"_s);
    ASSERT_TRUE(lines().empty());
    const int before = history().size();
    window->resultListController().lineDoubleClicked(0);
    EXPECT_EQ(history().size(), before);
}

TEST_F(ResultListTest, MovingOverTheListResetsTheBarOnce)
{
    showSearchPage();
    auto move = [](QWidget* widget) {
        QMouseEvent event(QEvent::MouseMove, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    };
    move(child(u"Label1(3)"_s));
    ASSERT_EQ(window->navigation().bar().menuState(), u"no"_s);
    move(resultList()->viewport());
    EXPECT_EQ(window->navigation().bar().menuState(), u"ok"_s);
    // The overlay is back on the page on show (10 twips wider outside the centre group).
    EXPECT_NEAR(child(u"Image3"_s)->x(), child(u"Label1(2)"_s)->x(), 1);
}

TEST_F(ResultListTest, TheScrollBarBelowSlidesTheListToTheEndOfLongTitles)
{
    showTechnologyCentre();
    click(u"Command8"_s);
    auto* bar = child<QScrollBar>(u"HScroll1"_s);
    const QRect before = resultList()->geometry();
    ASSERT_GT(bar->maximum(), 300);
    bar->setValue(300);
    // The list reaches under the frame's left edge by 300 twips; its right edge and scroll bar stay.
    EXPECT_EQ(resultList()->x(), before.x() - 20);
    EXPECT_EQ(resultList()->geometry().right(), before.right());
    bar->setValue(0);
    EXPECT_EQ(resultList()->geometry(), before);
}

class ViewOptionsWindowTest : public SearchWindowTest {
protected:
    void SetUp() override { connection.open(DatabaseRole::Content); }

    void startWith(const std::optional<QByteArray>& content)
    {
        QFile::remove(viewSettingsPath());
        if (content) {
            QFile file(viewSettingsPath());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(*content);
        }
        makeWindow();
        window->show();
    }

    std::optional<QByteArray> file() const
    {
        QFile f(viewSettingsPath());
        if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
        return f.readAll();
    }

    std::vector<QString> selected() const
    {
        std::vector<QString> names;
        for (const char* name : {"Option1", "Option2", "Option8", "Option9", "Option4(0)", "Option4(1)"})
            if (child<QRadioButton>(QString::fromLatin1(name))->isChecked()) names.push_back(QString::fromLatin1(name));
        return names;
    }

    void clickOption(const char* name)
    {
        click(u"Command11"_s);  // the options lie in the advanced panel
        click(QString::fromLatin1(name));
        click(u"Command19"_s);
    }
};

TEST_F(ViewOptionsWindowTest, TheFileSelectsTheOptionsAtLoadAndEachClickRewritesItsLine)
{
    startWith("1\r\n0\r\n0\r\n");
    EXPECT_EQ(selected(), (std::vector<QString>{u"Option1"_s, u"Option9"_s, u"Option4(0)"_s}));
    EXPECT_EQ(window->viewOptions().options().fieldSetting(), u"m"_s);
    EXPECT_EQ(file(), "1\r\n0\r\n0\r\n");  // reading writes nothing

    clickOption("Option2");
    EXPECT_EQ(file(), "1\r\n1\r\n0\r\n");
    EXPECT_EQ(window->viewOptions().options().positionSetting(), u"n"_s);
    clickOption("Option8");
    EXPECT_EQ(file(), "0\r\n1\r\n0\r\n");

    // The next start selects what was clicked.
    makeWindow();
    EXPECT_EQ(selected(), (std::vector<QString>{u"Option2"_s, u"Option8"_s, u"Option4(0)"_s}));
}

TEST_F(ViewOptionsWindowTest, WithoutAFileTheStartingSelectionStaysAndTheFirstClickCreatesIt)
{
    startWith(std::nullopt);
    EXPECT_EQ(selected(), (std::vector<QString>{u"Option1"_s, u"Option9"_s, u"Option4(1)"_s}));
    EXPECT_EQ(window->viewOptions().options().rangeSetting(), u""_s);
    EXPECT_EQ(file(), std::nullopt);
    clickOption("Option9");
    EXPECT_EQ(file(), "1\r\n\r\n\r\n");
}

TEST_F(ViewOptionsWindowTest, LinesAfterTheThirdAreDroppedOnTheNextClick)
{
    startWith("x\r\n\r\n1\r\n1\r\n0\r\n");
    EXPECT_EQ(selected(), (std::vector<QString>{u"Option2"_s, u"Option8"_s, u"Option4(1)"_s}));
    clickOption("Option4(0)");
    EXPECT_EQ(file(), "x\r\n\r\n0\r\n");
}

TEST_F(ViewOptionsWindowTest, AnyLineEndEndsALine)
{
    for (const QByteArray& content : {QByteArray("1\n0\n0\n"), QByteArray("1\r0\r0\r"), QByteArray("1\r\n0\n0\r")}) {
        startWith(content);
        EXPECT_EQ(selected(), (std::vector<QString>{u"Option1"_s, u"Option9"_s, u"Option4(0)"_s})) << content.toStdString();
    }
}

TEST_F(ViewOptionsWindowTest, WithoutAGivenPathTheSettingsLiveInTheUsersConfigurationFolder)
{
    // Tests run in Qt's test mode: the user's configuration folder is a test folder.
    const QString path = ViewSettingsFile::defaultPath();
    QFile::remove(path);
    window = std::make_unique<MainWindow>(connection, library->layout(), prompter);
    window->show();
    clickOption("Option9");
    window.reset();

    EXPECT_TRUE(path.startsWith(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)))
        << path.toStdString();
    EXPECT_TRUE(QFileInfo::exists(path)) << path.toStdString();
    EXPECT_TRUE(QDir(library->dataRoot()).entryList({u"rcontrolmt.ini"_s}, QDir::Files).isEmpty());
    EXPECT_TRUE(QDir(library->layout().libraryFolder()).entryList({u"rcontrolmt.ini"_s}, QDir::Files).isEmpty());
    QFile::remove(path);
}

}  // namespace
}  // namespace kelvor
