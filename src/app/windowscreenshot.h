#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace kelvor {

// Saves a shown window as a PNG file once it has been painted (`--screenshot`).
class WindowScreenshot : public QObject {
    Q_OBJECT
public:
    explicit WindowScreenshot(QString path, QObject* parent = nullptr);

    // Time the window gets after its first paint to finish laying out and
    // drawing its children before it is grabbed.
    void setSettleDelay(int milliseconds) { m_settleMs = milliseconds; }

    // Runs its argument once the window's page is on show.
    using PageWait = std::function<void(std::function<void()>)>;

    // Waits for `window`'s first paint and, when given, for its page to be
    // shown (a few seconds at most), then grabs and saves it.
    void capture(QWidget* window, PageWait pageShown = {});

    // The widget that shows the page. A grab in which it is still one flat
    // colour (the browser has not handed over its first frame) is taken again
    // a little later, within the page deadline.
    void setPageArea(QWidget* area) { m_pageArea = area; }

    // Grabs `window` and writes it whole or not at all.
    static bool save(QWidget* window, const QString& path, QString* error);
    static bool save(const QPixmap& picture, const QString& path, QString* error);

signals:
    void finished(int exitCode);
    void diagnostic(const QString& detail);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void windowPainted();
    void scheduleGrab();
    void grabNow();
    bool pageAreaStillBlank(const QPixmap& picture) const;

    QString m_path;
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_pageArea;
    int m_blankRegrabsLeft = 0;
    QTimer m_paintDeadline;
    QTimer m_pageDeadline;
    bool m_windowPainted = false;
    bool m_pagePending = false;
    int m_settleMs = 300;
    bool m_grabScheduled = false;
};

}  // namespace kelvor
