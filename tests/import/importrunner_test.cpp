// The import as the window runs it: off the GUI thread, with progress, an end
// and a cancel that leaves the library as it was.

#include "importfixture.h"

#include "import/importrunner.h"
#include "support/testlibrary.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace kelvor::importing {
namespace {

TEST(ImportRunner, ReportsProgressAndTheSummaryOnTheCallersThread)
{
    test::TestLibrary library;
    test::FixtureHtmlFolder source;
    ImportRunner runner;
    QSignalSpy progressed(&runner, &ImportRunner::progressed);
    QSignalSpy finished(&runner, &ImportRunner::finished);
    QSignalSpy failed(&runner, &ImportRunner::failed);
    ASSERT_TRUE(runner.start({library.dataRoot(), source.path(), {}, QStringLiteral("Fixture")}));
    EXPECT_FALSE(runner.start({library.dataRoot(), source.path(), {}, QStringLiteral("Other")}));  // one at a time
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_EQ(failed.count(), 0);
    EXPECT_GT(progressed.count(), 0);
    const auto summary = finished.at(0).at(0).value<ImportSummary>();
    EXPECT_EQ(summary.pages, 6);
    const auto last = progressed.last().at(0).value<ImportProgress>();
    EXPECT_EQ(last.pagesDone, last.pagesTotal);
}

TEST(ImportRunner, CancelLeavesTheLibraryAsItWas)
{
    test::TestLibrary library;
    test::FixtureHtmlFolder source;
    const auto before = test::filesUnder(library.dataRoot());
    ImportRunner runner;
    QSignalSpy finished(&runner, &ImportRunner::finished);
    QSignalSpy failed(&runner, &ImportRunner::failed);
    ASSERT_TRUE(runner.start({library.dataRoot(), source.path(), {}, {}}));
    runner.cancel();  // long before the work is done: opening the keyed library alone takes longer
    ASSERT_TRUE(failed.wait(60000));
    EXPECT_TRUE(failed.at(0).at(1).toBool());
    EXPECT_EQ(finished.count(), 0);
    EXPECT_EQ(test::filesUnder(library.dataRoot()), before);
}

}  // namespace
}  // namespace kelvor::importing
