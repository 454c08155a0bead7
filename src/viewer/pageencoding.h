#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace kelvor {

// True when an HTML file names its own encoding: a byte-order mark, or a
// meta element with a charset before the body starts.
bool declaresEncoding(const QByteArray& html);

// The bytes of a local HTML page that names no encoding and so must be shown
// as GBK (the browser would otherwise guess, and guesses wrong for pages that
// are mostly code with a few Chinese words). Nothing for other files, for
// pages that name their encoding, for unreadable files and for pages too
// large to hand over whole.
std::optional<QByteArray> undeclaredGbkPage(const QString& path);

}  // namespace kelvor
