#pragma once

#include <QString>
#include <QStringList>

namespace kelvor {

// What the command line `kelvor [--data-root DIR] [--screenshot FILE]` asks for.
struct StartupOptions {
    QString dataRoot;        // where the library folder `kelvor` lies
    QString screenshotPath;  // empty: run normally
};

struct CommandLineResult {
    enum class Status { Run, ShowHelp, Error };
    Status status = Status::Error;
    StartupOptions options;
    QString message;  // the help text, or what is wrong with the command line
};

// `arguments` includes the program name first, as QCoreApplication::arguments()
// gives it. The data root defaults to the program folder's rule; --data-root
// replaces the program folder (needed when the program lives in a system folder).
CommandLineResult parseCommandLine(const QStringList& arguments, const QString& programFolder);

}  // namespace kelvor
