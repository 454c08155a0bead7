#include "app/window/documenttoolbar.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTest>

namespace kelvor {
namespace {

using namespace Qt::StringLiterals;

class DocumentToolbarTest : public testing::Test {
protected:
    void SetUp() override
    {
        window.setCentralWidget(toolbar);
        window.resize(700, 60);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        // Shortcuts and focus work in the active window only.
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QAbstractButton* icon(int i) const { return toolbar->findChild<QAbstractButton*>(u"Label2(%1)"_s.arg(i)); }
    QLabel* caption(int i) const { return toolbar->findChild<QLabel*>(u"Label30(%1)"_s.arg(i)); }

    QMainWindow window;
    DocumentToolbar* toolbar = new DocumentToolbar;
};

TEST_F(DocumentToolbarTest, EachIconIsAFocusableButtonNamedByItsCaptionWithATooltipAndShortcut)
{
    const struct {
        ToolbarAction action;
        QString caption;
        QString shortcut;  // as the tooltip names it; empty when none
    } icons[] = {
        {ToolbarAction::Back, u"后退"_s, u"Alt+Left"_s},      {ToolbarAction::Forward, u"前进"_s, u"Alt+Right"_s},
        {ToolbarAction::Copy, u"复制"_s, u"Ctrl+C"_s},        {ToolbarAction::Favourites, u"收藏"_s, {}},
        {ToolbarAction::Search, u"搜索"_s, u"Ctrl+F"_s},      {ToolbarAction::Notes, u"心得"_s, {}},
        {ToolbarAction::PageTop, u"页首"_s, u"Home"_s},       {ToolbarAction::SwitchPane, u"切换"_s, {}},
        {ToolbarAction::Bookmark, u"书签"_s, {}},
    };
    for (const auto& c : icons) {
        const int i = int(c.action);
        SCOPED_TRACE(c.caption.toStdString());
        QAbstractButton* button = icon(i);
        ASSERT_NE(button, nullptr);
        ASSERT_NE(caption(i), nullptr);
        EXPECT_EQ(caption(i)->text(), c.caption);
        EXPECT_EQ(button->accessibleName(), c.caption);
        EXPECT_TRUE(button->focusPolicy() & Qt::TabFocus);
        EXPECT_FALSE(button->toolTip().isEmpty());
        if (!c.shortcut.isEmpty()) {
            EXPECT_TRUE(button->toolTip().contains(c.shortcut)) << button->toolTip().toStdString();
        }
    }
    EXPECT_TRUE(icon(2)->toolTip().startsWith(u"可以选择12行以内的数据进行复制!!"_s));
}

TEST_F(DocumentToolbarTest, ClicksKeysAndShortcutsAskForTheIconsOperation)
{
    // Icons ask for their operation; shortcuts ask for it as keys, which the
    // window then runs where the keyboard focus is.
    QSignalSpy asked(toolbar, &DocumentToolbar::activated);
    QSignalSpy keyed(toolbar, &DocumentToolbar::shortcutUsed);
    QTest::mouseClick(icon(3), Qt::LeftButton);
    icon(5)->setFocus();
    QTest::keyClick(icon(5), Qt::Key_Space);
    QTest::keyClick(&window, Qt::Key_Left, Qt::AltModifier);
    QTest::keyClick(&window, Qt::Key_Right, Qt::AltModifier);
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_Home);
    const auto actions = [](const QSignalSpy& spy) {
        std::vector<ToolbarAction> got;
        for (const auto& call : spy) got.push_back(call.at(0).value<ToolbarAction>());
        return got;
    };
    EXPECT_EQ(actions(asked), (std::vector<ToolbarAction>{ToolbarAction::Favourites, ToolbarAction::Notes}));
    EXPECT_EQ(actions(keyed), (std::vector<ToolbarAction>{ToolbarAction::Back, ToolbarAction::Forward,
                                                          ToolbarAction::Search, ToolbarAction::Copy,
                                                          ToolbarAction::PageTop}));
}

TEST_F(DocumentToolbarTest, HoverLightsOneIconAndPressingPaintsIt)
{
    const QColor white(255, 255, 255);
    const QColor lit(0x1A, 0x10, 0x4E);
    QTest::mouseMove(icon(4));
    for (int i = 0; i < DocumentToolbar::kIconCount; ++i) {
        EXPECT_EQ(toolbar->captionColour(i), i == 4 ? lit : white) << i;
        EXPECT_EQ(toolbar->isHoverPictureShown(i), i == 4) << i;
    }
    EXPECT_TRUE(toolbar->isFrameShown());
    EXPECT_EQ(toolbar->frameGeometry().left(), caption(4)->geometry().left()) << "the frame moves under the icon";

    QTest::mousePress(icon(4), Qt::LeftButton);
    EXPECT_EQ(toolbar->iconGlyphColour(4), QColor(0, 0, 255));
    EXPECT_EQ(toolbar->frameColour(), QColor(0x40, 0x40, 0x40));
    QTest::mouseRelease(icon(4), Qt::LeftButton);
    EXPECT_EQ(toolbar->iconGlyphColour(4), QColor(0, 0, 0));
    EXPECT_NE(toolbar->frameColour(), QColor(0x40, 0x40, 0x40));

    // The keyboard lights the icon it reaches, as the pointer does.
    icon(7)->setFocus();
    EXPECT_EQ(toolbar->captionColour(7), lit);
    EXPECT_EQ(toolbar->captionColour(4), white);
}

}  // namespace
}  // namespace kelvor
