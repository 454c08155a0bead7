#pragma once

#include "library/atomicfile.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace kelvor::settings {

// Settings files are replaced whole, never deleted first.
using kelvor::replaceFile;

// The whole file, or nothing when it cannot be opened or read.
std::optional<QByteArray> readFile(const QString& path);

// The first value of a settings file in the library's code page: the text
// of its first line up to a comma, blanks trimmed. Nothing when the file
// cannot be read or that text is empty.
std::optional<QString> readFirstValue(const QString& path);

}  // namespace kelvor::settings
