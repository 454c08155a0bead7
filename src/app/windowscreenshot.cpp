#include "windowscreenshot.h"

#include "exitcode.h"

#include <QEvent>
#include <QImage>
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
// A page area still blank in the grab is grabbed again this often, this many times.
constexpr int kRegrabMs = 250;
constexpr int kMostRegrabs = kPageDeadlineMs / kRegrabMs;
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
    m_blankRegrabsLeft = kMostRegrabs;
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
    const QPixmap picture = m_window->grab();
    if (m_blankRegrabsLeft > 0 && pageAreaStillBlank(picture)) {
        --m_blankRegrabsLeft;
        QTimer::singleShot(kRegrabMs, this, &WindowScreenshot::grabNow);
        return;
    }
    QString error;
    if (!save(picture, m_path, &error)) {
        emit diagnostic(QStringLiteral("screenshot: cannot write %1: %2").arg(m_path, error));
        emit finished(ExitScreenshotFailed);
        return;
    }
    emit finished(ExitOk);
}

bool WindowScreenshot::pageAreaStillBlank(const QPixmap& picture) const
{
    if (!m_pageArea || !m_window || !m_pageArea->isVisible()) return false;
    const qreal ratio = picture.devicePixelRatio();
    const QRect area(m_pageArea->mapTo(m_window, QPoint(0, 0)) * ratio, m_pageArea->size() * ratio);
    const QImage image = picture.toImage().copy(area & picture.rect());
    if (image.isNull()) return false;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != first) return false;
    return true;
}

bool WindowScreenshot::save(QWidget* window, const QString& path, QString* error)
{
    return save(window->grab(), path, error);
}

bool WindowScreenshot::save(const QPixmap& picture, const QString& path, QString* error)
{
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
