#include "commandline.h"

#include "library/layout.h"

#include <QCommandLineParser>
#include <QDir>

namespace kelvor {

CommandLineResult parseCommandLine(const QStringList& arguments, const QString& programFolder)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("澄溪宸笺"));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Show this help."));
    const QCommandLineOption dataRootOption(
        QStringLiteral("data-root"),
        QStringLiteral("Folder that holds the library folder 'kelvor' (default: the program's folder)."),
        QStringLiteral("DIR"));
    const QCommandLineOption screenshotOption(
        QStringLiteral("screenshot"),
        QStringLiteral("Save the main window as a PNG file once it is shown, then quit."),
        QStringLiteral("FILE"));
    parser.addOption(helpOption);
    parser.addOption(dataRootOption);
    parser.addOption(screenshotOption);

    CommandLineResult result;
    if (!parser.parse(arguments)) {
        result.message = parser.errorText();
        return result;
    }
    if (parser.isSet(helpOption)) {
        result.status = CommandLineResult::Status::ShowHelp;
        result.message = parser.helpText();
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.message = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
        return result;
    }

    QString folder = programFolder;
    if (parser.isSet(dataRootOption)) {
        const QString given = parser.value(dataRootOption);
        if (given.isEmpty()) {
            result.message = QStringLiteral("--data-root needs a folder.");
            return result;
        }
        folder = QDir::cleanPath(QDir(given).absolutePath());
    }
    if (parser.isSet(screenshotOption)) {
        result.options.screenshotPath = parser.value(screenshotOption);
        if (result.options.screenshotPath.isEmpty()) {
            result.message = QStringLiteral("--screenshot needs a file name.");
            return result;
        }
    }
    result.options.dataRoot = LibraryLayout::dataRootFromProgramFolder(folder);
    result.status = CommandLineResult::Status::Run;
    return result;
}

}  // namespace kelvor
