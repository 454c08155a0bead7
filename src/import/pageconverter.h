#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace kelvor::importing {

// What becomes of one address found in a page.
struct LinkRewrite {
    enum Kind {
        Keep,     // external or in-page: left as written
        Replace,  // pointed at imported material: `value` is its new address
        Missing,  // pointed at nothing that was imported
    };
    Kind kind = Keep;
    QString value;
};

// Decides for one address (as written in the page, entities decoded).
using LinkRewriter = std::function<LinkRewrite(const QString& url)>;

// A page made ready for the library.
struct ConvertedPage {
    QByteArray html;         // UTF-8, declared as such
    QString title;           // the <title> text, blanks simplified
    QString heading;         // the first h1…h6, blanks simplified
    QString mark;            // visible text without scripts, styles and navigation
    int sourceParagraphs = 0;
    int missingLinks = 0;
};

// Rewrites one page: its addresses through `rewriter`, its code blocks
// (<pre>, and the line blocks some generators write instead) into the
// library's source paragraphs, and its charset declaration to UTF-8.
// Everything else keeps its bytes, so the page looks as it did.
ConvertedPage convertPage(const QString& text, const LinkRewriter& rewriter);

}  // namespace kelvor::importing
