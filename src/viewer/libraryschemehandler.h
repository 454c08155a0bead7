#pragma once

#include "libraryscheme.h"

#include <QWebEngineUrlSchemeHandler>

namespace kelvor {

// Answers the library scheme for one view: each file of a served folder,
// streamed from disk with its content type, pages with their charset. A
// request for anything else (outside the folders, through a link leading
// out, missing, not a plain read) is refused.
class LibrarySchemeHandler : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    LibrarySchemeHandler(ServedFolders folders, QObject* parent = nullptr);

    void requestStarted(QWebEngineUrlRequestJob* job) override;

    // The query that asks for a picture shown on a page of its own.
    static QString picturePageQuery();

private:
    ServedFolders m_folders;
};

}  // namespace kelvor
