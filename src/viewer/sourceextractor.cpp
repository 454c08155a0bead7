#include "sourceextractor.h"

#include "library/atomicfile.h"
#include "library/gbk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kelvor {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");
const QString kParagraphEnd = QStringLiteral("/p>");

bool opensSourceParagraph(const QString& line)
{
    const QStringView start = QStringView(line).left(11);
    return start == QLatin1String("<p class=a2") || start == QLatin1String("<p class=a3");
}

bool writeSourcePage(const QString& path, const QString& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return replaceFile(path, gbk::encode(text));
}

}  // namespace

QStringList documentLines(const QByteArray& fileContent)
{
    QStringList lines = gbk::decode(fileContent).split(QLatin1Char('\n'));
    // "a\nb\n" holds two lines, not three.
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    return lines;
}

CollectedSource collectSource(const QStringList& lines)
{
    CollectedSource result;
    QString collected;
    bool inParagraph = false;
    for (const QString& line : lines) {
        if (inParagraph) {
            collected += kLineBreak + line;
            if (line.endsWith(kParagraphEnd)) inParagraph = false;
        }
        if (opensSourceParagraph(line)) {
            collected += kLineBreak + line;
            result.found = true;
            inParagraph = !line.endsWith(kParagraphEnd);
        }
    }
    if (result.found) result.pageText = collected + kLineBreak;
    return result;
}

SourceExtractor::SourceExtractor(LibraryLayout layout) : m_layout(std::move(layout)) {}

SourceExtraction SourceExtractor::extract(const QString& documentPath) const
{
    SourceExtraction result;
    if (!documentPath.endsWith(QLatin1String("htm"))) return result;

    QFile file(documentPath);
    if (!QFileInfo(documentPath).isFile() || !file.open(QIODevice::ReadOnly)) {
        result.failed = true;
        return result;
    }
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.failed = true;
        return result;
    }
    file.close();

    const CollectedSource source = collectSource(documentLines(content));
    result.sourceFound = source.found;
    if (!source.found) return result;

    const QString page = m_layout.sourcePage();
    if (writeSourcePage(page, source.pageText)) result.sourcePagePath = page;
    return result;
}

}  // namespace kelvor
