#pragma once

#include <QString>
#include <QStringList>

namespace kelvor {

// `coolsys.ini`, written as the main window closes: the non-empty texts of
// the search box's drop-down list in list order, each preceded by CR LF, and
// a final CR LF (an empty list gives CR LF alone), in the library's code page.
// The old file stays until the new one is complete.
bool writeCoolsys(const QString& path, const QStringList& listTexts);

}  // namespace kelvor
