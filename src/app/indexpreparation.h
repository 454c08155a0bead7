#pragma once

#include "library/sharedconnection.h"

#include <QObject>
#include <QString>

#include <atomic>
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

// Gives each per-centre database the contains index of its copy of the
// centre's table, which the continued query reads: beside the table, or in
// the user's cache for a library the program cannot write. It runs on a
// low-priority thread of its own once the main window is up, since keying
// five databases is slow by design and the window need not wait for it;
// until a centre's index is there the continued query scans that centre,
// with the same result.
class CentreIndexPreparation {
public:
    CentreIndexPreparation(LibraryLayout layout, QString cacheFolder);
    // Stops the work between two chunks of rows (the unfinished index is
    // rolled back and built next time) and waits for the thread.
    ~CentreIndexPreparation();
    CentreIndexPreparation(const CentreIndexPreparation&) = delete;
    CentreIndexPreparation& operator=(const CentreIndexPreparation&) = delete;

    void start();
    // Waits until the work is done.
    void wait();

private:
    LibraryLayout m_layout;
    QString m_cacheFolder;
    std::atomic_bool m_cancel = false;
    QThread* m_thread = nullptr;
};

}  // namespace kelvor
