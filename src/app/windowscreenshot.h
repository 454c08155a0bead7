#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace kelvor {

// Saves a shown window as a PNG file once it has been painted (`--screenshot`).
class WindowScreenshot : public QObject {
    Q_OBJECT
public:
    explicit WindowScreenshot(QString path, QObject* parent = nullptr);

    // Time the window gets after its first paint to finish laying out and
    // drawing its children before it is grabbed.
    void setSettleDelay(int milliseconds) { m_settleMs = milliseconds; }

    // Waits for `window`'s first paint, then grabs and saves it.
    void capture(QWidget* window);

    // Grabs `window` and writes it whole or not at all.
    static bool save(QWidget* window, const QString& path, QString* error);

signals:
    void finished(int exitCode);
    void diagnostic(const QString& detail);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void scheduleGrab();
    void grabNow();

    QString m_path;
    QPointer<QWidget> m_window;
    QTimer m_paintDeadline;
    int m_settleMs = 300;
    bool m_grabScheduled = false;
};

}  // namespace kelvor
