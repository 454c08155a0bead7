#include "app/window/keywords/keywordeditorpanel.h"
#include "app/window/keywords/keywordlistpanel.h"
#include "app/window/keywords/relatedkeywordspanel.h"

#include "keywords/keywordfixture.h"
#include "support/userinput.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace kelvor::test {
namespace {

using namespace Qt::StringLiterals;
using keywords::EditorMode;
using Opening = KeywordEditorPanel::Opening;

CentreRecord record(const QString& code, const QString& name, const QString& jbmc = {})
{
    CentreRecord r;
    r.xxbh = code;
    r.name = name;
    r.jbmc = jbmc;
    return r;
}

// The panel on generated keyword databases, in the technology centre unless
// a test changes the caption.
class KeywordEditorPanelTest : public KeywordFixture {
protected:
    KeywordEditorPanelTest()
    {
        library.addRecords(u"jszx"_s, {record(u"10121011"_s, u"指针"_s), record(u"101210110001"_s, u"绝对值函数"_s, u"abs"_s),
                                       record(u"101210110003"_s, u"数组"_s)});
        linkTech(u"Array"_s, u"数组用法"_s, u"101210110003"_s);
        linkTech(u"argv"_s, u"命令行"_s);
        linkTech(u"char"_s, u"字符"_s);
        linkTech(u"abs"_s, u"绝对值"_s, u"101210110001"_s);
    }

    template <typename T = QWidget>
    T* child(const char* name) const
    {
        return panel.findChild<T*>(QString::fromLatin1(name));
    }
    QLineEdit* field(const char* name) const { return child<QLineEdit>(name); }
    QComboBox* combo(const char* name) const { return child<QComboBox>(name); }
    void click(const char* name) { QTest::mouseClick(child(name), Qt::LeftButton); }
    // Types into a combo box as a user does: the panel on show and opened out
    // (the keyword list lies in its lower part), the box focused by a click,
    // the keys sent where the focus then is. A panel the test kept hidden is
    // hidden again, so the clicks after it reach the same buttons.
    void typeInto(const char* comboName, const QString& text)
    {
        const bool wasShown = panel.isVisible();
        panel.show();
        if (!panel.isExpanded()) click("Command55");
        QWidget* focus = userinput::focusByClick(combo(comboName));
        EXPECT_EQ(focus, combo(comboName));
        userinput::pressKey(Qt::Key_End);
        userinput::typeText(text);
        if (!wasShown) panel.hide();
    }
    QStringList items(const char* comboName) const
    {
        QStringList out;
        for (int i = 0; i < combo(comboName)->count(); ++i) out << combo(comboName)->itemText(i);
        return out;
    }
    QStringList titles() const
    {
        QStringList out;
        QAbstractItemModel* model = child<QListView>("List7")->model();
        for (int r = 0; r < model->rowCount(); ++r) out << model->index(r, 0).data().toString();
        return out;
    }
    void chooseKeyword(const QString& keyword)
    {
        QComboBox* list = combo("Combo8");
        const int i = list->findText(keyword);
        ASSERT_GE(i, 0) << keyword.toStdString();
        list->setCurrentIndex(i);
        emit list->activated(i);
    }
    QStringList enabledOpenings() const
    {
        QStringList out;
        for (auto [opening, name] : {std::pair{Opening::NavigationKeywords, "导航技术关键字"},
                                     std::pair{Opening::ExampleKeywords, "导航实例关键字"},
                                     std::pair{Opening::FolderRenaming, "修改文件夹"}})
            if (panel.isOpeningEnabled(opening)) out << QString::fromUtf8(name);
        return out;
    }

