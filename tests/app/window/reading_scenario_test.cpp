// A reader's way through the document toolbar on the real window over the
// demo library: open two documents, go back and forth, keep a favourite
// that outlives the program, mark words in a page, write a learning note and
// keep a reading bookmark.

#include "authoring/demolibrary.h"

#include "app/window/documentslots.h"
#include "app/window/mainwindow.h"
#include "app/window/navigationcontroller.h"
#include "app/window/recordbrowsing.h"

#include "catalogue/cataloguemodel.h"
#include "catalogue/readingbookmark.h"
#include "library/gbk.h"
#include "library/sharedconnection.h"
#include "personal/notefield.h"
#include "support/fulldisk.h"
#include "support/scriptedprompter.h"
#include "viewer/documentview.h"
#include "viewer/recordingshell.h"
#include "viewer/qtprinters.h"
#include "eventwait.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractProxyModel>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QWebEngineView>

namespace kelvor {
namespace {

using namespace Qt::StringLiterals;

constexpr int kPageDeadlineMs = 30000;

struct DemoRecord {
    QString code;
    QString name;
    QString link;
};

class ReadingScenarioTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder = new QTemporaryDir;
        authoring::writeDemoLibrary(folder->path());
    }
    static void TearDownTestSuite()
    {
        delete folder;
        folder = nullptr;
    }

    void SetUp() override
    {
        ASSERT_TRUE(settings.isValid());
        connection.open(DatabaseRole::Content);
        startProgram();
    }

    // A new main window on the same library, as after a restart.
    void startProgram()
    {
        if (window) window->close();
        window.reset();
        window = std::make_unique<MainWindow>(connection, layout, prompter, nullptr,
                                              settings.filePath(u"rcontrolmt.ini"_s),
                                              std::make_unique<test::RecordingShell>());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        // The toolbar's shortcuts work in the active window.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename T = QWidget>
    T* child(const QString& name) const
    {
        return window->findChild<T*>(name);
    }
    QWidget* icon(int i) const { return child(u"Label2(%1)"_s.arg(i)); }

    DocumentView* documentView() const { return window->documentViews().documentView(); }
    QTreeView* tree() const { return window->catalogueTree(); }

    std::vector<DemoRecord> documents(const QString& table, int count)
    {
        const auto rows = connection.db().query(
            // Records the demo library keeps no favourite of.
            u"select xxbh,name,link from %1 where length(link)>4 and length(xxbh)>8 and name not in "
            u"('C++ 智能指针 unique_ptr 的用法','SQL 多表连接：INNER JOIN 与 LEFT JOIN 的区别') "
            u"order by length(xxbh),xxbh limit %2"_s.arg(
                connection.contentTable(table), QString::number(count)));
        std::vector<DemoRecord> out;
        for (const auto& r : rows) out.push_back({r.text(u"xxbh"_s), r.text(u"name"_s), r.text(u"link"_s)});
        return out;
    }
    QUrl urlOf(const DemoRecord& r) const
    {
        return QUrl::fromLocalFile(layout.libraryFolder() + u"/"_s + r.link + u"/"_s + r.code + u".htm"_s);
    }

    QModelIndex viewIndexOfCode(const QString& code) const
    {
        CatalogueModel& model = window->catalogueModel();
        int node = model.indexOfKey(u"l"_s + code);
        if (node < 0) node = model.indexOfKey(u"m"_s + code);
        const auto* proxy = qobject_cast<QAbstractProxyModel*>(tree()->model());
        const QModelIndex source = model.indexOfNode(node);
        return proxy ? proxy->mapFromSource(source) : source;
    }
    void clickNode(const QModelIndex& index)
    {
        tree()->scrollTo(index);
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, tree()->visualRect(index).center());
    }
    void clickRecordNode(const QString& code)
    {
        const QModelIndex target = viewIndexOfCode(code);
        ASSERT_TRUE(target.isValid()) << code.toStdString();
        std::vector<QModelIndex> folders;
        for (QModelIndex up = target.parent(); up.isValid(); up = up.parent()) folders.insert(folders.begin(), up);
        for (const QModelIndex& f : folders)
            if (!tree()->isExpanded(f)) clickNode(f);
        clickNode(target);
    }
    // Opens a record from the tree and waits until its page is in.
    void read(const DemoRecord& r)
    {
        clickRecordNode(r.code);
        expectShown(r);
    }
    void expectShown(const DemoRecord& r)
    {
        // The checks below name what was still missing when the wait ran out.
        (void)QTest::qWaitFor([&] { return documentView()->location() == urlOf(r) && !documentView()->isLoading(); },
                              kPageDeadlineMs);
        EXPECT_EQ(documentView()->location(), urlOf(r)) << r.name.toStdString();
        EXPECT_FALSE(documentView()->isLoading());
        EXPECT_TRUE(documentView()->hasDocument());
    }
    void technologyCentre()
    {
        QTest::mouseClick(child(u"Label1(1)"_s), Qt::LeftButton);
        ASSERT_EQ(child<QLabel>(u"Label5"_s)->text(), u"技术中心"_s);
    }

