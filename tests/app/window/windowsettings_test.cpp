#include "searchwindow.h"

#include "app/window/notespanel.h"

#include "catalogue/cataloguemodel.h"

#include <QCheckBox>
#include <QCloseEvent>

#include "support/fulldisk.h"

namespace kelvor {

using namespace Qt::StringLiterals;
namespace {

using test::SearchWindowTest;
using Content = std::optional<QByteArray>;

// The settings files of the library are written before each window starts.
class WindowSettingsTest : public SearchWindowTest {
protected:
    void SetUp() override { connection.open(DatabaseRole::Content); }
    void TearDown() override
    {
        window.reset();
        put(library->layout().optionFile(), std::nullopt);
        put(library->layout().loginsysFile(), std::nullopt);
        put(library->layout().coolsysFile(), std::nullopt);
    }

    static void put(const QString& path, const Content& content)
    {
        QFile::remove(path);
        if (!content) return;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write settings file");
        file.write(*content);
    }

    static Content read(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
        return file.readAll();
    }

    QCheckBox* showNotesOption() const { return child<QCheckBox>(QStringLiteral("option7")); }
    QString treeRoot() const
    {
        return window->catalogueModel().nodeCount() ? window->catalogueModel().node(0).text : QString();
    }
};

TEST_F(WindowSettingsTest, OptionFileAndStartupEntryChooseTheStartingState)
{
    struct Case {
        Content option, loginsys;
        bool ticked;
        QString tree;
    };
    const std::vector<Case> cases = {
        {"1\r\n", "1\r\n", true, u"入门训练"_s},
        {"0\r\n", "1\r\n", false, u"入门训练"_s},
        {"1\r\n", "9\r\n", true, u"从零开始"_s},
        {"1\r\n", "abc\r\n", true, u"从零开始"_s},
        {"1\r\n", std::nullopt, true, u"从零开始"_s},
        {"5\r\n", "1\r\n", false, u"入门训练"_s},         // another number leaves the box as it is
        {std::nullopt, "1\r\n", false, u"从零开始"_s},  // no option file: the start-up entry is not read
        {"", "1\r\n", false, u"从零开始"_s},            // an empty or blank option file counts as unreadable
        {"  \r\n", "1\r\n", false, u"从零开始"_s},
    };
    for (const Case& k : cases) {
        put(library->layout().optionFile(), k.option);
        put(library->layout().loginsysFile(), k.loginsys);
        makeWindow();
        const std::string label = k.option.value_or("none").toStdString() + " / " + k.loginsys.value_or("none").toStdString();
        EXPECT_EQ(showNotesOption()->isChecked(), k.ticked) << label;
        EXPECT_EQ(treeRoot(), k.tree) << label;
        // Once shown, the window works on the technology centre whatever the start chose,
        // and the title still names the tree on show.
        window->show();
        EXPECT_EQ(window->session().currentTable(), tableExpression(*centreByTable(u"jszx"), library->layout())) << label;
        EXPECT_EQ(title(), k.tree) << label;
        EXPECT_TRUE(prompter.messages.isEmpty()) << label;
    }
}

TEST_F(WindowSettingsTest, TheNotesOptionIsKeptAcrossRestarts)
{
    put(library->layout().optionFile(), "0\r\n");
    makeWindow();
    auto* option = showNotesOption();
    ASSERT_TRUE(option);
    EXPECT_EQ(option->text(), u"查询时是否显示心得查看按钮"_s);
    EXPECT_EQ(option->parentWidget(), window->notesPanel());
    EXPECT_TRUE(window->notesPanel()->isHidden());

    option->click();
    EXPECT_EQ(read(library->layout().optionFile()), "1\r\n");
    makeWindow();
    EXPECT_TRUE(showNotesOption()->isChecked());
    showNotesOption()->click();
    EXPECT_EQ(read(library->layout().optionFile()), "0\r\n");
}

TEST_F(WindowSettingsTest, ClosingReplacesCoolsysWithTheSearchBoxList)
{
    put(library->layout().coolsysFile(), "\r\nold entry\r\n");
    makeWindow();
    window->show();
    searchBox()->setEditText(QStringLiteral("typed text"));  // the edit text is not part of the list
    EXPECT_TRUE(window->close());
    EXPECT_EQ(read(library->layout().coolsysFile()), "\r\n");

    // Were the list to hold entries, each would follow a line end.
    makeWindow();
    window->show();
    searchBox()->addItems({u"abc"_s, u"def"_s});
    EXPECT_TRUE(window->close());
    EXPECT_EQ(read(library->layout().coolsysFile()), "\r\nabc\r\ndef\r\n");
    EXPECT_EQ(QDir(library->layout().libraryFolder()).entryList({u"coolsys*"_s}, QDir::Files), QStringList{u"coolsys.ini"_s});
}

TEST_F(WindowSettingsTest, StartupItemsBeyondTheTwoCoursesShowTheirPageWithAnEmptyTree)
{
    put(library->layout().optionFile(), "1\r\n");
    put(library->layout().loginsysFile(), "3\r\n");
    makeWindow();
    EXPECT_EQ(title(), u"提高训练"_s);
    EXPECT_EQ(treeRoot(), u""_s);
    window->show();
    EXPECT_EQ(title(), u"提高训练"_s);
    EXPECT_EQ(treeRoot(), u""_s);
}

using test::FullDisk;

TEST_F(WindowSettingsTest, AWriteThatFailsKeepsTheOldSettingsFiles)
{
    put(library->layout().optionFile(), "0\r\n");
    put(library->layout().coolsysFile(), "\r\nold entry\r\n");
    QFile::remove(viewSettingsPath());
    put(viewSettingsPath(), "1\r\n0\r\n0\r\n");
    makeWindow();
    window->show();
    searchBox()->addItems({u"abc"_s, u"def"_s});
    {
        const FullDisk full;
        showNotesOption()->click();
        click(u"Command11"_s);
        click(u"Option2"_s);
        click(u"Command19"_s);
        window->close();
    }
    EXPECT_EQ(read(library->layout().optionFile()), "0\r\n");
    EXPECT_EQ(read(library->layout().coolsysFile()), "\r\nold entry\r\n");
    EXPECT_EQ(read(viewSettingsPath()), "1\r\n0\r\n0\r\n");
    EXPECT_TRUE(QDir(QFileInfo(library->layout().optionFile()).path()).entryList(QDir::Files | QDir::Hidden).size() == 1)
        << "no half-written file is left beside it";
}

}  // namespace
}  // namespace kelvor
