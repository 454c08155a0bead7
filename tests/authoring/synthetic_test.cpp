#include "demofixture.h"

#include "authoring/authoringerror.h"
#include "authoring/syntheticcatalogue.h"
#include "authoring/syntheticlibrary.h"

#include "library/centres.h"

#include <QDirIterator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace kelvor::authoring {
namespace {

TEST(SyntheticCatalogue, GivesExactlyTheCountInCodeOrder)
{
    for (const qint64 count : {qint64(1), qint64(60), qint64(61), qint64(62), qint64(5000)}) {
        std::vector<CentreRecord> records;
        SyntheticCatalogue(QStringLiteral("fazx"), count).generate([&](const CentreRecord& r) { records.push_back(r); });
        ASSERT_EQ(qint64(records.size()), count);
        std::set<QString> seen;
        for (size_t i = 0; i < records.size(); ++i) {
            const QString& code = records[i].xxbh;
            EXPECT_TRUE(code.startsWith(QLatin1String("101251")));
            if (i > 0) {
                EXPECT_LT(records[i - 1].xxbh, code);
            }
            if (codes::level(code) > 1) {
                EXPECT_TRUE(seen.count(codes::parent(code))) << code.toStdString();
            }
            EXPECT_EQ(records[i].eee.isEmpty(), records[i].link.isEmpty());
            if (!records[i].link.isEmpty()) {
                EXPECT_GT(records[i].link.size(), 4);
            }
            seen.insert(code);
        }
    }
}

TEST(SyntheticCatalogue, IsRepeatableAndVaried)
{
    auto titles = [](const QString& table) {
        QStringList out;
        SyntheticCatalogue(table, 3000).generate([&](const CentreRecord& r) {
            if (!r.eee.isEmpty()) out << r.name;
        });
        return out;
    };
    const QStringList once = titles(QStringLiteral("jszx"));
    EXPECT_EQ(once, titles(QStringLiteral("jszx")));
    EXPECT_NE(once, titles(QStringLiteral("slzx")));
    EXPECT_GT(QSet<QString>(once.begin(), once.end()).size(), once.size() / 2);
    // Prefix and contains searches need both scripts and both letter cases.
    EXPECT_GT(once.filter(QRegularExpression(QStringLiteral("^[A-Z]"))).size(), 0);
    EXPECT_GT(once.filter(QRegularExpression(QStringLiteral("^[a-z]"))).size(), 0);
    EXPECT_GT(once.filter(QRegularExpression(QStringLiteral("^[\\x{4e00}-\\x{9fff}]"))).size(), 0);
}

TEST(SyntheticCatalogue, RefusesMoreThanACentreHolds)
{
    EXPECT_THROW(SyntheticCatalogue(QStringLiteral("jszx"), SyntheticCatalogue::capacity() + 1), AuthoringError);
    EXPECT_THROW(SyntheticCatalogue(QStringLiteral("ymzx"), 10), AuthoringError);
}

TEST(SyntheticLibrary, SpreadsRecordsOverTheSixCentres)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList progress;
    writeSyntheticLibrary(dir.path(), 5000, [&](const QString& line) { progress << line; });
    const LibraryLayout layout(dir.path());

    auto content = Database::open(layout.databasePath(DatabaseRole::Content), databaseInfo(DatabaseRole::Content).password);
    qint64 total = 0;
    for (const QString& table : searchPageTables()) {
        const qint64 n = content->scalar(QStringLiteral("select count(*) from %1").arg(table)).toLongLong();
        EXPECT_GE(n, 833) << table.toStdString();
        EXPECT_LE(n, 834) << table.toStdString();
        total += n;
        EXPECT_GT(content->scalar(QStringLiteral("select count(*) from %1 where eee is not null").arg(table)).toInt(), 600);
    }
    EXPECT_EQ(total, 5000);
    EXPECT_EQ(content->scalar(QStringLiteral("select count(*) from study where xxbh = '20510111'")).toInt(), 1);
    EXPECT_EQ(content->scalar(QStringLiteral("select count(*) from works where xxbh = '20610111'")).toInt(), 1);
    EXPECT_GT(content->scalar(QStringLiteral("select count(*) from study where xxbh like '20510111%'")).toInt(), 10);

    auto copy = Database::open(layout.databasePath(DatabaseRole::Centre986), databaseInfo(DatabaseRole::Centre986).password);
    EXPECT_EQ(copy->scalar(QStringLiteral("select count(*) from jmzx")).toLongLong(),
              content->scalar(QStringLiteral("select count(*) from jmzx")).toLongLong());

    auto keywords = Database::open(layout.databasePath(DatabaseRole::TechKeywords),
                                   databaseInfo(DatabaseRole::TechKeywords).password);
    qint64 links = 0;
    for (const QString& table : keywordTables())
        links += keywords->scalar(QStringLiteral("select count(*) from %1").arg(table)).toLongLong();
    EXPECT_GT(links, 0);

    // No document files: only the files every library has.
    QStringList documentFiles;
    QDirIterator it(layout.libraryFolder(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.endsWith(QLatin1String(".htm")) || path.endsWith(QLatin1String(".jpg")) || path.endsWith(QLatin1String(".exe"))) {
            const QString folder = QFileInfo(path).dir().dirName();
            if (!folder.front().isDigit()) documentFiles << path;
        }
    }
    EXPECT_TRUE(documentFiles.isEmpty()) << documentFiles.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(QFileInfo(layout.centreMainPage()).isFile());
    EXPECT_FALSE(progress.isEmpty());
}

}  // namespace
}  // namespace kelvor::authoring