    QStringList listed(const QString& listName) const
    {
        auto* list = child<QListView>(listName);
        QStringList out;
        for (int row = 0; list && row < list->model()->rowCount(); ++row)
            out << list->model()->index(row, 0).data().toString();
        return out;
    }
    void clickListRow(const QString& listName, int row)
    {
        auto* list = child<QListView>(listName);
        const QModelIndex index = list->model()->index(row, 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    }

    // The highlight spans of the page on show: colour and text.
    QStringList spans()
    {
        auto* web = documentView()->findChild<QWebEngineView*>();
        std::optional<QString> answer;
        web->page()->runJavaScript(
            u"JSON.stringify(Array.from(document.querySelectorAll('span[style^=\"background:\"]'))"
            u".map(s => s.getAttribute('style') + '|' + s.textContent))"_s,
            [&](const QVariant& v) { answer = v.toString(); });
        if (!QTest::qWaitFor([&] { return answer.has_value(); }, kPageDeadlineMs)) return {u"<no answer>"_s};
        QStringList out;
        for (const QJsonValue& v : QJsonDocument::fromJson(answer->toUtf8()).array()) out << v.toString();
        return out;
    }

    QString bzOf(const QString& code)
    {
        connection.open(DatabaseRole::Content);
        return connection.db().scalar(u"select bz from %1 where xxbh=?"_s.arg(connection.contentTable(u"jszx"_s)), {code}).toString();
    }

    static QTemporaryDir* folder;
    LibraryLayout layout{folder->path()};
    SharedConnection connection{layout};
    test::ScriptedPrompter prompter;
    QTemporaryDir settings;
    std::unique_ptr<MainWindow> window;
};

QTemporaryDir* ReadingScenarioTest::folder = nullptr;

TEST_F(ReadingScenarioTest, BackAndForwardThenAFavouriteThatOutlivesTheProgram)
{
    technologyCentre();
    // Two documents of one folder, so that nothing else is opened between them.
    const auto docs = documents(u"jszx"_s, 200);
    auto parentOf = [](const DemoRecord& d) { return d.code.left(d.code.size() - 4); };
    std::optional<std::pair<DemoRecord, DemoRecord>> pair;
    for (size_t i = 0; i < docs.size() && !pair; ++i)
        for (size_t j = i + 1; j < docs.size() && !pair; ++j)
            if (parentOf(docs[i]) == parentOf(docs[j])) pair = std::make_pair(docs[i], docs[j]);
    ASSERT_TRUE(pair.has_value());
    const DemoRecord a = pair->first;
    const DemoRecord b = pair->second;
    read(a);
    read(b);

    QTest::mouseClick(icon(0), Qt::LeftButton);  // "后退"
    expectShown(a);
    QTest::keyClick(window.get(), Qt::Key_Right, Qt::AltModifier);
    expectShown(b);
    QTest::keyClick(window.get(), Qt::Key_Left, Qt::AltModifier);
    expectShown(a);

    // The favourite is the record on show, under the name the user gives it.
    QTest::mouseClick(icon(3), Qt::LeftButton);  // "收藏"
    ASSERT_TRUE(child(u"Frame22"_s)->isVisible());
    const QStringList shipped = listed(u"List3"_s);
    const QStringList kept = shipped + QStringList{u"先看这一篇"_s};
    prompter.inputAnswers = {u"先看这一篇"_s};
    QTest::mouseClick(child(u"addFavourite"_s), Qt::LeftButton);
    KELVOR_WAIT_EQ(listed(u"List3"_s), kept, kPageDeadlineMs);
    ASSERT_EQ(listed(u"List3"_s), kept);  // QTRY reports only to QtTest
    EXPECT_EQ(prompter.inputDefaults.last(), a.name) << "the box offers the title of the document on show";

    startProgram();
    QTest::mouseClick(icon(3), Qt::LeftButton);
    ASSERT_TRUE(child(u"Frame22"_s)->isVisible());
    ASSERT_EQ(listed(u"List3"_s), kept);
    clickListRow(u"List3"_s, int(shipped.size()));
    expectShown(a);
    EXPECT_TRUE(child<QAbstractButton>(u"removeFavourite"_s)->isEnabled());

    // Any toolbar click puts the panel away; "关闭" does too.
    QTest::mouseClick(icon(6), Qt::LeftButton);
    EXPECT_FALSE(child(u"Frame22"_s)->isVisible());
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u"; "_s).toStdString();
}

