#include "app/exitcode.h"
#include "app/instancelock.h"
#include "app/mainwindowholder.h"
#include "app/startupcontroller.h"

#include "library/database.h"
#include "library/sharedconnection.h"
#include "scriptedprompter.h"
#include "testlibrary.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

#include <functional>

using namespace kelvor;
using kelvor::test::ScriptedPrompter;
using kelvor::test::TestLibrary;

namespace {

const QString kDatabaseError = QStringLiteral("数据库连接错误！！！");

// Builds the program's main window and counts how often it was asked to.
struct CountingFactory {
    int calls = 0;
    std::function<void(const MainWindowServices&)> check;
    MainWindowFactory factory()
    {
        return [this](const MainWindowServices& services) {
            ++calls;
            if (check) check(services);
            return defaultMainWindowFactory()(services);
        };
    }
};

// The pieces the program wires together, on a library of the test's choice.
struct Startup {
    explicit Startup(const QString& dataRoot, const QString& lockPath)
        : connection(LibraryLayout(dataRoot)), lock(lockPath),
          holder(factory.factory(), MainWindowServices{connection, prompter}),
          controller(lock, connection, holder, prompter)
    {
    }
    SharedConnection connection;
    ScriptedPrompter prompter;
    InstanceLock lock;
    CountingFactory factory;
    MainWindowHolder holder;
    StartupController controller;
};

class StartupControllerTest : public ::testing::Test {
protected:
    QString lockPath() const { return lockDir.filePath("kelvor.lock"); }
    QTemporaryDir lockDir;
};

// ---- a content database that cannot be opened ----

struct BrokenLibraryCase {
    const char* name;
    // Spoils the content database of a fresh library at `path`.
    std::function<void(const QString& path)> spoil;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const BrokenLibraryCase& c, std::ostream* os) { *os << c.name; }

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class BrokenLibraryTest : public StartupControllerTest, public ::testing::WithParamInterface<BrokenLibraryCase> {};

TEST_P(BrokenLibraryTest, ShowsOneMessageAndEndsBeforeAnyMainWindow)
{
    TestLibrary library;
    const QString contentPath = library.layout().databasePath(DatabaseRole::Content);
    GetParam().spoil(contentPath);

    Startup startup(library.dataRoot(), lockPath());
    QSignalSpy exits(&startup.controller, &StartupController::exitRequested);
    QSignalSpy started(&startup.controller, &StartupController::started);
    QSignalSpy details(&startup.controller, &StartupController::diagnostic);

    startup.controller.start();
    // Neither a repeated activation nor a stray tick may go on with start-up.
    startup.controller.start();
    startup.controller.tick();
    startup.controller.tick();

    EXPECT_EQ(startup.prompter.messages, QStringList{kDatabaseError});
    ASSERT_EQ(exits.size(), 1);
    EXPECT_NE(exits.at(0).at(0).toInt(), 0);
    EXPECT_EQ(started.size(), 0);
    EXPECT_FALSE(startup.controller.isTicking());
    EXPECT_EQ(startup.factory.calls, 0);
    EXPECT_EQ(startup.holder.window(), nullptr);
    EXPECT_FALSE(startup.connection.isOpen());
    ASSERT_EQ(details.size(), 1);
    EXPECT_FALSE(details.at(0).at(0).toString().isEmpty()) << "the terminal learns why";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenLibraryTest,
    ::testing::Values(
        BrokenLibraryCase{"Missing", [](const QString& path) { ASSERT_TRUE(QFile::remove(path)); }},
        BrokenLibraryCase{"WrongPassword",
                          [](const QString& path) {
                              ASSERT_TRUE(QFile::remove(path));
                              Database::create(path, QStringLiteral("not the library's password"))
                                  ->executeScript("create table jszx (xxbh text);");
                          }},
        BrokenLibraryCase{"GarbageText",
                          [](const QString& path) { writeBytes(path, QByteArray("this is no database\n").repeated(7)); }},
        BrokenLibraryCase{"GarbagePages",
                          [](const QString& path) {
                              QByteArray page(4096, '\0');
                              for (int i = 0; i < page.size(); ++i) page[i] = char((i * 131 + 7) % 251);
                              writeBytes(path, page);
                          }},
        BrokenLibraryCase{"EmptyFile", [](const QString& path) { writeBytes(path, QByteArray()); }},
        BrokenLibraryCase{"FolderInItsPlace",
                          [](const QString& path) {
                              ASSERT_TRUE(QFile::remove(path));
                              ASSERT_TRUE(QDir().mkpath(path));
                          }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartupControllerTest, NoLibraryFolderAtAllIsADatabaseError)
{
    QTemporaryDir emptyRoot;
    Startup startup(emptyRoot.path(), lockPath());
    QSignalSpy exits(&startup.controller, &StartupController::exitRequested);

    startup.controller.start();

    EXPECT_EQ(startup.prompter.messages, QStringList{kDatabaseError});
    ASSERT_EQ(exits.size(), 1);
    EXPECT_EQ(exits.at(0).at(0).toInt(), ExitDatabaseError);
    EXPECT_EQ(startup.factory.calls, 0);
}

// ---- a good library ----

TEST_F(StartupControllerTest, BuildsTheMainWindowOnTickOneAndShowsItOnTickTwo)
{
    TestLibrary library;
    Startup startup(library.dataRoot(), lockPath());
    bool connectionOpenForFactory = false;
    startup.factory.check = [&](const MainWindowServices& services) {
        connectionOpenForFactory = services.connection.isOpen() && services.connection.role() == DatabaseRole::Content;
    };
    QSignalSpy started(&startup.controller, &StartupController::started);
    QSignalSpy shown(&startup.controller, &StartupController::mainWindowShown);
    QSignalSpy progress(&startup.controller, &StartupController::progressChanged);
    QSignalSpy exits(&startup.controller, &StartupController::exitRequested);

    startup.controller.start();
    EXPECT_EQ(started.size(), 1);
    EXPECT_TRUE(startup.controller.isTicking());
    EXPECT_EQ(startup.factory.calls, 0) << "nothing is built before the first tick";

    startup.controller.tick();
    EXPECT_EQ(startup.factory.calls, 1);
    EXPECT_TRUE(connectionOpenForFactory);
    QMainWindow* window = startup.holder.window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), "frmmain");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("澄溪宸笺"));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(shown.size(), 0);

