#include "importcommand.h"

#include "import/libraryimport.h"

#include "library/database.h"

#include <QElapsedTimer>

#include <optional>

namespace kelvor::authoring {

namespace {

using importing::ImportError;
using importing::ImportProgress;
using importing::ImportRequest;
using importing::ImportSummary;
using importing::importDocumentation;

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

struct ParsedImport {
    ImportRequest request;
    bool help = false;
    QString error;
};

ParsedImport parse(const QStringList& arguments)
{
    ParsedImport parsed;
    QStringList positional;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
            parsed.help = true;
            return parsed;
        }
        QString* target = nullptr;
        QString name;
        for (const char* option : {"--centre", "--title"}) {
            const QString o = QString::fromLatin1(option);
            if (arg == o || arg.startsWith(o + QLatin1Char('='))) {
                name = o;
                target = o == QLatin1String("--centre") ? &parsed.request.centre : &parsed.request.title;
            }
        }
        if (target) {
            QString value;
            if (arg.contains(QLatin1Char('='))) {
                value = arg.mid(arg.indexOf(QLatin1Char('=')) + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments.at(++i);
            } else {
                parsed.error = QStringLiteral("%1 needs a value").arg(name);
                return parsed;
            }
            if (value.trimmed().isEmpty()) {
                parsed.error = QStringLiteral("%1 needs a value").arg(name);
                return parsed;
            }
            *target = value;
            continue;
        }
        if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            parsed.error = QStringLiteral("unknown option \"%1\"").arg(arg);
            return parsed;
        }
        positional << arg;
    }
    if (positional.size() < 2) {
        parsed.error = positional.isEmpty() ? QStringLiteral("missing LIBRARY and SOURCE") : QStringLiteral("missing SOURCE");
        return parsed;
    }
    if (positional.size() > 2) {
        parsed.error = QStringLiteral("unexpected argument \"%1\"").arg(positional.at(2));
        return parsed;
    }
    parsed.request.dataRoot = positional.at(0);
    parsed.request.source = positional.at(1);
    return parsed;
}

// One line, redrawn in place: a bar for the pages, then the files.
class ProgressLine {
public:
    explicit ProgressLine(QTextStream& err) : m_err(err) {}

    void show(const ImportProgress& p)
    {
        if (m_timer.isValid() && m_timer.elapsed() < 100 && p.pagesDone < p.pagesTotal && p.stage == m_stage) return;
        m_timer.start();
        m_stage = p.stage;
        constexpr int width = 30;
        const int filled = p.pagesTotal ? int(width * p.pagesDone / p.pagesTotal) : width;
        QString line = QStringLiteral("\r[%1%2] %3/%4 pages, %5/%6 files")
                           .arg(QString(filled, QLatin1Char('#')), QString(width - filled, QLatin1Char('.')))
                           .arg(p.pagesDone)
                           .arg(p.pagesTotal)
                           .arg(p.filesDone)
                           .arg(p.filesTotal);
        if (p.stage == ImportProgress::Saving) line += QStringLiteral(", saving");
        m_err << line;
        m_err.flush();
        m_shown = true;
    }

    void end()
    {
        if (m_shown) m_err << '\n';
        m_err.flush();
        m_shown = false;
    }

private:
    QTextStream& m_err;
    QElapsedTimer m_timer;
    ImportProgress::Stage m_stage = ImportProgress::Pages;
    bool m_shown = false;
};

}  // namespace

QString importUsageText()
{
    return QStringLiteral(
        "Usage: kelvor-library import LIBRARY SOURCE [--centre CODE-OR-CAPTION] [--title TEXT]\n"
        "\n"
        "Adds the documentation in SOURCE to the library whose data root is LIBRARY\n"
        "(the folder that holds kelvor/), under one new top-level folder of a centre.\n"
        "\n"
        "  SOURCE                a folder of HTML pages, or a docset (NAME.docset with\n"
        "                        Contents/Resources/docSet.dsidx)\n"
        "  --centre CODE-OR-CAPTION\n"
        "                        the centre, by code prefix (101210) or caption\n"
        "                        (技术中心, the default); it must be a centre of pages\n"
        "  --title TEXT          the new folder's name; by default the docset's name,\n"
        "                        the title of SOURCE/index.html, or SOURCE's folder name\n"
        "  -h, --help            show this help\n"
        "\n"
        "Every HTML page becomes a document (a docset: every index entry), in folders\n"
        "that follow SOURCE's folders (a docset: its entry types); code blocks become\n"
        "source paragraphs, links between the pages keep working, and style sheets,\n"
        "pictures and scripts are copied. Importing the same SOURCE with the same\n"
        "title again replaces what the earlier import wrote and nothing else.\n"
        "Everything is written beside the library first: when the import fails or is\n"
        "interrupted, the library stays as it was.\n"
        "\n"
        "Example:\n"
        "  apt-get install cppreference-doc-en-html\n"
        "  kelvor-library import DIR /usr/share/cppreference/doc/html --title \"C++ 参考手册\"\n");
}

int runImportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const ParsedImport parsed = parse(arguments);
    if (parsed.help) {
        out << importUsageText();
        out.flush();
        return kExitOk;
    }
    if (!parsed.error.isEmpty()) {
        err << "kelvor-library import: " << parsed.error << "\n\n" << importUsageText();
        err.flush();
        return kExitUsage;
    }
    QElapsedTimer timer;
    timer.start();
    ProgressLine progress(err);
    try {
        const ImportSummary summary =
            importDocumentation(parsed.request, [&](const ImportProgress& p) { progress.show(p); });
        progress.end();
        out << summary.line() << " (" << QString::number(timer.elapsed() / 1000.0, 'f', 1) << " s)\n";
        out.flush();
        return kExitOk;
    } catch (const ImportError& e) {
        progress.end();
        err << "kelvor-library import: " << e.message() << '\n';
    } catch (const DatabaseError& e) {
        progress.end();
        err << "kelvor-library import: " << e.message() << '\n';
    } catch (const std::exception& e) {
        progress.end();
        err << "kelvor-library import: " << e.what() << '\n';
    }
    err.flush();
    return kExitFailure;
}

}  // namespace kelvor::authoring
