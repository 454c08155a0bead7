#pragma once

#include <QByteArray>
#include <QString>

namespace kelvor {

// True when an HTML file names its own encoding: a byte-order mark, or a
// meta element with a charset before the body starts.
bool declaresEncoding(const QByteArray& html);

// What a scan of bytes as UTF-8 found.
struct Utf8Scan {
    // Well-formed UTF-8: no overlong forms, surrogates or code points past U+10FFFF.
    bool valid = true;
    // Holds two-byte sequences (U+0080–U+07FF), which GBK pairs also form.
    bool twoByte = false;
    // Holds sequences of three or four bytes, as all Chinese text in UTF-8 does.
    bool wide = false;
};
Utf8Scan scanUtf8(QByteArrayView bytes);

// The charset a library page is served with: empty for a page that names its
// own (the browser then follows the page); UTF-8 for one that names none and
// reads as UTF-8 (imported documentation mostly does); else GBK, the
// library's own code page. A valid UTF-8 page whose only non-ASCII letters
// are two-byte ones is GBK: such pairs are common GBK characters (a page of
// code with the one word "说" is valid UTF-8), and Chinese in UTF-8 always
// takes three bytes. Reads the file once without holding it; any size.
QByteArray pageCharset(const QString& path);

// True for the files served as HTML pages.
bool isHtmlPage(const QString& path);

}  // namespace kelvor
