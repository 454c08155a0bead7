#pragma once

#include <QStringList>
#include <QTextStream>

namespace kelvor::authoring {

// `kelvor-library import LIBRARY SOURCE [--centre CODE-OR-CAPTION] [--title TEXT]`;
// `arguments` follow the word "import". Returns the process exit code.
int runImportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

QString importUsageText();

}  // namespace kelvor::authoring
