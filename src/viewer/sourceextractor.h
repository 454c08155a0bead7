#pragma once

#include "library/layout.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kelvor {

// The outcome of one source extraction.
struct SourceExtraction {
    // The document holds at least one source paragraph (the source flag).
    bool sourceFound = false;
    // The document could not be read; the caller shows the placeholder picture.
    bool failed = false;
    // The source page written for this document; empty when none was written.
    QString sourcePagePath;
};

// The source paragraphs of a document's lines and the page made of them.
struct CollectedSource {
    bool found = false;
    // Every collected line preceded by CR LF, then a final CR LF.
    QString pageText;
};

// Text lines of a document file: decoded from GBK, split at LF, a CR before
// the LF dropped; a final line break starts no further line.
QStringList documentLines(const QByteArray& fileContent);

// Paragraphs of class a2 or a3, from their first line up to the line that
// ends in "/p>". A line that closes one such paragraph and opens the next
// belongs to both and is collected twice.
class SourceCollector {
public:
    void add(const QString& line);
    // False for a line (in the file's bytes) that add() would ignore, so a
    // large document's other lines need no decoding.
    bool takes(QByteArrayView line) const;
    CollectedSource result() const;

private:
    QString m_collected;
    bool m_found = false;
    bool m_inParagraph = false;
};

CollectedSource collectSource(const QStringList& lines);

// Collects the source paragraphs of the document on show into the library's
// source page, so that they can be shown as plain text and copied.
class SourceExtractor {
public:
    explicit SourceExtractor(LibraryLayout layout);

    // Only .htm documents are read; any other path (empty, .jpg, .exe)
    // finds nothing and leaves the previous source page in place. The page
    // is replaced atomically, so it is never missing or half written; when
    // the library cannot be written it goes to the per-user folder of
    // generated pages. A document reached through a link leading out of the
    // library is not read: it counts as missing. Documents are read line by
    // line, so a very large one never sits in memory whole.
    SourceExtraction extract(const QString& documentPath) const;

private:
    LibraryLayout m_layout;
};

}  // namespace kelvor
