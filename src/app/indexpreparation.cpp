#include "indexpreparation.h"

#include "library/libraryindexes.h"

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

}  // namespace kelvor
