#include "sourceextractor.h"

#include "insidelibrary.h"
#include "libraryscheme.h"

#include "library/atomicfile.h"
#include "library/gbk.h"

#include <QBuffer>
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

namespace {

// Text lines of a file as documentLines() gives them, one at a time, in the
// file's bytes. GBK never uses the LF byte inside a character, so each line
// decodes alone.
template <typename Each>
void forEachLine(QIODevice& device, Each&& each)
{
    while (!device.atEnd()) {
        QByteArray line = device.readLine();
        if (line.isEmpty() && device.atEnd()) break;
        if (line.endsWith('\n')) line.chop(1);
        if (line.endsWith('\r')) line.chop(1);
        each(line);
    }
}

}  // namespace

QStringList documentLines(const QByteArray& fileContent)
{
    QByteArray content = fileContent;
    QBuffer buffer(&content);
    buffer.open(QIODevice::ReadOnly);
    QStringList lines;
    forEachLine(buffer, [&lines](const QByteArray& line) { lines << gbk::decode(line); });
    return lines;
}

void SourceCollector::add(const QString& line)
{
    if (m_inParagraph) {
        m_collected += kLineBreak + line;
        if (line.endsWith(kParagraphEnd)) m_inParagraph = false;
    }
    if (opensSourceParagraph(line)) {
        m_collected += kLineBreak + line;
        m_found = true;
        m_inParagraph = !line.endsWith(kParagraphEnd);
    }
}

bool SourceCollector::takes(QByteArrayView line) const
{
    // The markers are ASCII, which GBK keeps as single bytes.
    return m_inParagraph || line.startsWith("<p class=a2") || line.startsWith("<p class=a3");
}

CollectedSource SourceCollector::result() const
{
    CollectedSource result;
    result.found = m_found;
    if (m_found) result.pageText = m_collected + kLineBreak;
    return result;
}

CollectedSource collectSource(const QStringList& lines)
{
    SourceCollector collector;
    for (const QString& line : lines) collector.add(line);
    return collector.result();
}

SourceExtractor::SourceExtractor(LibraryLayout layout) : m_layout(std::move(layout)) {}

SourceExtraction SourceExtractor::extract(const QString& documentPath) const
{
    SourceExtraction result;
    if (!documentPath.endsWith(QLatin1String("htm"))) return result;

    QFile file(documentPath);
    if (!QFileInfo(documentPath).isFile() || !liesInsideLibrary(m_layout, documentPath) ||
        !file.open(QIODevice::ReadOnly)) {
        result.failed = true;
        return result;
    }
    SourceCollector collector;
    forEachLine(file, [&collector](const QByteArray& line) {
        if (collector.takes(line)) collector.add(gbk::decode(line));
    });
    if (file.error() != QFileDevice::NoError) {
        result.failed = true;
        return result;
    }
    file.close();

    const CollectedSource source = collector.result();
    result.sourceFound = source.found;
    if (!source.found) return result;

    const QString page = m_layout.sourcePage();
    const QString cached = generatedPagesFolder(m_layout) + QLatin1Char('/') + QFileInfo(page).fileName();
    for (const QString& place : {page, cached}) {
        if (writeSourcePage(place, source.pageText)) {
            result.sourcePagePath = place;
            break;
        }
    }
    return result;
}

}  // namespace kelvor
