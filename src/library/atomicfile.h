#pragma once

#include <QByteArray>
#include <QString>

namespace kelvor {

// Makes `bytes` the whole content of `path`: written to a temporary file
// beside it and renamed over the old one only once complete, so a crash or a
// full disk leaves the old file as it was. False when anything failed.
bool replaceFile(const QString& path, const QByteArray& bytes);

}  // namespace kelvor
