#include "libraryschemehandler.h"

#include "pageencoding.h"
#include "picturepage.h"

#include <QBuffer>
#include <QFile>
#include <QMimeDatabase>
#include <QPointer>
#include <QThreadPool>
#include <QWebEngineUrlRequestJob>

namespace kelvor {

namespace {

QByteArray contentTypeOf(const QString& path)
{
    if (isHtmlPage(path)) return QByteArrayLiteral("text/html");
    static const QMimeDatabase mimeTypes;
    return mimeTypes.mimeTypeForFile(path, QMimeDatabase::MatchExtension).name().toLatin1();
}

// Hands the open file to the browser, which reads it on its own thread
// while the request lives; the file goes with the request.
void replyWithFile(QWebEngineUrlRequestJob* job, const QString& path, const QByteArray& contentType)
{
    auto* file = new QFile(path);
    if (!file->open(QIODevice::ReadOnly)) {
        delete file;
        job->fail(QWebEngineUrlRequestJob::RequestFailed);
        return;
    }
    QObject::connect(job, &QObject::destroyed, file, &QObject::deleteLater);
    job->reply(contentType, file);
}

void replyWithPicturePage(QWebEngineUrlRequestJob* job)
{
    QUrl picture = job->requestUrl();
    picture.setQuery(QString());
    auto* page = new QBuffer;
    page->setData(picturePage(picture).toUtf8());
    page->open(QIODevice::ReadOnly);
    QObject::connect(job, &QObject::destroyed, page, &QObject::deleteLater);
    job->reply(QByteArrayLiteral("text/html;charset=UTF-8"), page);
}

}  // namespace

LibrarySchemeHandler::LibrarySchemeHandler(ServedFolders folders, QObject* parent)
    : QWebEngineUrlSchemeHandler(parent), m_folders(std::move(folders))
{
}

QString LibrarySchemeHandler::picturePageQuery() { return QStringLiteral("kelvor-picture"); }

void LibrarySchemeHandler::requestStarted(QWebEngineUrlRequestJob* job)
{
    if (job->requestMethod() != QByteArrayLiteral("GET")) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    const auto path = m_folders.servableFile(job->requestUrl());
    if (!path) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    if (job->requestUrl().query() == picturePageQuery() && isPictureFile(*path)) {
        replyWithPicturePage(job);
        return;
    }
    if (!isHtmlPage(*path)) {
        replyWithFile(job, *path, contentTypeOf(*path));
        return;
    }
    // The charset of a page takes one pass over the file: done aside, so a
    // very large page never stalls the window. The relay lives on this
    // thread until the answer is in; the request may be gone by then.
    auto* relay = new QObject;
    QPointer<QWebEngineUrlRequestJob> pending(job);
    QThreadPool::globalInstance()->start([relay, pending, file = *path] {
        const QByteArray charset = pageCharset(file);
        QMetaObject::invokeMethod(
            relay,
            [relay, pending, file, charset] {
                relay->deleteLater();
                if (!pending) return;
                QByteArray type = QByteArrayLiteral("text/html");
                if (!charset.isEmpty()) type += QByteArrayLiteral(";charset=") + charset;
                replyWithFile(pending, file, type);
            },
            Qt::QueuedConnection);
    });
}

}  // namespace kelvor
