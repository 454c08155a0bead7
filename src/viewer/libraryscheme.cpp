#include "libraryscheme.h"

#include "insidelibrary.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWebEngineUrlScheme>

namespace kelvor {

namespace {

// Everything the browser would send to the network goes to a proxy that is
// never there, and real-time media may use no direct connection either: a
// second wall behind the request filter of every view.
constexpr const char* kNetworkWall =
    "--proxy-server=socks5://127.0.0.1:9 --proxy-bypass-list=<-loopback> "
    "--force-webrtc-ip-handling-policy=disable_non_proxied_udp";

}  // namespace

QByteArray libraryScheme() { return QByteArrayLiteral("kelvor"); }

void prepareLibraryBrowsing()
{
    if (QWebEngineUrlScheme::schemeByName(libraryScheme()).name().isEmpty()) {
        QWebEngineUrlScheme scheme(libraryScheme());
        // Host syntax gives each served folder its own origin and lets
        // relative links and resources resolve as they do on disk. Secure,
        // so pages behave as on a trusted origin; not local, so no page of
        // it may ever load a file: address.
        scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
        scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::CorsEnabled);
        QWebEngineUrlScheme::registerScheme(scheme);
    }
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.contains("--proxy-server")) {
        if (!flags.isEmpty()) flags += ' ';
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags + kNetworkWall);
    }
}

QString generatedPagesFolder(const LibraryLayout& layout)
{
    const QString library = QDir::cleanPath(QFileInfo(layout.libraryFolder()).absoluteFilePath());
    const QByteArray key =
        QCryptographicHash::hash(library.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/pages/") +
           QString::fromLatin1(key);
}

ServedFolders::ServedFolders(const LibraryLayout& layout)
{
    const auto clean = [](const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); };
    m_folders = {
        {QStringLiteral("library"), clean(layout.libraryFolder())},
        {QStringLiteral("mainpage"), clean(QFileInfo(layout.centreMainPage()).absolutePath())},
        {QStringLiteral("generated"), clean(generatedPagesFolder(layout))},
    };
}

std::optional<QUrl> ServedFolders::urlOf(const QString& path) const
{
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    for (const Folder& folder : m_folders) {
        if (!clean.startsWith(folder.path + QLatin1Char('/'))) continue;
        QUrl url;
        url.setScheme(QString::fromLatin1(libraryScheme()));
        url.setHost(folder.host);
        url.setPath(clean.mid(folder.path.size()), QUrl::DecodedMode);
        return url;
    }
    return std::nullopt;
}

const ServedFolders::Folder* ServedFolders::folderOf(const QUrl& url) const
{
    if (url.scheme() != QLatin1String(libraryScheme())) return nullptr;
    for (const Folder& folder : m_folders)
        if (url.host() == folder.host) return &folder;
    return nullptr;
}

std::optional<QString> ServedFolders::pathOf(const QUrl& url) const
{
    const Folder* folder = folderOf(url);
    if (!folder) return std::nullopt;
    const QString relative = QDir::cleanPath(url.path(QUrl::FullyDecoded));
    // A path that climbs above the root stays at the root, as the browser keeps it.
    if (!relative.startsWith(QLatin1Char('/')) || relative.startsWith(QLatin1String("/.."))) return std::nullopt;
    return folder->path + relative;
}

std::optional<QString> ServedFolders::servableFile(const QUrl& url) const
{
    const Folder* folder = folderOf(url);
    const auto path = pathOf(url);
    if (!folder || !path || !QFileInfo(*path).isFile() || !liesInsideFolder(folder->path, *path))
        return std::nullopt;
    return path;
}

}  // namespace kelvor
