#pragma once

#include "viewer/documentview.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTimer>

#include <memory>
#include <optional>

namespace kelvor::test {

// Page operations answer later; this runs the event loop until the answer
// is in or the deadline has passed (then nothing).
template <typename T, typename Operation>
std::optional<T> answerOf(Operation&& operation, int deadlineMs = 15000)
{
    auto answer = std::make_shared<std::optional<T>>();
    auto loop = std::make_shared<QEventLoop>();
    operation([answer, loop](T value) {
        *answer = std::move(value);
        loop->quit();
    });
    if (!answer->has_value()) {
        QTimer::singleShot(deadlineMs, loop.get(), &QEventLoop::quit);
        loop->exec();
    }
    return *answer;
}

// Loads a page and waits for its completed load; false on timeout.
inline bool loadPage(DocumentView& view, const QString& path, int deadlineMs = 30000)
{
    QSignalSpy complete(&view, &DocumentView::documentComplete);
    view.navigate(path);
    return complete.wait(deadlineMs);
}

inline QString writeFixture(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return {};
    f.write(bytes);
    return path;
}

}  // namespace kelvor::test
