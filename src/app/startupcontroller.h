#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

namespace kelvor {

class CentreIndexPreparation;
class IndexPreparation;
class InstanceLock;
class MainWindowHost;
class Prompter;
class SharedConnection;

// The next text of the splash's progress box: two more dots, emptied once it
// would grow past eight characters.
QString nextProgressText(const QString& current);

// The start-up sequence behind the splash window: refuse a second copy, open
// the shared connection on the content database, then build the main window
// on the first tick of the start-up timer and show it on the second. An older
// library first gets its search indexes, beside the event loop; the ticks
// wait for that work and the window is built when it is done. The centres'
// own databases get theirs once the window is shown, without holding it up.
class StartupController : public QObject {
    Q_OBJECT
public:
    static constexpr int kTickIntervalMs = 200;
    static constexpr const char* kDatabaseErrorMessage = "数据库连接错误！！！";
    // The content database is locked by another program beyond the wait.
    static constexpr const char* kDatabaseInUseMessage = "数据库正被其他程序使用，请关闭该程序后再启动。";

    StartupController(InstanceLock& lock, SharedConnection& connection, MainWindowHost& mainWindow,
                      Prompter& prompter, QObject* parent = nullptr);
    ~StartupController() override;

    quint16 tickCount() const { return m_ticks; }
    QString progressText() const { return m_progress; }
    bool isTicking() const { return m_timer.isActive(); }

public slots:
    // Runs once; later calls do nothing (the splash may be activated again).
    void start();
    void tick();

signals:
    // The connection is open and the timer runs: the splash may show itself.
    void started();
    void progressChanged(const QString& text);
    // The main window is on screen; the splash closes.
    void mainWindowShown();
    // Start-up ends the program with this status (0 for a second copy).
    void exitRequested(int exitCode);
    // Detail of a failure for a user at a terminal.
    void diagnostic(const QString& detail);

private:
    // Libraries from older tools lack the title helper columns the searches
    // run on; they are added once, with progress on the splash. True when
    // that work runs and the main window must wait for it.
    bool prepareTitleIndexes();
    void indexesPrepared(const QString& error);
    void loadMainWindow();
    void fail(int exitCode);

    enum class Stage { Idle, Ticking, Preparing, Done };

    InstanceLock& m_lock;
    SharedConnection& m_connection;
    MainWindowHost& m_mainWindow;
    Prompter& m_prompter;
    QTimer m_timer;
    Stage m_stage = Stage::Idle;
    quint16 m_ticks = 0;
    QString m_progress;
    std::unique_ptr<IndexPreparation> m_preparation;
    std::unique_ptr<CentreIndexPreparation> m_centrePreparation;
};

}  // namespace kelvor
