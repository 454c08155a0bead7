#include "qtshell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace kelvor {

bool QtShell::startProgram(const QString& path)
{
    return QProcess::startDetached(path, {}, QFileInfo(path).absolutePath());
}

bool QtShell::openFolder(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

bool QtShell::openAddress(const QUrl& url) { return QDesktopServices::openUrl(url); }

}  // namespace kelvor