    QString caption = u"技术中心"_s;
    KeywordEditorPanel panel{index, editor, [this] { return caption; }};
};

TEST_F(KeywordEditorPanelTest, KeywordModesListTheirDatabaseAndLockTheKeywordOpenings)
{
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(panel.title(), u"目录参数设置"_s);
    EXPECT_EQ(items("Combo9").size(), 27);
    EXPECT_FALSE(child("Combo9")->isVisibleTo(&panel));

    panel.open(Opening::NavigationKeywords);
    EXPECT_EQ(panel.mode(), EditorMode::Navigation);
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.title(), u"技术关键字参数设置说明"_s);
    // Table by table, each in the order its grouping gives.
    EXPECT_EQ(items("Combo8"), (QStringList{u"Array"_s, u"abs"_s, u"argv"_s, u"char"_s}));
    EXPECT_TRUE(combo("Combo8")->currentText().isEmpty());
    EXPECT_EQ(enabledOpenings(), QStringList{u"修改文件夹"_s});
    // A disabled opening does nothing.
    panel.open(Opening::ExampleKeywords);
    EXPECT_EQ(panel.mode(), EditorMode::Navigation);

    click("Command54");
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(panel.mode(), EditorMode::Navigation);  // hiding keeps the mode
    EXPECT_EQ(enabledOpenings().size(), 3);

    panel.open(Opening::ExampleKeywords);
    EXPECT_EQ(panel.title(), u"实例关键字参数设置说明"_s);
    EXPECT_TRUE(items("Combo8").isEmpty());
}

TEST_F(KeywordEditorPanelTest, FolderModeDisablesTheKeywordControlsUntilHidden)
{
    const char* const keywordControls[] = {"Text18", "Text19", "Text20", "editorText21", "Check5", "Combo8", "Combo10",
                                           "Command58", "Command59", "Command60", "Command55", "Command61"};
    panel.open(Opening::FolderRenaming);
    EXPECT_EQ(panel.mode(), EditorMode::Folder);
    for (const char* name : keywordControls) EXPECT_FALSE(child(name)->isEnabled()) << name;
    EXPECT_TRUE(field("Text22")->isEnabled());
    EXPECT_TRUE(enabledOpenings().isEmpty());
    click("Command54");
    for (const char* name : keywordControls) EXPECT_TRUE(child(name)->isEnabled()) << name;
    EXPECT_EQ(enabledOpenings().size(), 3);
}

TEST_F(KeywordEditorPanelTest, SizeButtonSwitchesBetweenShortAndFullPanel)
{
    panel.open(Opening::NavigationKeywords);
    EXPECT_EQ(panel.height(), 184);  // 2760 twips
    click("Command55");
    EXPECT_EQ(child<QPushButton>("Command55")->text(), u"关闭"_s);
    EXPECT_EQ(panel.height(), 439);  // 6585 twips
    // The full panel holds everything down to the last field; the short one ends above the keyword list.
    EXPECT_LE(field("editorText21")->geometry().bottom(), panel.height());
    EXPECT_GE(combo("Combo8")->y(), 184);
    click("Command55");
    EXPECT_EQ(child<QPushButton>("Command55")->text(), u"展开"_s);
    EXPECT_EQ(panel.height(), 184);
}

TEST_F(KeywordEditorPanelTest, SavingLinksTheRecordUnderTheTrimmedLockedKeyword)
{
    panel.open(Opening::NavigationKeywords);
    panel.setRecordCode(u"101210110003"_s);
    panel.setRecordTitle(u"数组"_s);  // the title becomes the display name
    EXPECT_EQ(field("Text22")->text(), u"数组"_s);
    child<QCheckBox>("Check5")->click();  // ticking copies the title to the locked keyword
    EXPECT_EQ(field("Text19")->text(), u"数组"_s);
    field("Text19")->setText(u" Array "_s);
    click("Command17");
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u'/').toStdString();
    EXPECT_TRUE(rows(DatabaseRole::TechKeywords).contains(u"akv|Array|数组|数组|101210110003"_s));
    EXPECT_EQ(contentValue(u"select jbmc from jszx where xxbh = '101210110003'"_s), u"Array"_s);
    EXPECT_TRUE(child("Label36")->isVisible());
    for (const char* name : {"editorText16", "Text17", "Text22"}) EXPECT_TRUE(field(name)->text().isEmpty()) << name;
    EXPECT_FALSE(child<QCheckBox>("Check5")->isChecked());
    // The related titles show the locked keyword's links afterwards.
    EXPECT_EQ(titles(), (QStringList{u"数组用法"_s, u"数组"_s}));
}

