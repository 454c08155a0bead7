#include "demofixture.h"

#include "authoring/demolibrary.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kelvor::test {
namespace {

// Two runs write the same library. Files compare byte for byte; the databases
// are encrypted with a random salt each time, so they compare by their rows.
TEST(DemoDeterminism, TwoRunsWriteTheSameLibrary)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString second = dir.path() + QStringLiteral("/second");
    authoring::writeDemoLibrary(second);
    const QString first = DemoFixture::instance().dataRoot();

    QStringList databaseFiles;
    for (const DatabaseInfo& info : allDatabases()) databaseFiles << info.relativePath.mid(1);

    const auto a = fileHashes(first, databaseFiles);
    const auto b = fileHashes(second, databaseFiles);
    ASSERT_GT(a.size(), 400u);
    EXPECT_EQ(a.size(), b.size());
    for (const auto& [path, hash] : a) {
        const auto other = b.find(path);
        ASSERT_NE(other, b.end()) << "only in the first run: " << path.toStdString();
        EXPECT_EQ(hash, other->second) << "differs between runs: " << path.toStdString();
    }

    for (const DatabaseInfo& info : allDatabases()) {
        auto one = Database::open(LibraryLayout(first).databasePath(info.role), info.password);
        auto two = Database::open(LibraryLayout(second).databasePath(info.role), info.password);
        for (const QString& table : info.tables)
            EXPECT_EQ(tableRows(*one, table), tableRows(*two, table)) << info.relativePath.toStdString() << " " << table.toStdString();
    }
}

}  // namespace
}  // namespace kelvor::test
