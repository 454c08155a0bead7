#pragma once

#include <QString>

namespace kelvor {

// Lines for a user who runs the program from a terminal (UTF-8, one per call).
void printToStderr(const QString& line);
void printToStdout(const QString& line);

}  // namespace kelvor