TEST_F(KeywordEditorPanelTest, EveryFailureOfTheTableIsToldThroughThePrompter)
{
    struct Case {
        const char* what;
        std::function<void()> act;
        QString message;
    };
    const Case cases[] = {
        {"save with every field empty", [&] { click("Command17"); },
         u"序号、目录名称、关联技术名称、锁定关键词为空，不能保存。请先打开要关联的记录。"_s},
        {"import with an empty choice", [&] { click("Command58"); }, keywords::KeywordEditor::emptyImportMessage()},
        {"import for an unknown code",
         [&] {
             panel.setRecordCode(u"999"_s);
             typeInto("Combo10", u"abs"_s);
             click("Command58");
         },
         u"没有检索到数据,不能导入关键字!!"_s},
        {"save as main keyword for an unknown code",
         [&] {
             panel.setRecordCode(u"999"_s);
             panel.setRecordTitle(u"x"_s);
             child<QCheckBox>("Check5")->click();
             click("Command17");
         },
         u"没有检索到数据!!"_s},
        {"delete without a keyword", [&] { click("Command61"); }, u"关键字选择为空,请重新输入关键字!!"_s},
        // Choosing from the drop-down does not select the keyword for unlinking.
        {"unlink a chosen keyword",
         [&] {
             chooseKeyword(u"abs"_s);
             click("Command59");
         },
         u"请输入关键字或删除标题"_s},
        {"rename onto an existing keyword",
         [&] {
             chooseKeyword(u"abs"_s);
             prompter.inputAnswers.push_back(u"char"_s);
             click("Command60");
         },
         u"关键词已存在,请先删除在修改!!"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        panel.open(Opening::NavigationKeywords);
        prompter.messages.clear();
        const QStringList before = rows(DatabaseRole::TechKeywords);
        c.act();
        EXPECT_EQ(prompter.messages, QStringList{c.message});
        EXPECT_EQ(rows(DatabaseRole::TechKeywords), before);
        click("Command54");
    }
}

// A save that cannot store the link says what is missing and keeps every
// field as it was, so that nothing the user typed has to be typed again.
TEST_F(KeywordEditorPanelTest, SavingWithAFieldMissingSaysWhichAndKeepsTheFields)
{
    struct Case {
        const char* what;
        Opening opening;
        QString code, title, displayName, locked;
        QString message;
    };
    const Case cases[] = {
        {"no record open", Opening::NavigationKeywords, {}, {}, u"数组用法"_s, u"Array"_s,
         u"序号、目录名称为空，不能保存。请先打开要关联的记录。"_s},
        {"no locked keyword", Opening::NavigationKeywords, u"101210110003"_s, u"数组"_s, u"数组的用法"_s, {},
         u"锁定关键词为空，不能保存。"_s},
        {"no display name, example keywords", Opening::ExampleKeywords, u"101210110003"_s, u"数组"_s, {}, u"loop"_s,
         u"关联实例名称为空，不能保存。"_s},
    };
    const char* const fields[] = {"editorText16", "Text17", "Text22", "Text19"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        panel.open(c.opening);
        prompter.messages.clear();
        panel.setRecordCode(c.code);
        panel.setRecordTitle(c.title);
        field("Text22")->setText(c.displayName);
        field("Text19")->setText(c.locked);
        const QStringList tech = rows(DatabaseRole::TechKeywords);
        const QStringList example = rows(DatabaseRole::ExampleKeywords);
        click("Command17");
        EXPECT_EQ(prompter.messages, QStringList{c.message});
        const QStringList typed = {c.code, c.title, c.displayName, c.locked};
        for (int i = 0; i < 4; ++i) EXPECT_EQ(field(fields[i])->text(), typed[i]) << fields[i];
        EXPECT_TRUE(child("Command17")->isEnabled());
        EXPECT_FALSE(child("Label36")->isVisible());
        EXPECT_EQ(rows(DatabaseRole::TechKeywords), tech);
        EXPECT_EQ(rows(DatabaseRole::ExampleKeywords), example);
        click("Command54");
    }
}

TEST_F(KeywordEditorPanelTest, FilterFillsTheImportChoiceAndImportSetsTheMainKeyword)
{
    panel.open(Opening::NavigationKeywords);
    field("Text18")->setText(u"ar"_s);
    EXPECT_EQ(items("Combo10"), (QStringList{u"Array"_s, u"argv"_s}));
    EXPECT_TRUE(combo("Combo10")->currentText().isEmpty());
    EXPECT_FALSE(child("Command58")->isEnabled());
    chooseKeyword(u"abs"_s);  // sets the import choice and enables the import
    EXPECT_EQ(combo("Combo10")->currentText(), u"abs"_s);
    EXPECT_TRUE(child("Command58")->isEnabled());
    EXPECT_EQ(titles(), QStringList{u"绝对值"_s});
    panel.setRecordCode(u"101210110003"_s);
    click("Command58");
    EXPECT_EQ(contentValue(u"select jbmc from jszx where xxbh = '101210110003'"_s), u"abs"_s);
    EXPECT_EQ(field("Text20")->text(), u"abs"_s);
    EXPECT_FALSE(child("Command58")->isEnabled());
}

TEST_F(KeywordEditorPanelTest, RenameDeleteAndUnlinkRefreshTheLists)
{
    panel.open(Opening::NavigationKeywords);
    chooseKeyword(u"abs"_s);
    prompter.inputAnswers.push_back(u" Abs"_s);
    click("Command60");
    EXPECT_TRUE(items("Combo8").contains(u"Abs"_s));
    EXPECT_FALSE(items("Combo8").contains(u"abs"_s));
    EXPECT_EQ(contentValue(u"select jbmc from jszx where xxbh = '101210110001'"_s), u"Abs"_s);

    chooseKeyword(u"char"_s);
    click("Command61");
    EXPECT_FALSE(items("Combo8").contains(u"char"_s));

    linkTech(u"argv"_s, u"命令行"_s);  // two equal links
    combo("Combo8")->lineEdit()->clear();
    typeInto("Combo8", u"argv"_s);  // typing selects the keyword
    EXPECT_EQ(titles(), (QStringList{u"命令行"_s, u"命令行"_s}));
    // The title is chosen with a click, as a user chooses it: the keyword box
    // gives up the focus then, not when the button is pressed.
    auto* titleList = child<QListView>("List7");
    QTest::mouseClick(titleList->viewport(), Qt::LeftButton, {},
                      titleList->visualRect(titleList->model()->index(0, 0)).center());
    click("Command59");
    EXPECT_EQ(titles(), QStringList{u"命令行"_s});
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u'/').toStdString();
}

