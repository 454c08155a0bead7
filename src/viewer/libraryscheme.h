#pragma once

#include "library/layout.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <optional>
#include <vector>

namespace kelvor {

// The program's own URL scheme: library pages reach the document views only
// through it, so a page can name nothing but files the program chose to serve.
QByteArray libraryScheme();

// Registers the scheme and walls off the browser's own network access. Must
// run before the application object exists, in every program that makes a
// DocumentView.
void prepareLibraryBrowsing();

// Where the program writes pages it generates (the source page) when the
// library folder cannot be written: a per-user cache folder of this library.
QString generatedPagesFolder(const LibraryLayout& layout);

// The folders whose files a document view may show, each under a host of the
// library scheme: the library folder, the centre main page's folder beside
// it, and the per-user folder of generated pages.
class ServedFolders {
public:
    explicit ServedFolders(const LibraryLayout& layout);

    // The scheme's address of a file named by its path (as text, no link
    // followed); nothing for a path outside every served folder.
    std::optional<QUrl> urlOf(const QString& path) const;
    // The path an address of the scheme names, the way the program names it;
    // nothing for any other address.
    std::optional<QString> pathOf(const QUrl& url) const;
    // The file a request may read: an existing file whose path, with every
    // link followed, lies inside the folder its address names.
    std::optional<QString> servableFile(const QUrl& url) const;

private:
    struct Folder {
        QString host;
        QString path;
    };
    const Folder* folderOf(const QUrl& url) const;

    std::vector<Folder> m_folders;
};

}  // namespace kelvor
