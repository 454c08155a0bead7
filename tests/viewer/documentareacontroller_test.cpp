#include "viewer/documentareacontroller.h"

#include "pagewait.h"
#include "recordingshell.h"
#include "viewer/documentview.h"
#include "viewer/sidepanel.h"

#include "library/gbk.h"

#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "qtprinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace kelvor {
namespace {

constexpr int kDeadlineMs = 30000;

class DocumentAreaControllerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        m_window.resize(900, 600);
        m_documentView->setObjectName("WebBrowser1");
        m_sourcePageView->setObjectName("WebBrowser3");
        m_sourceText->setObjectName("Text15");
        m_documentView->setGeometry(200, 40, 600, 500);
        m_sourcePageView->setGeometry(0, 0, 300, 200);
        m_sourcePageView->hide();
        m_sourceText->hide();
        m_panel->setGeometry(0, 40, 180, 300);
        m_window.show();

        QImage picture(20, 20, QImage::Format_RGB32);
        picture.fill(Qt::gray);
        QDir().mkpath(QFileInfo(layout().placeholderPicture()).absolutePath());
        ASSERT_TRUE(picture.save(layout().placeholderPicture(), "JPG"));
    }

    LibraryLayout layout() const { return LibraryLayout(m_root.path()); }
    QString writeDocument(const QString& name, const QString& text)
    {
        return test::writeFixture(layout().libraryFolder() + u"/docs/"_s + name, gbk::encode(text));
    }
    void click(int index) { m_panel->button(index)->click(); }
    // Opens a document the way the record opener does: load it, then extract.
    void open(const QString& path)
    {
        ASSERT_TRUE(test::loadPage(*m_documentView, path));
        m_display.visibleweb(path);
    }

    QTemporaryDir m_root;
    QWidget m_window;
    DocumentView* m_documentView = new DocumentView(layout(), &m_window);
    DocumentView* m_sourcePageView = new DocumentView(layout(), &m_window);
    QPlainTextEdit* m_sourceText = new QPlainTextEdit(&m_window);
    SidePanel* m_panel = new SidePanel(&m_window);
    test::RecordingShell m_shell;
    DocumentAreaController m_display{{m_documentView, m_sourcePageView, m_sourceText, m_panel}, layout(), m_shell};
};

TEST_F(DocumentAreaControllerTest, sourceButtonShowsTheSourceTextOverTheDocumentAndButtonZeroReturns)
{
    QSignalSpy sourceLoaded(m_sourcePageView, &DocumentView::documentComplete);
    open(writeDocument(u"a.htm"_s, u"<html><body><p>讲解</p>\r\n<p class=a2>int total = 0;</p>\r\n"
                                "<p class=a3>for (;;)\r\n{ total++; } // 说</p>\r\n</body></html>\r\n"_s));

    EXPECT_TRUE(m_display.sourceFlag());
    EXPECT_TRUE(m_panel->isButtonEnabled(DocumentAreaController::kSourceButton));
    ASSERT_TRUE(sourceLoaded.wait(kDeadlineMs));
    EXPECT_EQ(m_sourcePageView->location(), QUrl::fromLocalFile(layout().sourcePage()));
    EXPECT_TRUE(m_sourcePageView->isHidden());

    click(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_sourceText->isVisible(); }, kDeadlineMs));
    const QString text = m_sourceText->toPlainText();
    EXPECT_TRUE(text.contains(u"int total = 0;"_s)) << text.toStdString();
    // The source page names no encoding; its Chinese comment still reads right.
    EXPECT_TRUE(text.contains(QStringLiteral("{ total++; } // 说"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("讲解")));
    EXPECT_FALSE(text.contains(u'\r'));
    EXPECT_EQ(m_sourceText->geometry(), m_documentView->geometry());
    EXPECT_TRUE(m_documentView->isHidden());

    click(0);
    EXPECT_TRUE(m_documentView->isVisible());
    EXPECT_TRUE(m_sourceText->isHidden());
}

TEST_F(DocumentAreaControllerTest, documentWithoutSourceOffersNoSourceText)
{
    QSignalSpy sourceLoaded(m_sourcePageView, &DocumentView::documentComplete);
    open(writeDocument(u"a.htm"_s, u"<p class=a2>int a;</p>\r\n"_s));
    ASSERT_TRUE(sourceLoaded.wait(kDeadlineMs));
    click(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_sourceText->isVisible(); }, kDeadlineMs));

    // The next document has no source: the box is hidden and stays hidden.
    open(writeDocument(u"b.htm"_s, u"<p>nothing to copy</p>\r\n"_s));
    EXPECT_FALSE(m_display.sourceFlag());
    EXPECT_FALSE(m_panel->isButtonEnabled(DocumentAreaController::kSourceButton));
    EXPECT_TRUE(m_sourceText->isHidden());
    click(0);
    m_panel->button(1)->setEnabled(true);  // even a click that gets through does nothing
    click(1);
    EXPECT_TRUE(m_sourceText->isHidden());
    EXPECT_TRUE(m_documentView->isVisible());
}