TEST_F(KeywordEditorPanelTest, FolderRenameOutsideTheRecordCentresChangesNoRecord)
{
    QSignalSpy renamed(&panel, &KeywordEditorPanel::folderRenamed);
    panel.open(Opening::FolderRenaming);
    panel.setRecordCode(u"10121011"_s);
    caption = u"从零开始"_s;
    field("Text22")->setText(u"新名称"_s);
    click("Command17");
    EXPECT_EQ(prompter.messages, QStringList{u"没有检索到数据!!"_s});
    EXPECT_EQ(contentValue(u"select name from jszx where xxbh = '10121011'"_s), u"指针"_s);

    caption = u"技术中心"_s;
    field("Text22")->setText(u"   "_s);  // blanks only: refused like an empty name
    click("Command17");
    EXPECT_EQ(contentValue(u"select name from jszx where xxbh = '10121011'"_s), u"指针"_s);
    EXPECT_EQ(renamed.count(), 0);
    EXPECT_TRUE(child("Command17")->isEnabled());

    field("Text22")->setText(u"新名称"_s);
    click("Command17");
    EXPECT_EQ(contentValue(u"select name from jszx where xxbh = '10121011'"_s), u"新名称"_s);
    ASSERT_EQ(renamed.count(), 1);
    EXPECT_EQ(renamed.front().at(1).toString(), u"新名称"_s);
}

