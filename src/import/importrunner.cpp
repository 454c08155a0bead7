#include "importrunner.h"

#include "library/database.h"

namespace kelvor::importing {

ImportRunner::ImportRunner(QObject* parent) : QObject(parent)
{
    qRegisterMetaType<ImportProgress>();
    qRegisterMetaType<ImportSummary>();
}

ImportRunner::~ImportRunner()
{
    cancel();
    if (m_thread) m_thread->wait();
}

bool ImportRunner::isRunning() const
{
    return m_thread && m_thread->isRunning();
}

void ImportRunner::cancel()
{
    m_cancel = true;
}

bool ImportRunner::start(const ImportRequest& request)
{
    if (isRunning()) return false;
    if (m_thread) m_thread->wait();
    m_cancel = false;
    // The thread only emits: the signals cross to this object's thread queued.
    m_thread.reset(QThread::create([this, request]() {
        try {
            const ImportSummary summary = importDocumentation(
                request,
                [this](const ImportProgress& p) {
                    QMetaObject::invokeMethod(this, [this, p]() { emit progressed(p); }, Qt::QueuedConnection);
                },
                &m_cancel);
            QMetaObject::invokeMethod(this, [this, summary]() { emit finished(summary); }, Qt::QueuedConnection);
        } catch (const ImportCancelled& e) {
            const QString message = e.message();
            QMetaObject::invokeMethod(this, [this, message]() { emit failed(message, true); }, Qt::QueuedConnection);
        } catch (const ImportError& e) {
            const QString message = e.message();
            QMetaObject::invokeMethod(this, [this, message]() { emit failed(message, false); }, Qt::QueuedConnection);
        } catch (const DatabaseError& e) {
            const QString message = e.message();
            QMetaObject::invokeMethod(this, [this, message]() { emit failed(message, false); }, Qt::QueuedConnection);
        } catch (const std::exception& e) {
            const QString message = QString::fromLocal8Bit(e.what());
            QMetaObject::invokeMethod(this, [this, message]() { emit failed(message, false); }, Qt::QueuedConnection);
        }
    }));
    m_thread->start();
    return true;
}

}  // namespace kelvor::importing
