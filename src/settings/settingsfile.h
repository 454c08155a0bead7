#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace kelvor::settings {

// Makes `bytes` the whole content of `path`: written to a temporary file
// beside it and renamed over the old one only once complete, so a crash or a
// full disk leaves the old file as it was. False when anything failed.
bool replaceFile(const QString& path, const QByteArray& bytes);

// The whole file, or nothing when it cannot be opened or read.
std::optional<QByteArray> readFile(const QString& path);

// The first value of a settings file in the library's code page: the text
// of its first line up to a comma, blanks trimmed. Nothing when the file
// cannot be read or that text is empty.
std::optional<QString> readFirstValue(const QString& path);

}  // namespace kelvor::settings
