#pragma once

#include "library/sharedconnection.h"

#include <QObject>
#include <QString>

#include <memory>

class QThread;

namespace kelvor {

// Brings an older library's title helpers and contains index up to date on a
// thread of its own, with a connection of its own, so that the splash keeps
// painting while a large library is worked on. When it is done, the shared
// connection takes the index place the work found.
class IndexPreparation : public QObject {
    Q_OBJECT
public:
    IndexPreparation(SharedConnection& connection, QString cacheFolder, QObject* parent = nullptr);
    // Waits for the work: the library must not be left half written.
    ~IndexPreparation() override;

    void start();
    bool isRunning() const;

signals:
    void progress(qint64 done, qint64 total);
    // The shared connection has its index place; `error` is empty when the work went well.
    void finished(const QString& error);

private:
    void workDone();

    SharedConnection& m_connection;
    QString m_cacheFolder;
    // Used by the worker thread only until it ends.
    SharedConnection m_workerConnection;
    QString m_error;
    QThread* m_thread = nullptr;
};

}  // namespace kelvor
