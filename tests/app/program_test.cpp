// Runs the built program the way a user or a script does.

#include "testlibrary.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

using namespace Qt::StringLiterals;

using kelvor::test::TestLibrary;

namespace {

const QString kDatabaseError = QStringLiteral("数据库连接错误！！！");
constexpr int kRunDeadlineMs = 30000;

struct Outcome {
    bool finished = false;
    QProcess::ExitStatus exitStatus = QProcess::CrashExit;
    int exitCode = -1;
    QString out;
    QString err;
};

class ProgramTest : public ::testing::Test {
protected:
    ProgramTest()
    {
        // Each test has its own runtime folder, so the copies of different
        // tests never see each other's lock.
        environment.insert(u"XDG_RUNTIME_DIR"_s, runtimeDir.path());
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        environment.insert(u"KELVOR_UNATTENDED"_s, u"1"_s);
    }

    void start(QProcess& process, const QStringList& arguments)
    {
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(KELVOR_PROGRAM), arguments);
    }

    Outcome run(const QStringList& arguments)
    {
        QProcess process;
        start(process, arguments);
        Outcome outcome;
        outcome.finished = process.waitForFinished(kRunDeadlineMs);
        if (!outcome.finished) {
            process.kill();
            process.waitForFinished();
        }
        outcome.exitStatus = process.exitStatus();
        outcome.exitCode = process.exitCode();
        outcome.out = QString::fromUtf8(process.readAllStandardOutput());
        outcome.err = QString::fromUtf8(process.readAllStandardError());
        return outcome;
    }

    QString lockPath() const { return runtimeDir.filePath(u"kelvor.lock"_s); }

    QTemporaryDir runtimeDir;
    QTemporaryDir workDir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

TEST_F(ProgramTest, MissingLibraryReportsTheDatabaseErrorOnceAndFails)
{
    const Outcome outcome = run({u"--data-root"_s, workDir.path()});

    ASSERT_TRUE(outcome.finished) << "the program must not wait for a user";
    EXPECT_EQ(outcome.exitStatus, QProcess::NormalExit);
    EXPECT_NE(outcome.exitCode, 0);
    EXPECT_EQ(outcome.err.count(kDatabaseError), 1) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.err.contains(u"kvjs.mdb"_s)) << "the detail names the file: " << outcome.err.toStdString();
}

TEST_F(ProgramTest, SecondCopyEndsAtOnceWithoutOutput)
{
    TestLibrary library;
    QProcess first;
    start(first, {u"--data-root"_s, library.dataRoot()});
    ASSERT_TRUE(first.waitForStarted());
    const QDeadlineTimer deadline(kRunDeadlineMs);
    while (!QFile::exists(lockPath()) && first.state() == QProcess::Running && !deadline.hasExpired())
        QTest::qWait(20);
    ASSERT_TRUE(QFile::exists(lockPath())) << first.readAllStandardError().toStdString();
    ASSERT_EQ(first.state(), QProcess::Running);

    const Outcome second = run({u"--data-root"_s, library.dataRoot()});

    EXPECT_TRUE(first.state() == QProcess::Running) << "the first copy keeps running";
    first.kill();
    first.waitForFinished();

    ASSERT_TRUE(second.finished);
    EXPECT_EQ(second.exitStatus, QProcess::NormalExit);
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.out, QString());
    EXPECT_EQ(second.err, QString());
}

TEST_F(ProgramTest, ScreenshotSavesTheMainWindowAsPng)
{
    TestLibrary library;
    const QString shot = workDir.filePath(u"main.png"_s);

    const Outcome outcome = run({u"--data-root"_s, library.dataRoot(), u"--screenshot"_s, shot});

    ASSERT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.exitStatus, QProcess::NormalExit);
    EXPECT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
    const QImage image(shot, "PNG");
    EXPECT_FALSE(image.isNull());
    EXPECT_FALSE(QFile::exists(lockPath())) << "the lock goes with the program";
}

// The document area holds a drawn page or the placeholder, never one flat
// colour: the screenshot waited for the browser's frame. The series starts
// with an empty cache folder, so the first start-up is a cold one.
TEST_F(ProgramTest, TwentyScreenshotsInARowAllShowTheDocumentArea)
{
    TestLibrary library;
    QTemporaryDir cache;
    environment.insert(u"XDG_CACHE_HOME"_s, cache.path());
    for (int i = 0; i < 20; ++i) {
        SCOPED_TRACE(i);
        const QString shot = workDir.filePath(QStringLiteral("run%1.png").arg(i));
        const Outcome outcome = run({u"--data-root"_s, library.dataRoot(), u"--screenshot"_s, shot});
        ASSERT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
        const QImage image(shot, "PNG");
        ASSERT_FALSE(image.isNull());
        // The middle of the document area, right of the left pane.
        const QImage middle = image.copy(image.width() * 3 / 10, image.height() * 3 / 10,
                                         image.width() / 2, image.height() / 2);
        bool drawn = false;
        for (int y = 0; y < middle.height() && !drawn; ++y)
            for (int x = 0; x < middle.width() && !drawn; ++x)
                drawn = middle.pixel(x, y) != middle.pixel(0, 0);
        EXPECT_TRUE(drawn) << "run " << i << " saved an empty document area";
    }
}

TEST_F(ProgramTest, ScreenshotThatCannotBeWrittenFails)
{
    TestLibrary library;
    const QString shot = workDir.filePath(u"no-such-folder/main.png"_s);

    const Outcome outcome = run({u"--data-root"_s, library.dataRoot(), u"--screenshot"_s, shot});

    ASSERT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.exitStatus, QProcess::NormalExit);
    EXPECT_NE(outcome.exitCode, 0);
    EXPECT_TRUE(outcome.err.contains(shot)) << outcome.err.toStdString();
    EXPECT_FALSE(QFile::exists(shot));
}

struct CommandLineCase {
    const char* name;
    QStringList arguments;
    int exitCode;
    bool onStdout;  // else stderr
    QString text;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const CommandLineCase& c, std::ostream* os) { *os << c.name; }

class ProgramCommandLineTest : public ProgramTest, public ::testing::WithParamInterface<CommandLineCase> {};

TEST_P(ProgramCommandLineTest, AnswersWithoutStartingUp)
{
    const CommandLineCase& c = GetParam();
    const Outcome outcome = run(c.arguments);

    ASSERT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.exitStatus, QProcess::NormalExit);
    EXPECT_EQ(outcome.exitCode, c.exitCode);
    const QString& stream = c.onStdout ? outcome.out : outcome.err;
    EXPECT_TRUE(stream.contains(c.text)) << stream.toStdString();
    EXPECT_FALSE(outcome.err.contains(kDatabaseError));
    EXPECT_FALSE(QFile::exists(lockPath()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramCommandLineTest,
    ::testing::Values(CommandLineCase{"UnknownOption", {u"--bogus"_s}, 2, false, u"bogus"_s},
                      CommandLineCase{"StrayArgument", {u"stray"_s}, 2, false, u"stray"_s},
                      CommandLineCase{"MissingValue", {u"--screenshot"_s}, 2, false, u"screenshot"_s},
                      CommandLineCase{"Help", {u"--help"_s}, 0, true, u"--data-root"_s}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
