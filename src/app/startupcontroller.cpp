#include "startupcontroller.h"

#include "library/libraryindexes.h"

#include "exitcode.h"
#include "indexpreparation.h"
#include "instancelock.h"
#include "mainwindowhost.h"

#include "library/database.h"
#include "library/prompter.h"
#include "library/sharedconnection.h"

#include <exception>

namespace kelvor {

QString nextProgressText(const QString& current)
{
    QString next = current + QStringLiteral("..");
    if (next.size() > 8) next.clear();
    return next;
}

StartupController::StartupController(InstanceLock& lock, SharedConnection& connection,
                                     MainWindowHost& mainWindow, Prompter& prompter, QObject* parent)
    : QObject(parent), m_lock(lock), m_connection(connection), m_mainWindow(mainWindow), m_prompter(prompter)
{
    m_timer.setObjectName(QStringLiteral("startupTimer"));
    m_timer.setInterval(kTickIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &StartupController::tick);
}

StartupController::~StartupController() = default;

void StartupController::start()
{
    if (m_stage != Stage::Idle) return;

    // Another copy already runs: end at once, without a window or a message.
    if (!m_lock.tryAcquire()) {
        m_stage = Stage::Done;
        emit exitRequested(ExitOk);
        return;
    }

    try {
        m_connection.open(DatabaseRole::Content);
    } catch (const DatabaseError& error) {
        emit diagnostic(error.message());
        m_prompter.message(QString::fromUtf8(error.kind() == DatabaseErrorKind::InUse ? kDatabaseInUseMessage
                                                                                       : kDatabaseErrorMessage));
        fail(ExitDatabaseError);
        return;
    } catch (const std::exception& error) {
        emit diagnostic(QString::fromUtf8(error.what()));
        m_prompter.message(QString::fromUtf8(kDatabaseErrorMessage));
        fail(ExitDatabaseError);
        return;
    }

    m_stage = Stage::Ticking;
    m_timer.start();
    emit started();
}

void StartupController::tick()
{
    if (m_stage != Stage::Ticking) return;

    ++m_ticks;
    m_progress = nextProgressText(m_progress);
    emit progressChanged(m_progress);

    if (m_ticks == 1) {
        if (prepareTitleIndexes()) {
            m_stage = Stage::Preparing;
            return;
        }
        loadMainWindow();
    } else if (m_ticks == 2) {
        m_timer.stop();
        m_stage = Stage::Done;
        m_mainWindow.show();
        emit mainWindowShown();
        m_centrePreparation = std::make_unique<CentreIndexPreparation>(m_connection.layout(), defaultIndexCacheFolder());
        m_centrePreparation->start();
    }
}

bool StartupController::prepareTitleIndexes()
{
    try {
        if (libraryIndexesCurrent(m_connection.db())) {
            m_connection.setIndexPlace(SharedConnection::IndexPlace::Library);
            return false;
        }
    } catch (const std::exception& error) {
        // A library whose tables cannot even be read keeps working as far as it can.
        emit diagnostic(QString::fromUtf8(error.what()));
        return false;
    }
    // A library the program cannot write gets its search indexes in the user's cache.
    m_preparation = std::make_unique<IndexPreparation>(m_connection, defaultIndexCacheFolder());
    connect(m_preparation.get(), &IndexPreparation::progress, this, [this](qint64 done, qint64 total) {
        if (total <= 0 || m_stage != Stage::Preparing) return;
        m_progress = QStringLiteral("整理标题 %1%").arg(done * 100 / total);
        emit progressChanged(m_progress);
    });
    connect(m_preparation.get(), &IndexPreparation::finished, this, &StartupController::indexesPrepared);
    m_preparation->start();
    return true;
}

void StartupController::indexesPrepared(const QString& error)
{
    if (m_stage != Stage::Preparing) return;
    if (!error.isEmpty()) emit diagnostic(error);
    m_stage = Stage::Ticking;
    loadMainWindow();
}

void StartupController::loadMainWindow()
{
    try {
        m_mainWindow.load();
    } catch (const std::exception& error) {
        // Building the main window failing ends the program without a box.
        emit diagnostic(QString::fromUtf8(error.what()));
        fail(ExitMainWindowFailed);
    }
}

void StartupController::fail(int exitCode)
{
    m_timer.stop();
    m_stage = Stage::Done;
    emit exitRequested(exitCode);
}

}  // namespace kelvor