TEST_F(ReadingScenarioTest, AFavouriteOfARecordGoneFromTheLibraryIsRefused)
{
    technologyCentre();
    const auto docs = documents(u"jszx"_s, 3);
    ASSERT_EQ(docs.size(), 3u);
    read(docs[2]);
    connection.open(DatabaseRole::Content);
    connection.db().execute(u"delete from %1 where xxbh=?"_s.arg(connection.contentTable(u"jszx"_s)), {docs[2].code});

    QTest::mouseClick(icon(3), Qt::LeftButton);
    const QStringList before = listed(u"List3"_s);
    prompter.inputAnswers = {u"不该收藏"_s};
    QTest::mouseClick(child(u"addFavourite"_s), Qt::LeftButton);
    KELVOR_WAIT_EQ(prompter.messages, QStringList{u"请选择要收藏的文件!!"_s}, kPageDeadlineMs);
    ASSERT_EQ(prompter.messages, QStringList{u"请选择要收藏的文件!!"_s});  // QTRY reports only to QtTest
    EXPECT_TRUE(prompter.questions.isEmpty()) << "no name is asked for a favourite that could never open";
    EXPECT_EQ(listed(u"List3"_s), before);
}

TEST_F(ReadingScenarioTest, SearchTermsAreMarkedInTheOpenedPageAndCtrlFMarksMore)
{
    technologyCentre();
    const auto docs = documents(u"jszx"_s, 1);
    ASSERT_EQ(docs.size(), 1u);
    // The term the last search handed over, in other letters than the page's.
    window->session().setFirstHighlightTerm(docs[0].name.left(2).toUpper());
    read(docs[0]);
    KELVOR_WAIT_TRUE(!spans().isEmpty(), kPageDeadlineMs);
    ASSERT_TRUE(!spans().isEmpty());
    for (const QString& s : spans()) EXPECT_TRUE(s.startsWith(u"background:RED|"_s)) << s.toStdString();
    EXPECT_FALSE(window->highlightTimer()->isActive()) << "one pass per opening";

    prompter.inputAnswers = {docs[0].name.right(2)};
    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(prompter.questions, QStringList{u"请输入要查询的内容"_s});
    KELVOR_WAIT_TRUE(spans().join(u"\n"_s).contains(u"background:green|"_s), kPageDeadlineMs);
    ASSERT_TRUE(spans().join(u"\n"_s).contains(u"background:green|"_s));
}

