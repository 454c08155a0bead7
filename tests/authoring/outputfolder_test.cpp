#include "authoring/commandline.h"
#include "authoring/outputfolder.h"

#include "library/layout.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kelvor::authoring {
namespace {

void writeText(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

QByteArray readText(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

int run(const QStringList& args, QString* errors = nullptr)
{
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int code = runCommandLine(args, outStream, errStream);
    if (errors) *errors = err;
    return code;
}

TEST(OutputFolder, RefusesALibraryItDidNotWrite)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString foreign = dir.path() + QStringLiteral("/kelvor/9800990069/kvjs.mdb");
    writeText(foreign, "a real library");

    QString err;
    EXPECT_EQ(run({QStringLiteral("demo"), dir.path(), QStringLiteral("--records"), QStringLiteral("60")}, &err), ExitFailure);
    EXPECT_TRUE(err.contains(QStringLiteral("refusing"))) << err.toStdString();
    EXPECT_EQ(readText(foreign), QByteArray("a real library"));
    EXPECT_FALSE(QFileInfo::exists(dir.path() + QStringLiteral("/loginsys.ini")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("kelvor")});
}

TEST(OutputFolder, RunAgainReplacesItsOwnLibraryAndNothingElse)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QStringList args = {QStringLiteral("demo"), dir.path(), QStringLiteral("--records"), QStringLiteral("60")};
    ASSERT_EQ(run(args), ExitOk);
    const QString stale = dir.path() + QStringLiteral("/kelvor/stale.txt");
    const QString mine = dir.path() + QStringLiteral("/my notes.txt");
    writeText(stale, "left from before");
    writeText(mine, "keep me");

    ASSERT_EQ(run(args), ExitOk);
    EXPECT_FALSE(QFileInfo::exists(stale));
    EXPECT_EQ(readText(mine), QByteArray("keep me"));
    EXPECT_TRUE(QFileInfo(LibraryLayout(dir.path()).databasePath(DatabaseRole::Content)).isFile());
    // The staging folder is gone.
    EXPECT_TRUE(QDir(dir.path()).entryList({QStringLiteral(".kelvor-library-*")}, QDir::AllEntries | QDir::Hidden).isEmpty());
}

TEST(OutputFolder, AnUnfinishedRunLeavesThePreviousLibrary)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_EQ(run({QStringLiteral("demo"), dir.path(), QStringLiteral("--records"), QStringLiteral("60")}), ExitOk);
    const QByteArray before = readText(dir.path() + QStringLiteral("/loginsys.ini"));
    {
        OutputFolder output(dir.path(), QStringLiteral("demo"));
        output.prepare();
        writeText(output.stagingRoot() + QStringLiteral("/loginsys.ini"), "half written");
        // No commit: the run failed.
    }
    EXPECT_EQ(readText(dir.path() + QStringLiteral("/loginsys.ini")), before);
    EXPECT_TRUE(QDir(dir.path()).entryList({QStringLiteral(".kelvor-library-*")}, QDir::AllEntries | QDir::Hidden).isEmpty());
}

TEST(OutputFolder, DataRootThatIsAFileFails)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.path() + QStringLiteral("/plain-file");
    writeText(file, "x");
    EXPECT_EQ(run({QStringLiteral("demo"), file, QStringLiteral("--records"), QStringLiteral("60")}), ExitFailure);
    EXPECT_EQ(readText(file), QByteArray("x"));
}

}  // namespace
}  // namespace kelvor::authoring
