#pragma once

#include "libraryimport.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <memory>

namespace kelvor::importing {

// Runs one import off the GUI thread, for the window: progress and the end
// come back as queued signals, cancel() stops the work at its next step (the
// library is then left as it was). One import at a time.
class ImportRunner : public QObject {
    Q_OBJECT
public:
    explicit ImportRunner(QObject* parent = nullptr);
    ~ImportRunner() override;  // cancels and waits for a running import

    // False when an import is already running.
    bool start(const ImportRequest& request);
    void cancel();
    bool isRunning() const;

signals:
    void progressed(const kelvor::importing::ImportProgress& progress);
    void finished(const kelvor::importing::ImportSummary& summary);
    // Why the import failed; `cancelled` when the user stopped it.
    void failed(const QString& message, bool cancelled);

private:
    std::atomic_bool m_cancel{false};
    std::unique_ptr<QThread> m_thread;
};

}  // namespace kelvor::importing

Q_DECLARE_METATYPE(kelvor::importing::ImportProgress)
Q_DECLARE_METATYPE(kelvor::importing::ImportSummary)