TEST_F(ReadingScenarioTest, CopyTakesTheSourceBoxSelectionOrSaysHowToGetIt)
{
    technologyCentre();
    const auto rows = connection.db().query(
        u"select xxbh,name,link from %1 where length(link)>4 and coalesce(cc,'')<>'' order by length(xxbh),xxbh limit 1"_s
            .arg(connection.contentTable(u"jszx"_s)));
    ASSERT_FALSE(rows.empty());
    const DemoRecord r{rows.front().text(u"xxbh"_s), rows.front().text(u"name"_s), rows.front().text(u"link"_s)};
    read(r);
    QApplication::clipboard()->setText(u"unchanged"_s);
    QTest::mouseClick(icon(2), Qt::LeftButton);
    EXPECT_EQ(prompter.messages, QStringList{u"请单击“显示源程序”，然后选择复制内容,进行复制!!!"_s});
    EXPECT_EQ(QApplication::clipboard()->text(), u"unchanged"_s);

    KELVOR_WAIT_TRUE(child<QAbstractButton>(u"Command6(1)"_s)->isEnabled(), kPageDeadlineMs);
    ASSERT_TRUE(child<QAbstractButton>(u"Command6(1)"_s)->isEnabled());
    QTest::mouseClick(child(u"Command6(1)"_s), Qt::LeftButton);
    auto* source = child<QPlainTextEdit>(u"Text15"_s);
    KELVOR_WAIT_TRUE(source->isVisible() && !source->toPlainText().isEmpty(), kPageDeadlineMs);
    ASSERT_TRUE(source->isVisible() && !source->toPlainText().isEmpty());
    QTextCursor cursor = source->textCursor();
    cursor.setPosition(0);
    cursor.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
    source->setTextCursor(cursor);
    QTest::mouseClick(icon(2), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), cursor.selectedText());
    EXPECT_EQ(prompter.messages.size(), 1);
}

TEST_F(ReadingScenarioTest, ALearningNoteIsWrittenListedShownAndDeleted)
{
    technologyCentre();
    const auto docs = documents(u"jszx"_s, 4);
    ASSERT_EQ(docs.size(), 4u);
    const DemoRecord& r = docs[3];
    read(r);

    QTest::mouseClick(icon(5), Qt::LeftButton);  // "心得"
    ASSERT_TRUE(child(u"Frame24"_s)->isVisible());
    auto* note = child<QPlainTextEdit>(u"Text9"_s);
    auto* list = child<QComboBox>(u"Combo7"_s);
    const int before = list->count();

    note->setPlainText(u"八个字的心得文字"_s);  // 8 characters: too short
    QTest::mouseClick(child(u"Command44"_s), Qt::LeftButton);
    EXPECT_EQ(prompter.messages.last(), u"请输入心得,心得至少要8个字符以上,220个字符以内!!"_s);

    const QString text = u"九个字的学习心得文字"_s.left(9);
    note->setPlainText(text);
    QTest::mouseClick(child(u"Command44"_s), Qt::LeftButton);
    KELVOR_WAIT_EQ(prompter.messages.last(), u"已添加成功!!"_s, kPageDeadlineMs);
    ASSERT_EQ(prompter.messages.last(), u"已添加成功!!"_s);  // QTRY reports only to QtTest
    EXPECT_EQ(bzOf(r.code), notefield::encode(text, r.code));
    ASSERT_EQ(list->count(), before + 1);
    EXPECT_EQ(list->itemText(before), r.name);

    // Choosing the entry shows the note and opens its record.
    read(docs[0]);
    list->setCurrentIndex(before);
    emit list->activated(before);
    expectShown(r);
    EXPECT_EQ(note->toPlainText(), text);

    prompter.confirmAnswers = {true};
    QTest::mouseClick(child(u"Command43"_s), Qt::LeftButton);
    EXPECT_EQ(prompter.questions.last(), u"确实要删除心得吗 “"_s + r.name + u"” ?"_s);
    EXPECT_EQ(bzOf(r.code), u"e"_s);
    EXPECT_EQ(list->count(), before);
}

