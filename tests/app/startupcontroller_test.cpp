#include "app/exitcode.h"
#include "app/instancelock.h"
#include "app/mainwindowholder.h"
#include "app/startupcontroller.h"

#include "library/database.h"
#include "library/libraryindexes.h"
#include "library/sharedconnection.h"
#include "scriptedprompter.h"
#include "search/centresearch.h"
#include "search/titlesearch.h"
#include "testlibrary.h"
#include "centrerecords.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

#include <array>
#include <chrono>
#include <functional>
#include <thread>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

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
    QString lockPath() const { return lockDir.filePath(u"kelvor.lock"_s); }
    // The search indexes written, as the authoring tool leaves a library:
    // start-up then has nothing to prepare and builds the window on its first tick.
    static void indexAsTheAuthoringToolDoes(const TestLibrary& library)
    {
        writeLibraryIndexes(*library.open(DatabaseRole::Content));
    }
    QTemporaryDir lockDir;
};

// ---- a content database that cannot be opened ----

struct BrokenLibraryCase {
    const char* name;
    // Spoils the content database of a fresh library at `path`.
    std::function<void(const QString& path)> spoil;
    // What the terminal learns: each fault keeps its own words.
    const char* diagnostic;
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
    EXPECT_TRUE(details.at(0).at(0).toString().startsWith(QString::fromUtf8(GetParam().diagnostic)))
        << "the terminal learns why: " << details.at(0).at(0).toString().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenLibraryTest,
    ::testing::Values(
        BrokenLibraryCase{"Missing", [](const QString& path) { ASSERT_TRUE(QFile::remove(path)); }, "找不到数据库文件"},
        BrokenLibraryCase{"WrongPassword",
                          [](const QString& path) {
                              ASSERT_TRUE(QFile::remove(path));
                              Database::create(path, QStringLiteral("not the library's password"))
                                  ->executeScript(u"create table jszx (xxbh text);"_s);
                          },
                          "数据库密码错误或文件已损坏"},
        BrokenLibraryCase{"GarbageText",
                          [](const QString& path) { writeBytes(path, QByteArray("this is no database\n").repeated(7)); },
                          "不是数据库文件"},
        BrokenLibraryCase{"GarbagePages",
                          [](const QString& path) {
                              QByteArray page(4096, '\0');
                              for (int i = 0; i < page.size(); ++i) page[i] = char((i * 131 + 7) % 251);
                              writeBytes(path, page);
                          },
                          "数据库密码错误或文件已损坏"},
        BrokenLibraryCase{"EmptyFile", [](const QString& path) { writeBytes(path, QByteArray()); }, "不是数据库文件"},
        BrokenLibraryCase{"FolderInItsPlace",
                          [](const QString& path) {
                              ASSERT_TRUE(QFile::remove(path));
                              ASSERT_TRUE(QDir().mkpath(path));
                          },
                          "不是数据库文件"}),
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

// Takes away, for this thread, the administrator's right to read any file,
// so that file permissions hold for a test run as root too.
class WithoutReadOverride {
public:
    WithoutReadOverride()
    {
        syscall(SYS_capget, &m_header, m_saved.data());
        auto dropped = m_saved;
        dropped[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        syscall(SYS_capset, &m_header, dropped.data());
    }
    ~WithoutReadOverride() { syscall(SYS_capset, &m_header, m_saved.data()); }

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    std::array<__user_cap_data_struct, 2> m_saved{};
};

TEST_F(StartupControllerTest, ALibraryTheUserMayNotReadIsReportedAsUnreadable)
{
    TestLibrary library;
    const QString contentPath = library.layout().databasePath(DatabaseRole::Content);
    ASSERT_TRUE(QFile::setPermissions(contentPath, QFileDevice::Permissions()));
    Startup startup(library.dataRoot(), lockPath());
    QSignalSpy details(&startup.controller, &StartupController::diagnostic);
    {
        const WithoutReadOverride asAUser;
        startup.controller.start();
    }
    QFile::setPermissions(contentPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    EXPECT_EQ(startup.prompter.messages, QStringList{kDatabaseError});
    ASSERT_EQ(details.size(), 1);
    const QString detail = details.at(0).at(0).toString();
    EXPECT_TRUE(detail.startsWith(u"没有读取数据库文件的权限"_s)) << detail.toStdString();
    EXPECT_FALSE(detail.contains(u"不是数据库文件"_s)) << detail.toStdString();
}

// ---- a library locked by another program ----

TEST_F(StartupControllerTest, ALibraryLockedBeyondTheWaitIsReportedAsInUse)
{
    TestLibrary library;
    const auto otherProgram = library.open(DatabaseRole::Content);
    otherProgram->executeScript(u"begin exclusive;"_s);
    Startup startup(library.dataRoot(), lockPath());
    QSignalSpy exits(&startup.controller, &StartupController::exitRequested);
    QSignalSpy details(&startup.controller, &StartupController::diagnostic);

    startup.controller.start();

    EXPECT_EQ(startup.prompter.messages, QStringList{QString::fromUtf8(StartupController::kDatabaseInUseMessage)});
    ASSERT_EQ(exits.size(), 1);
    EXPECT_EQ(exits.at(0).at(0).toInt(), ExitDatabaseError);
    EXPECT_EQ(startup.factory.calls, 0);
    ASSERT_EQ(details.size(), 1);
    EXPECT_TRUE(details.at(0).at(0).toString().startsWith(u"数据库正被其他程序使用"_s))
        << details.at(0).at(0).toString().toStdString();
    otherProgram->executeScript(u"rollback;"_s);
}

TEST_F(StartupControllerTest, ALockReleasedWithinTheWaitLetsStartUpGoOn)
{
    TestLibrary library;
    const auto otherProgram = library.open(DatabaseRole::Content);
    otherProgram->executeScript(u"begin exclusive;"_s);
    Startup startup(library.dataRoot(), lockPath());
    QSignalSpy started(&startup.controller, &StartupController::started);

    std::thread release([&otherProgram] {
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        otherProgram->executeScript(u"commit;"_s);
    });
    startup.controller.start();
    release.join();

    EXPECT_TRUE(startup.prompter.messages.isEmpty()) << startup.prompter.messages.join(u"; "_s).toStdString();
    EXPECT_EQ(started.size(), 1);
    EXPECT_TRUE(startup.connection.isOpen());
}

// ---- a good library ----

TEST_F(StartupControllerTest, BuildsTheMainWindowOnTickOneAndShowsItOnTickTwo)
{
    TestLibrary library;
    indexAsTheAuthoringToolDoes(library);
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
    EXPECT_EQ(window->objectName(), u"frmmain"_s);
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
    EXPECT_EQ(progress.at(0).at(0).toString(), u".."_s);
    EXPECT_EQ(progress.at(1).at(0).toString(), u"...."_s);
}

TEST_F(StartupControllerTest, AnOlderLibraryGetsItsTitleHelpersBeforeTheMainWindow)
{
    TestLibrary library;
    {
        // A centre table as an older tool wrote it: no folded title, no sort key.
        auto db = library.open(DatabaseRole::Content);
        db->executeScript(u"drop table slzx; create table slzx (xxbh text, name text, link text, eee text);"
                          "insert into slzx values ('10122135', 'Beta', '', null), ('10122136', 'alpha', '', null);"_s);
    }
    Startup startup(library.dataRoot(), lockPath());
    bool helpersReadyForFactory = false;
    startup.factory.check = [&](const MainWindowServices& services) {
        helpersReadyForFactory =
            services.connection.db().columnsOf(u"slzx"_s).contains(u"namekey"_s) &&
            services.connection.db().scalar(u"select name from slzx order by namekey"_s).toString() == u"alpha"_s;
    };
    QSignalSpy shown(&startup.controller, &StartupController::mainWindowShown);
    startup.controller.start();
    startup.controller.tick();
    // The work runs beside the event loop: the window waits for it, the ticks go on.
    EXPECT_EQ(startup.factory.calls, 0) << "the main window is built once the library is prepared";
    EXPECT_TRUE(startup.controller.isTicking());

    ASSERT_TRUE(shown.wait(10000));
    EXPECT_EQ(startup.factory.calls, 1);
    EXPECT_TRUE(helpersReadyForFactory);
    EXPECT_EQ(startup.controller.tickCount(), 2);
}

TEST_F(StartupControllerTest, AnOlderLibraryLockedForWritingGetsItsIndexesInTheCacheForTheWindow)
{
    TestLibrary library;
    {
        auto db = library.open(DatabaseRole::Content);
        db->executeScript(u"drop table slzx; create table slzx (xxbh text, name text, link text, eee text);"
                          "insert into slzx values ('10122135', 'Beta', '', null), ('10122136', 'alpha', '', null);"_s);
    }
    // Another program holds the write lock for the whole start-up.
    auto locker = library.open(DatabaseRole::Content);
    locker->executeScript(u"begin immediate; insert into ymzx (xxbh, name) values ('1', 'x');"_s);

    Startup startup(library.dataRoot(), lockPath());
    SharedConnection::IndexPlace placeForFactory = SharedConnection::IndexPlace::None;
    startup.factory.check = [&](const MainWindowServices& services) {
        placeForFactory = services.connection.indexPlace();
    };
    QSignalSpy shown(&startup.controller, &StartupController::mainWindowShown);
    startup.controller.start();
    ASSERT_TRUE(shown.wait(15000));
    EXPECT_EQ(placeForFactory, SharedConnection::IndexPlace::Cache)
        << "the window's connection takes the cache the preparation wrote";
    EXPECT_EQ(startup.connection.db().scalar(QStringLiteral("select name from ") +
                                             startup.connection.titleTable(QStringLiteral("slzx")) +
                                             QStringLiteral(" order by namekey limit 1")).toString(), u"alpha"_s);
}

TEST_F(StartupControllerTest, TitlesEditedInPlaceByAnotherToolAreFoundOnceTheWindowIsShown)
{
    TestLibrary library;
    library.addRecords(QStringLiteral("jszx"), {test::titled(QStringLiteral("10121011"), QStringLiteral("Java 入门")),
                                                test::titled(QStringLiteral("10121012"), QStringLiteral("学习 java"))});
    // Another SQLite writer renames a title in place: same rows, same highest rowid.
    library.open(DatabaseRole::Content)
        ->executeScript(QStringLiteral("update jszx set name = 'Kotlin 协程' where xxbh = '10121011';"));

    Startup startup(library.dataRoot(), lockPath());
    QSignalSpy progress(&startup.controller, &StartupController::progressChanged);
    QSignalSpy shown(&startup.controller, &StartupController::mainWindowShown);
    startup.controller.start();
    ASSERT_TRUE(shown.wait(15000));
    EXPECT_EQ(startup.connection.indexPlace(), SharedConnection::IndexPlace::Library);
    bool preparing = false;
    for (const QList<QVariant>& p : progress) preparing |= p.at(0).toString().startsWith(QStringLiteral("整理标题"));
    EXPECT_TRUE(preparing) << "the splash shows the preparation";
    // The window's searches, on the window's connection.
    EXPECT_EQ(titleSearch(startup.connection, QStringLiteral("kotlin")).codes,
              std::vector<QString>({QStringLiteral("10121011")}));
    EXPECT_TRUE(titleSearch(startup.connection, QStringLiteral("java")).codes.empty());
    const auto search = centreSearch(startup.connection, QStringLiteral("jszx"), QStringLiteral("协程"));
    ASSERT_TRUE(search);
    EXPECT_EQ(runCentreSearch(startup.connection, *search).codes, std::vector<QString>({QStringLiteral("10121011")}));
}

TEST_F(StartupControllerTest, TitlesEditedInPlaceInALockedOlderLibraryAreFoundOnTheNextStart)
{
    TestLibrary library;
    library.addRecords(QStringLiteral("jszx"), {test::titled(QStringLiteral("10121011"), QStringLiteral("Java 入门")),
                                                test::titled(QStringLiteral("10121012"), QStringLiteral("学习 java"))});
    library.dropChangeCount();  // as an older tool leaves it
    // Another program holds the library for writing at each start, so the indexes live in the user's cache.
    const auto startLocked = [&](const QString& prefix) {
        auto locker = library.open(DatabaseRole::Content);
        locker->executeScript(QStringLiteral("begin immediate; insert into ymzx (xxbh, name) values ('1', 'x');"));
        Startup startup(library.dataRoot(), lockPath());
        QSignalSpy shown(&startup.controller, &StartupController::mainWindowShown);
        startup.controller.start();
        EXPECT_TRUE(shown.wait(15000));
        EXPECT_EQ(startup.connection.indexPlace(), SharedConnection::IndexPlace::Cache);
        std::vector<QString> codes = titleSearch(startup.connection, prefix).codes;
        locker->executeScript(QStringLiteral("rollback;"));
        return codes;
    };
    EXPECT_EQ(startLocked(QStringLiteral("java")), std::vector<QString>({QStringLiteral("10121011")}));
    library.open(DatabaseRole::Content)
        ->executeScript(QStringLiteral("update jszx set name = 'Kotlin 协程' where xxbh = '10121011';"));
    EXPECT_EQ(startLocked(QStringLiteral("kotlin")), std::vector<QString>({QStringLiteral("10121011")}));
}

TEST_F(StartupControllerTest, TimerDrivesStartUpToTheShownWindow)
{
    TestLibrary library;
    Startup startup(library.dataRoot(), lockPath());
    QSignalSpy shown(&startup.controller, &StartupController::mainWindowShown);

    startup.controller.start();

    ASSERT_TRUE(shown.wait(5000));
    EXPECT_EQ(startup.controller.tickCount(), 2);
    EXPECT_EQ(startup.controller.progressText(), u"...."_s);
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
    indexAsTheAuthoringToolDoes(library);
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
    EXPECT_TRUE(details.at(0).at(0).toString().contains(u"jszx"_s));
    EXPECT_TRUE(startup.prompter.messages.isEmpty());
    EXPECT_FALSE(startup.controller.isTicking());
    EXPECT_EQ(startup.holder.window(), nullptr);
}

// ---- the progress box ----

TEST(ProgressTextTest, GrowsByTwoDotsAndEmptiesPastEightCharacters)
{
    const QStringList expected = {u".."_s, u"...."_s, u"......"_s, u"........"_s, u""_s, u".."_s};
    QString text;
    for (int tick = 0; tick < expected.size(); ++tick) {
        text = nextProgressText(text);
        EXPECT_EQ(text, expected.at(tick)) << "tick " << tick + 1;
    }
}

}  // namespace
