#include "viewer/sidepanelactions.h"

#include "recordingshell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "qtprinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace kelvor {
namespace {

class SidePanelActionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        mkdir(u"kelvor/4629056127/demo-src"_s);
        mkdir(u"kelvor/4629056127/nested/deeper"_s);
        mkdir(u"kelvor/outside-src"_s);
        mkdir(u"elsewhere"_s);
        touch(u"kelvor/1367490231/lesson1.exe"_s);
        touch(u"kelvor/lesson2.exe"_s);
        mkdir(u"kelvor/1367490231/folder.exe"_s);
        touch(u"elsewhere/evil.exe"_s);
        QFile::link(m_root.path() + u"/elsewhere"_s, m_root.path() + u"/kelvor/4629056127/escape"_s);
        QFile::link(m_root.path() + u"/elsewhere/evil.exe"_s, m_root.path() + u"/kelvor/1367490231/linked.exe"_s);
    }

    void mkdir(const QString& relative) { QDir().mkpath(m_root.path() + u"/"_s + relative); }
    void touch(const QString& relative)
    {
        const QString path = m_root.path() + u"/"_s + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QString library() const { return m_root.path() + u"/kelvor"_s; }

    QTemporaryDir m_root;
    test::RecordingShell m_shell;
    SidePanelActions m_actions{LibraryLayout(m_root.path()), m_shell};
};

TEST_F(SidePanelActionsTest, opensOnlyAnExistingSourceFolderInsideTheLibrary)
{
    const struct {
        const char* nycd;
        bool opens;
    } cases[] = {
        {"demo-src", true},
        {"nested/deeper", true},
        {"nested\\deeper", true},
        {"", false},
        {"missing", false},
        {"../outside-src", false},
        {"..\\outside-src", false},
        {"/etc", false},
        {"escape", false},  // a link that leads out of the library
    };
    for (const auto& c : cases) {
        m_shell.folders.clear();
        EXPECT_EQ(m_actions.openSourceFolder(QString::fromUtf8(c.nycd)), c.opens) << c.nycd;
        EXPECT_EQ(m_shell.folders.size(), c.opens ? 1 : 0) << c.nycd;
        EXPECT_TRUE(m_shell.programs.isEmpty());
    }
    m_shell.folders.clear();
    m_actions.openSourceFolder(u"nested\\deeper"_s);
    EXPECT_EQ(m_shell.folders, QStringList{library() + u"/4629056127/nested/deeper"_s});
}

TEST_F(SidePanelActionsTest, startsOnlyAnExistingPlayerInsideTheLibrary)
{
    const struct {
        const char* bb;
        bool starts;
    } cases[] = {
        {"lesson1", true},
        {"", false},
        {"missing", false},
        {"../lesson2", false},
        {"../../elsewhere/evil", false},
        {"folder", false},  // not a program
        {"linked", false},  // a link to a program outside the library
    };
    for (const auto& c : cases) {
        m_shell.programs.clear();
        EXPECT_EQ(m_actions.playLearningVideo(QString::fromUtf8(c.bb)), c.starts) << c.bb;
        EXPECT_EQ(m_shell.programs.size(), c.starts ? 1 : 0) << c.bb;
        EXPECT_TRUE(m_shell.folders.isEmpty());
    }
    m_shell.programs.clear();
    m_actions.playLearningVideo(u"lesson1"_s);
    EXPECT_EQ(m_shell.programs, QStringList{library() + u"/1367490231/lesson1.exe"_s});
}

}  // namespace
}  // namespace kelvor