    startup.controller.tick();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(shown.size(), 1);
    EXPECT_FALSE(startup.controller.isTicking());

    startup.controller.tick();  // a tick already queued when the timer stopped
    EXPECT_EQ(startup.factory.calls, 1);
    EXPECT_EQ(startup.controller.tickCount(), 2);
    EXPECT_EQ(exits.size(), 0);
    EXPECT_TRUE(startup.prompter.messages.isEmpty());
    ASSERT_EQ(progress.size(), 2);
    EXPECT_EQ(progress.at(0).at(0).toString(), "..");
    EXPECT_EQ(progress.at(1).at(0).toString(), "....");
}

TEST_F(StartupControllerTest, AnOlderLibraryGetsItsTitleHelpersBeforeTheMainWindow)
{
    TestLibrary library;
    {
        // A centre table as an older tool wrote it: no folded title, no sort key.
        auto db = library.open(DatabaseRole::Content);
        db->executeScript("drop table slzx; create table slzx (xxbh text, name text, link text, eee text);"
                          "insert into slzx values ('10122135', 'Beta', '', null), ('10122136', 'alpha', '', null);");
    }
    Startup startup(library.dataRoot(), lockPath());
    bool helpersReadyForFactory = false;
    startup.factory.check = [&](const MainWindowServices& services) {
        helpersReadyForFactory =
            services.connection.db().columnsOf("slzx").contains("namekey") &&
            services.connection.db().scalar("select name from slzx order by namekey").toString() == "alpha";
    };
    startup.controller.start();
    startup.controller.tick();
    EXPECT_TRUE(helpersReadyForFactory);
}

TEST_F(StartupControllerTest, TimerDrivesStartUpToTheShownWindow)
{
    TestLibrary library;
    Startup startup(library.dataRoot(), lockPath());
    QSignalSpy shown(&startup.controller, &StartupController::mainWindowShown);

    startup.controller.start();

    ASSERT_TRUE(shown.wait(5000));
    EXPECT_EQ(startup.controller.tickCount(), 2);
    EXPECT_EQ(startup.controller.progressText(), "....");
    ASSERT_NE(startup.holder.window(), nullptr);
    EXPECT_TRUE(startup.holder.window()->isVisible());
}

TEST_F(StartupControllerTest, SecondCopyEndsSilentlyWithoutOpeningTheLibrary)
{
    TestLibrary library;
    InstanceLock firstCopy(lockPath());
    ASSERT_TRUE(firstCopy.tryAcquire());
    Startup startup(library.dataRoot(), lockPath());
    QSignalSpy exits(&startup.controller, &StartupController::exitRequested);
    QSignalSpy started(&startup.controller, &StartupController::started);
    QSignalSpy details(&startup.controller, &StartupController::diagnostic);

    startup.controller.start();

    ASSERT_EQ(exits.size(), 1);
    EXPECT_EQ(exits.at(0).at(0).toInt(), 0);
    EXPECT_EQ(started.size(), 0);
    EXPECT_EQ(details.size(), 0);
    EXPECT_TRUE(startup.prompter.messages.isEmpty());
    EXPECT_FALSE(startup.connection.isOpen());
    EXPECT_FALSE(startup.controller.isTicking());
}

TEST_F(StartupControllerTest, MainWindowThatCannotBeBuiltEndsTheProgramWithoutAMessage)
{
    TestLibrary library;
    Startup startup(library.dataRoot(), lockPath());
    startup.factory.check = [](const MainWindowServices&) {
        throw DatabaseError(DatabaseErrorKind::Query, QStringLiteral("no such table: jszx"));
    };
    QSignalSpy exits(&startup.controller, &StartupController::exitRequested);
    QSignalSpy details(&startup.controller, &StartupController::diagnostic);

    startup.controller.start();
    startup.controller.tick();
    startup.controller.tick();

    ASSERT_EQ(exits.size(), 1);
    EXPECT_EQ(exits.at(0).at(0).toInt(), ExitMainWindowFailed);
    ASSERT_EQ(details.size(), 1);
    EXPECT_TRUE(details.at(0).at(0).toString().contains("jszx"));
    EXPECT_TRUE(startup.prompter.messages.isEmpty());
    EXPECT_FALSE(startup.controller.isTicking());
    EXPECT_EQ(startup.holder.window(), nullptr);
}

// ---- the progress box ----

TEST(ProgressTextTest, GrowsByTwoDotsAndEmptiesPastEightCharacters)
{
    const QStringList expected = {"..", "....", "......", "........", "", ".."};
    QString text;
    for (int tick = 0; tick < expected.size(); ++tick) {
        text = nextProgressText(text);
        EXPECT_EQ(text, expected.at(tick)) << "tick " << tick + 1;
    }
}

}  // namespace
