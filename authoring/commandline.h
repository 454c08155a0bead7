#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>
#include <variant>

namespace kelvor::authoring {

struct DemoCommand {
    QString dataRoot;
    std::optional<qint64> records;  // set: a synthetic library of that many records
};
struct HelpCommand {};
struct UsageError {
    QString message;
};

using ParsedCommand = std::variant<DemoCommand, HelpCommand, UsageError>;

// Parses the arguments after the program name.
ParsedCommand parseCommandLine(const QStringList& arguments);
QString usageText();

enum ExitCode { ExitOk = 0, ExitFailure = 1, ExitUsage = 2 };

// Runs the command; messages go to `out`, errors and progress to `err`.
int runCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace kelvor::authoring