TEST_F(DocumentAreaControllerTest, missingDocumentShowsThePlaceholderPicture)
{
    QSignalSpy complete(m_documentView, &DocumentView::documentComplete);
    m_display.visibleweb(layout().libraryFolder() + u"/docs/missing.htm"_s);
    EXPECT_FALSE(m_display.sourceFlag());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !complete.isEmpty(); }, kDeadlineMs));
    EXPECT_EQ(m_documentView->location(), QUrl::fromLocalFile(layout().placeholderPicture()));
}

TEST_F(DocumentAreaControllerTest, sourceButtonFollowsTheExtractionOnlyInTheDefaultPanelMode)
{
    const QString withSource = writeDocument(u"c.htm"_s, u"<p class=a2>x</p>"_s);
    const QString without = writeDocument(u"d.htm"_s, u"<p>y</p>"_s);
    const struct {
        PanelMode mode;
        const char* cc;
        const QString* document;
        bool enabled;
    } cases[] = {
        {PanelMode::Default, "", &withSource, true},     {PanelMode::Default, "cc", &without, false},
        {PanelMode::Video, "", &withSource, false},      {PanelMode::Video, "cc", &without, true},
        {PanelMode::Interface, "cc", &withSource, true}, {PanelMode::Default, "cc", &withSource, true},
    };
    for (const auto& c : cases) {
        m_display.setPanelMode(c.mode);
        m_display.fillSidePanel(QString::fromLatin1(c.cc), {}, {});
        m_display.visibleweb(*c.document);
        EXPECT_EQ(m_panel->isButtonEnabled(1), c.enabled) << int(c.mode) << " " << c.cc;
    }
    // A picture or a player runs no extraction and leaves the button off.
    m_display.setPanelMode(PanelMode::Default);
    m_display.visibleweb(layout().placeholderPicture());
    EXPECT_FALSE(m_panel->isButtonEnabled(1));
    EXPECT_FALSE(m_display.sourceFlag());
}

TEST_F(DocumentAreaControllerTest, recordFieldsBecomeTagsAndTheButtonsActOnThem)
{
    QDir().mkpath(layout().libraryFolder() + u"/4629056127/demo"_s);
    test::writeFixture(layout().libraryFolder() + u"/1367490231/lesson.exe"_s, "");

    m_display.fillSidePanel(u"1"_s, u"demo"_s, u"lesson"_s);
    for (int i : {1, 2, 3}) EXPECT_TRUE(m_panel->isButtonEnabled(i)) << i;
    EXPECT_EQ(m_panel->tag(2), u"demo"_s);
    click(2);
    click(3);
    EXPECT_EQ(m_shell.folders, QStringList{layout().libraryFolder() + u"/4629056127/demo"_s});
    EXPECT_EQ(m_shell.programs, QStringList{layout().libraryFolder() + u"/1367490231/lesson.exe"_s});

    m_display.fillSidePanel(u""_s, u""_s, u"../lesson"_s);
    EXPECT_FALSE(m_panel->isButtonEnabled(1));
    EXPECT_FALSE(m_panel->isButtonEnabled(2));
    EXPECT_EQ(m_panel->tag(2), u""_s);
    m_display.sidePanelClicked(2);
    m_display.sidePanelClicked(3);
    EXPECT_EQ(m_shell.folders.size(), 1);
    EXPECT_EQ(m_shell.programs.size(), 1);
}

TEST(SidePanel, buttonsCarryTheirNamesAndCaptionsAndOnlyTheFirstStartsEnabled)
{
    SidePanel panel;
    const QStringList captions = {u"显示文档"_s, u"显示文档中的源代码"_s, u"打开源代码文件夹"_s,
                                  u"观看学习视频"_s, u"边看边听"_s, u"学习论坛"_s};
    for (int i = 0; i < SidePanel::kButtonCount; ++i) {
        auto* b = panel.findChild<QPushButton*>(QStringLiteral("Command6(%1)").arg(i));
        ASSERT_NE(b, nullptr) << i;
        EXPECT_EQ(b->text(), captions[i]);
        EXPECT_EQ(b->isEnabled(), i == 0);
    }
    EXPECT_EQ(panel.button(6), nullptr);
    panel.setTag(7, u"ignored"_s);
    EXPECT_EQ(panel.tag(7), u""_s);
}

}  // namespace
}  // namespace kelvor
