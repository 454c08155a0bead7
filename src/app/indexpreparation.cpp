#include "indexpreparation.h"

#include "library/libraryindexes.h"
#include "library/librarydatabases.h"

#include <QThread>

#include <exception>

namespace kelvor {

IndexPreparation::IndexPreparation(SharedConnection& connection, QString cacheFolder, QObject* parent)
    : QObject(parent),
      m_connection(connection),
      m_cacheFolder(std::move(cacheFolder)),
      m_workerConnection(connection.layout())
{
}

IndexPreparation::~IndexPreparation()
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

bool IndexPreparation::isRunning() const { return m_thread && m_thread->isRunning(); }

void IndexPreparation::start()
{
    if (m_thread) return;
    m_thread = QThread::create([this] {
        try {
            m_workerConnection.open(DatabaseRole::Content);
            prepareLibraryIndexes(m_workerConnection, m_cacheFolder,
                                  [this](qint64 done, qint64 total) { emit progress(done, total); });
        } catch (const std::exception& error) {
            m_error = QString::fromUtf8(error.what());
        }
        m_workerConnection.close();
    });
    // Queued: the worker's connection is read on this object's thread once the worker has ended.
    connect(m_thread, &QThread::finished, this, &IndexPreparation::workDone, Qt::QueuedConnection);
    m_thread->start();
}

void IndexPreparation::workDone()
{
    if (m_error.isEmpty()) m_connection.adoptIndexPlace(m_workerConnection);
    emit finished(m_error);
}

namespace {

// Thrown from the progress of a build that is to stop; its transaction rolls back.
struct PreparationStopped {};

}  // namespace

CentreIndexPreparation::CentreIndexPreparation(LibraryLayout layout, QString cacheFolder)
    : m_layout(std::move(layout)), m_cacheFolder(std::move(cacheFolder))
{
}

CentreIndexPreparation::~CentreIndexPreparation()
{
    m_cancel.store(true);
    wait();
    delete m_thread;
}

void CentreIndexPreparation::start()
{
    if (m_thread) return;
    m_thread = QThread::create([this] {
        const auto stopIfAsked = [this](qint64, qint64) {
            if (m_cancel.load()) throw PreparationStopped{};
        };
        for (const DatabaseRole role : centreDatabases()) {
            if (m_cancel.load()) return;
            try {
                auto db = openLibraryDatabase(m_layout, role);
                // Where neither place can be written, the continued query scans that centre.
                prepareCentreIndexes(*db, m_cacheFolder, stopIfAsked);
            } catch (const PreparationStopped&) {
                return;
            } catch (const std::exception&) {
                // A centre whose database cannot be read is told by the query that needs it.
            }
        }
    });
    m_thread->start(QThread::LowPriority);
}

void CentreIndexPreparation::wait()
{
    if (m_thread) m_thread->wait();
}

}  // namespace kelvor