TEST_F(ReadingScenarioTest, ARemarkThatIsNoNoteIsListedAndNeverBreaksTheWindow)
{
    technologyCentre();
    const auto docs = documents(u"jszx"_s, 7);
    ASSERT_EQ(docs.size(), 7u);
    const struct {
        const DemoRecord& record;
        QString bz;
    } remarks[] = {
        {docs[5], u"普通的备注没有编号"_s},     // last two characters no digits
        {docs[6], u"短文字99短文字99"_s},        // a code length longer than the text
    };
    connection.open(DatabaseRole::Content);
    for (const auto& r : remarks)
        connection.db().execute(u"update %1 set bz=? where xxbh=?"_s.arg(connection.contentTable(u"jszx"_s)),
                                {r.bz, r.record.code});
    startProgram();
    QTest::mouseClick(icon(5), Qt::LeftButton);
    auto* list = child<QComboBox>(u"Combo7"_s);
    for (const auto& r : remarks) {
        SCOPED_TRACE(r.bz.toStdString());
        int row = -1;
        for (int i = 0; i < list->count(); ++i)
            if (list->itemText(i) == r.record.name) row = i;
        ASSERT_GE(row, 0) << "a long remark is listed like a note";
        prompter.messages.clear();
        list->setCurrentIndex(row);
        emit list->activated(row);
        EXPECT_EQ(prompter.messages, QStringList{u"心得不存在,请重新设置心得!!!"_s});
        EXPECT_TRUE(window->isVisible());
    }
}

TEST_F(ReadingScenarioTest, TheBookmarkIsKeptWholeThroughAFailedWriteAndLeadsBack)
{
    technologyCentre();
    const auto docs = documents(u"jszx"_s, 2);
    ASSERT_EQ(docs.size(), 2u);
    // The library ships the bookmark file without a bookmark.
    const QString path = layout.bookmarkFile();

    // A folder cannot be bookmarked.
    const CatalogueTree& catalogue = window->catalogueModel().tree();
    int folderNode = -1;
    for (int i = 0; i < catalogue.nodeCount() && folderNode < 0; ++i)
        if (catalogue.node(i).key.startsWith(u'l') && catalogue.firstChild(i) >= 0) folderNode = i;
    ASSERT_GE(folderNode, 0);
    {
        const auto* proxy = qobject_cast<QAbstractProxyModel*>(tree()->model());
        const QModelIndex source = window->catalogueModel().indexOfNode(folderNode);
        clickNode(proxy ? proxy->mapFromSource(source) : source);
    }
    QTest::mouseClick(icon(8), Qt::LeftButton);
    EXPECT_EQ(prompter.messages, QStringList{u"无法建立书签，请选择指定内容"_s});

    read(docs[0]);
    prompter.confirmAnswers = {true};
    QTest::mouseClick(icon(8), Qt::LeftButton);
    EXPECT_EQ(prompter.questions.last(), u"您想创建书签，方便继续学习吗？"_s);
    const QByteArray first = [&] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    ASSERT_TRUE(first.startsWith("0\r\n1\r\n")) << first.constData();

    // A write that fails half way keeps the bookmark there was.
    read(docs[1]);
    prompter.confirmAnswers = {false};
    {
        test::FullDisk full;
        QTest::mouseClick(icon(8), Qt::LeftButton);
    }
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), first);
    kept.close();

    // In another group, "yes" leads back to the bookmarked document.
    window->navigation().chooseGroup(NavigationGroup::Learning);
    ASSERT_NE(child<QLabel>(u"Label5"_s)->text(), u"技术中心"_s);
    prompter.confirmAnswers = {true};
    QTest::mouseClick(icon(8), Qt::LeftButton);
    expectShown(docs[0]);
    EXPECT_EQ(window->session().group(), NavigationGroup::Centre);
    EXPECT_EQ(child<QLabel>(u"Label5"_s)->text(), u"技术中心"_s);
    EXPECT_EQ(tree()->currentIndex(), viewIndexOfCode(docs[0].code));
}

}  // namespace
}  // namespace kelvor
