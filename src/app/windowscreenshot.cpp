#include "windowscreenshot.h"

#include "exitcode.h"

#include <QEvent>
#include <QPixmap>
#include <QSaveFile>

namespace kelvor {

namespace {
// A window that never reports a paint (no compositor, hidden behind others)
// is grabbed anyway after this long.
constexpr int kPaintDeadlineMs = 5000;
// A page that does not finish loading and painting (a huge one, a hidden
// view) holds the screenshot back no longer than this.
constexpr int kPageDeadlineMs = 8000;
}  // namespace

WindowScreenshot::WindowScreenshot(QString path, QObject* parent)
    : QObject(parent), m_path(std::move(path))
{
    m_paintDeadline.setSingleShot(true);
    m_paintDeadline.setInterval(kPaintDeadlineMs);
    connect(&m_paintDeadline, &QTimer::timeout, this, &WindowScreenshot::windowPainted);
    m_pageDeadline.setSingleShot(true);
    m_pageDeadline.setInterval(kPageDeadlineMs);
    connect(&m_pageDeadline, &QTimer::timeout, this, [this] {
        m_pagePending = false;
        scheduleGrab();
    });
}

void WindowScreenshot::capture(QWidget* window, PageWait pageShown)
{
    m_window = window;
    if (!window) {
        emit diagnostic(QStringLiteral("screenshot: there is no main window"));
        emit finished(ExitScreenshotFailed);
        return;
    }
    window->installEventFilter(this);
    m_paintDeadline.start();
    if (pageShown) {
        m_pagePending = true;
        m_pageDeadline.start();
        QPointer<WindowScreenshot> self(this);
        pageShown([self] {
            if (!self || !self->m_pagePending) return;
            self->m_pagePending = false;
            self->m_pageDeadline.stop();
            self->scheduleGrab();
        });
    }
}

bool WindowScreenshot::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && event->type() == QEvent::Paint) windowPainted();
    return QObject::eventFilter(watched, event);
}

void WindowScreenshot::windowPainted()
{
    m_windowPainted = true;
    m_paintDeadline.stop();
    if (m_window) m_window->removeEventFilter(this);
    scheduleGrab();
}

void WindowScreenshot::scheduleGrab()
{
    if (m_grabScheduled || !m_windowPainted || m_pagePending) return;
    m_grabScheduled = true;
    QTimer::singleShot(m_settleMs, this, &WindowScreenshot::grabNow);
}

void WindowScreenshot::grabNow()
{
    if (!m_window) {
        emit diagnostic(QStringLiteral("screenshot: the main window was closed before it could be saved"));
        emit finished(ExitScreenshotFailed);
        return;
    }
    QString error;
    if (!save(m_window, m_path, &error)) {
        emit diagnostic(QStringLiteral("screenshot: cannot write %1: %2").arg(m_path, error));
        emit finished(ExitScreenshotFailed);
        return;
    }
    emit finished(ExitOk);
}

bool WindowScreenshot::save(QWidget* window, const QString& path, QString* error)
{
    const QPixmap picture = window->grab();
    if (picture.isNull()) {
        if (error) *error = QStringLiteral("the window gave an empty picture");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    if (!picture.save(&file, "PNG")) {
        file.cancelWriting();
        if (error) *error = QStringLiteral("PNG encoding failed");
        return false;
    }
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace kelvor
