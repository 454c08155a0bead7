#pragma once

#include <QByteArray>
#include <QString>

namespace kelvor::importing {

// The text of an HTML page read from disk, with how it was decoded.
struct PageText {
    QString text;
    QString encoding;      // the charset the bytes were read as
    bool damaged = false;  // bytes that are not valid in that charset became U+FFFD
};

// The charset a page names for itself: a byte-order mark, or a meta element
// near the top (where browsers look for it). Empty when it names none.
QByteArray declaredCharset(const QByteArray& bytes);

// Reads a page the way a browser would: in its declared charset; a page that
// names none is UTF-8 when its bytes are valid UTF-8, else GBK.
PageText decodePage(const QByteArray& bytes);

// True for bytes that cannot be an HTML page (binary content such as NUL bytes).
bool looksBinary(const QByteArray& head);

}  // namespace kelvor::importing
