#include "commandline.h"

#include "authoringerror.h"
#include "demolibrary.h"
#include "syntheticcatalogue.h"
#include "syntheticlibrary.h"
#include "importcommand.h"

#include "library/database.h"

#include <QElapsedTimer>

namespace kelvor::authoring {

namespace {

std::optional<qint64> parseCount(const QString& text)
{
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    if (!ok || n < 1) return std::nullopt;
    return n;
}

}  // namespace

QString usageText()
{
    return QStringLiteral(
        "Usage: kelvor-library demo DIR [--records N]\n"
        "       kelvor-library import LIBRARY SOURCE [--centre CODE-OR-CAPTION] [--title TEXT]\n"
        "\n"
        "Writes a content library under DIR: DIR/kelvor, DIR/9098787891 and DIR/loginsys.ini.\n"
        "\n"
        "  demo DIR              the demo library: programming material in every centre,\n"
        "                        with documents, pictures, players and source folders\n"
        "  demo DIR --records N  N made-up records spread over the six centres of the\n"
        "                        search page, for benchmarks (no document files)\n"
        "  import LIBRARY SOURCE adds an HTML folder or a docset to a library\n"
        "                        (kelvor-library import --help tells more)\n"
        "  -h, --help            show this help\n"
        "\n"
        "A library that an earlier run wrote in DIR is replaced once the new one is\n"
        "complete; a library written by anything else is left alone, and so are all\n"
        "other files in DIR.\n");
}

ParsedCommand parseCommandLine(const QStringList& arguments)
{
    if (arguments.isEmpty()) return UsageError{QStringLiteral("missing command")};
    if (arguments.contains(QStringLiteral("-h")) || arguments.contains(QStringLiteral("--help"))) return HelpCommand{};
    if (arguments.front() != QLatin1String("demo"))
        return UsageError{QStringLiteral("unknown command \"%1\"").arg(arguments.front())};

    DemoCommand command;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        QString value;
        if (arg == QLatin1String("--records")) {
            if (i + 1 >= arguments.size()) return UsageError{QStringLiteral("--records needs a number")};
            value = arguments.at(++i);
        } else if (arg.startsWith(QLatin1String("--records="))) {
            value = arg.mid(int(qstrlen("--records=")));
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            return UsageError{QStringLiteral("unknown option \"%1\"").arg(arg)};
        } else if (command.dataRoot.isEmpty()) {
            command.dataRoot = arg;
            continue;
        } else {
            return UsageError{QStringLiteral("unexpected argument \"%1\"").arg(arg)};
        }
        if (command.records) return UsageError{QStringLiteral("--records given twice")};
        command.records = parseCount(value);
        if (!command.records) return UsageError{QStringLiteral("--records needs a positive whole number, not \"%1\"").arg(value)};
        if (*command.records > 6 * SyntheticCatalogue::capacity())
            return UsageError{QStringLiteral("--records is limited to %1").arg(6 * SyntheticCatalogue::capacity())};
    }
    if (command.dataRoot.isEmpty()) return UsageError{QStringLiteral("missing DIR")};
    return command;
}

int runCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (!arguments.isEmpty() && arguments.front() == QLatin1String("import"))
        return runImportCommand(arguments.mid(1), out, err);
    const ParsedCommand parsed = parseCommandLine(arguments);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        err << "kelvor-library: " << error->message << "\n\n" << usageText();
        err.flush();
        return ExitUsage;
    }
    if (std::holds_alternative<HelpCommand>(parsed)) {
        out << usageText();
        out.flush();
        return ExitOk;
    }
    const auto& command = std::get<DemoCommand>(parsed);
    QElapsedTimer timer;
    timer.start();
    try {
        if (command.records) {
            writeSyntheticLibrary(command.dataRoot, *command.records, [&err](const QString& line) {
                err << line << '\n';
                err.flush();
            });
        } else {
            writeDemoLibrary(command.dataRoot);
        }
    } catch (const AuthoringError& e) {
        err << "kelvor-library: " << e.message() << '\n';
        err.flush();
        return ExitFailure;
    } catch (const DatabaseError& e) {
        err << "kelvor-library: " << e.message() << '\n';
        err.flush();
        return ExitFailure;
    } catch (const std::exception& e) {
        err << "kelvor-library: " << e.what() << '\n';
        err.flush();
        return ExitFailure;
    }
    out << "Library written to " << command.dataRoot << " in " << QString::number(timer.elapsed() / 1000.0, 'f', 1)
        << " s\n";
    out.flush();
    return ExitOk;
}

}  // namespace kelvor::authoring
