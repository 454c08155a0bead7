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
        return test::writeFixture(layout().libraryFolder() + "/docs/" + name, gbk::encode(text));
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
    open(writeDocument("a.htm", "<html><body><p>讲解</p>\r\n<p class=a2>int total = 0;</p>\r\n"
                                "<p class=a3>for (;;)\r\n{ total++; } // 说</p>\r\n</body></html>\r\n"));

    EXPECT_TRUE(m_display.sourceFlag());
    EXPECT_TRUE(m_panel->isButtonEnabled(DocumentAreaController::kSourceButton));
    ASSERT_TRUE(sourceLoaded.wait(kDeadlineMs));
    EXPECT_EQ(m_sourcePageView->location(), QUrl::fromLocalFile(layout().sourcePage()));
    EXPECT_TRUE(m_sourcePageView->isHidden());

    click(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_sourceText->isVisible(); }, kDeadlineMs));
    const QString text = m_sourceText->toPlainText();
    EXPECT_TRUE(text.contains("int total = 0;")) << text.toStdString();
    // The source page names no encoding; its Chinese comment still reads right.
    EXPECT_TRUE(text.contains(QStringLiteral("{ total++; } // 说"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("讲解")));
    EXPECT_FALSE(text.contains('\r'));
    EXPECT_EQ(m_sourceText->geometry(), m_documentView->geometry());
    EXPECT_TRUE(m_documentView->isHidden());

    click(0);
    EXPECT_TRUE(m_documentView->isVisible());
    EXPECT_TRUE(m_sourceText->isHidden());
}

TEST_F(DocumentAreaControllerTest, documentWithoutSourceOffersNoSourceText)
{
    QSignalSpy sourceLoaded(m_sourcePageView, &DocumentView::documentComplete);
    open(writeDocument("a.htm", "<p class=a2>int a;</p>\r\n"));
    ASSERT_TRUE(sourceLoaded.wait(kDeadlineMs));
    click(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_sourceText->isVisible(); }, kDeadlineMs));

    // The next document has no source: the box is hidden and stays hidden.
    open(writeDocument("b.htm", "<p>nothing to copy</p>\r\n"));
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
    m_display.visibleweb(layout().libraryFolder() + "/docs/missing.htm");
    EXPECT_FALSE(m_display.sourceFlag());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !complete.isEmpty(); }, kDeadlineMs));
    EXPECT_EQ(m_documentView->location(), QUrl::fromLocalFile(layout().placeholderPicture()));
}

TEST_F(DocumentAreaControllerTest, sourceButtonFollowsTheExtractionOnlyInTheDefaultPanelMode)
{
    const QString withSource = writeDocument("c.htm", "<p class=a2>x</p>");
    const QString without = writeDocument("d.htm", "<p>y</p>");
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
        m_display.fillSidePanel(c.cc, {}, {});
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
    QDir().mkpath(layout().libraryFolder() + "/4629056127/demo");
    test::writeFixture(layout().libraryFolder() + "/1367490231/lesson.exe", "");

    m_display.fillSidePanel("1", "demo", "lesson");
    for (int i : {1, 2, 3}) EXPECT_TRUE(m_panel->isButtonEnabled(i)) << i;
    EXPECT_EQ(m_panel->tag(2), "demo");
    click(2);
    click(3);
    EXPECT_EQ(m_shell.folders, QStringList{layout().libraryFolder() + "/4629056127/demo"});
    EXPECT_EQ(m_shell.programs, QStringList{layout().libraryFolder() + "/1367490231/lesson.exe"});

    m_display.fillSidePanel("", "", "../lesson");
    EXPECT_FALSE(m_panel->isButtonEnabled(1));
    EXPECT_FALSE(m_panel->isButtonEnabled(2));
    EXPECT_EQ(m_panel->tag(2), "");
    m_display.sidePanelClicked(2);
    m_display.sidePanelClicked(3);
    EXPECT_EQ(m_shell.folders.size(), 1);
    EXPECT_EQ(m_shell.programs.size(), 1);
}

TEST(SidePanel, buttonsCarryTheirNamesAndCaptionsAndOnlyTheFirstStartsEnabled)
{
    SidePanel panel;
    const QStringList captions = {"显示文档", "显示文档中的源代码", "打开源代码文件夹",
                                  "观看学习视频", "边看边听", "学习论坛"};
    for (int i = 0; i < SidePanel::kButtonCount; ++i) {
        auto* b = panel.findChild<QPushButton*>(QStringLiteral("Command6(%1)").arg(i));
        ASSERT_NE(b, nullptr) << i;
        EXPECT_EQ(b->text(), captions[i]);
        EXPECT_EQ(b->isEnabled(), i == 0);
    }
    EXPECT_EQ(panel.button(6), nullptr);
    panel.setTag(7, "ignored");
    EXPECT_EQ(panel.tag(7), "");
}

}  // namespace
}  // namespace kelvor
