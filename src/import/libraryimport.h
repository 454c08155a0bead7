#pragma once

#include "import/importerror.h"

#include <QString>

#include <atomic>
#include <functional>
#include <map>

namespace kelvor::importing {

struct ImportRequest {
    QString dataRoot;  // the library's data root (it holds kelvor/)
    QString source;    // an HTML folder or a docset
    QString centre;    // code prefix, caption or table of a centre; empty: the technology centre
    QString title;     // the new top-level folder; empty: the source's own name
};

struct ImportProgress {
    enum Stage { Pages, Files, Saving };
    Stage stage = Pages;
    qint64 pagesDone = 0;
    qint64 pagesTotal = 0;
    qint64 filesDone = 0;
    qint64 filesTotal = 0;
};
using ImportProgressHandler = std::function<void(const ImportProgress&)>;

struct ImportSummary {
    QString centreCaption;
    QString title;
    QString code;           // the top-level folder's record code
    QString documentFolder; // <library>/<link>, relative to the data root
    bool replaced = false;  // an earlier import of the same source and title was replaced
    int pages = 0;
    int records = 0;
    int folders = 0;
    int sourceParagraphs = 0;
    int filesCopied = 0;
    int missingLinks = 0;
    int damagedPages = 0;
    int foldedFolders = 0;
    int splitFolders = 0;
    std::map<QString, int> skipped;  // reason -> count

    QString line() const;
};

// The user stopped the import; the library is as it was.
class ImportCancelled : public ImportError {
public:
    ImportCancelled() : ImportError(QStringLiteral("import cancelled; the library is unchanged")) {}
};

// Adds the documentation in `request.source` to the library under one new
// top-level folder of the centre, or replaces what an earlier import of the
// same source and title put there. All of it is written beside the library
// and swapped in at the end: on any error (ImportError, with the reason)
// or a cancel the library is left as it was. `progress` is called on the
// calling thread; `cancel` may be set from any thread.
ImportSummary importDocumentation(const ImportRequest& request, const ImportProgressHandler& progress = {},
                                  const std::atomic_bool* cancel = nullptr);

}  // namespace kelvor::importing