TEST_F(KeywordEditorPanelTest, AKeywordDatabaseThatCannotBeOpenedLeavesThePanelUsable)
{
    ASSERT_TRUE(QFile::remove(library.layout().databasePath(DatabaseRole::TechKeywords)));
    panel.open(Opening::NavigationKeywords);
    EXPECT_TRUE(panel.isVisible());
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages.front().startsWith(u"关键字数据库无法使用"_s));
    click("Command54");
    EXPECT_EQ(enabledOpenings().size(), 3);
}

TEST_F(KeywordEditorPanelTest, RelatedLabelsAndExamplesOpenTheirRecords)
{
    link(DatabaseRole::ExampleKeywords, u"loop"_s, u"循环实例"_s, u"101221010001"_s);
    RelatedKeywordsPanel related(index);
    KeywordListPanel examples(index);
    QSignalSpy opened(&related, &RelatedKeywordsPanel::openRecordRequested);
    QSignalSpy openedExample(&examples, &KeywordListPanel::openRecordRequested);
    related.setNavigationKeyword(u"Array"_s, {u"数组用法"_s, u"没有这一条"_s});
    examples.setExampleKeyword(u"loop"_s, {u"循环实例"_s});
    auto* label = related.findChild<QLabel*>(u"Label32(0)"_s);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), RelatedKeywordsPanel::labelCaption(u"数组用法"_s));
    ASSERT_NE(examples.findChild<QListView*>(u"List6"_s), nullptr);
    related.openFromLabel(0);
    related.openFromLabel(1);  // no record: nothing opens
    examples.openFromExample(u"循环实例"_s);
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.at(0).front().toString(), u"101210110003"_s);
    ASSERT_EQ(openedExample.count(), 1);
    EXPECT_EQ(openedExample.at(0).front().toString(), u"101221010001"_s);

    related.hoverLabel(1);
    EXPECT_EQ(related.findChild<QLabel*>(u"Label32(1)"_s)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_NE(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

// The labels and the list follow the record on show only while they can be
// seen; a keyword is trimmed and lower-cased once, for the lookup and the clicks.
TEST_F(KeywordEditorPanelTest, RelatedKeywordsFollowTheRecordWhileShown)
{
    for (int i = 0; i < 11; ++i) linkTech(u"abs"_s, u"绝对值%1"_s.arg(i));
    RelatedKeywordsPanel related(index);
    related.followRecordKeyword(u"Array"_s);
    EXPECT_TRUE(related.captions().isEmpty());  // hidden: nothing looked up yet
    related.show();
    EXPECT_EQ(related.captions(), QStringList{RelatedKeywordsPanel::labelCaption(u"数组用法"_s)});
    EXPECT_EQ(related.navigationKeyword(), u"array"_s);

    // Twelve links: every name, and no box to answer while reading.
    related.followRecordKeyword(u" ABS"_s);
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u'/').toStdString();
    EXPECT_EQ(related.captions().size(), 12);
    // Another record of the same keyword: the same labels.
    related.removeLabels();
    EXPECT_TRUE(related.captions().isEmpty());
    related.followRecordKeyword(u"abs"_s);
    EXPECT_EQ(related.captions().size(), 12);
    EXPECT_TRUE(prompter.messages.isEmpty());
    QSignalSpy opened(&related, &RelatedKeywordsPanel::openRecordRequested);
    related.openFromLabel(0);
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.front().front().toString(), u"101210110001"_s);

    related.followRecordKeyword({});  // a record without a keyword: no labels
    EXPECT_TRUE(related.captions().isEmpty());
    EXPECT_FALSE(related.findChild<QLabel*>(u"Label32(0)"_s)->isVisibleTo(&related));
}

}  // namespace
}  // namespace kelvor::test
