#include "viewer/sidepanelactions.h"

#include "recordingshell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "qtprinters.h"

#include <gtest/gtest.h>

namespace kelvor {
namespace {

class SidePanelActionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        mkdir("kelvor/4629056127/demo-src");
        mkdir("kelvor/4629056127/nested/deeper");
        mkdir("kelvor/outside-src");
        mkdir("elsewhere");
        touch("kelvor/1367490231/lesson1.exe");
        touch("kelvor/lesson2.exe");
        mkdir("kelvor/1367490231/folder.exe");
        touch("elsewhere/evil.exe");
        QFile::link(m_root.path() + "/elsewhere", m_root.path() + "/kelvor/4629056127/escape");
        QFile::link(m_root.path() + "/elsewhere/evil.exe", m_root.path() + "/kelvor/1367490231/linked.exe");
    }

    void mkdir(const QString& relative) { QDir().mkpath(m_root.path() + "/" + relative); }
    void touch(const QString& relative)
    {
        const QString path = m_root.path() + "/" + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QString library() const { return m_root.path() + "/kelvor"; }

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
    m_actions.openSourceFolder("nested\\deeper");
    EXPECT_EQ(m_shell.folders, QStringList{library() + "/4629056127/nested/deeper"});
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
    m_actions.playLearningVideo("lesson1");
    EXPECT_EQ(m_shell.programs, QStringList{library() + "/1367490231/lesson1.exe"});
}

}  // namespace
}  // namespace kelvor
