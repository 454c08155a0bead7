#include "viewsettings.h"

#include "settingsfile.h"

#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QStandardPaths>

namespace kelvor {

namespace {

constexpr int kLines = 3;

// The first three lines of the file as bytes without their line ends, so that
// a line written by someone else survives a rewrite unchanged. CR LF, CR and
// LF all end a line (GBK never uses those bytes inside a character).
QList<QByteArray> firstLines(QByteArray bytes)
{
    bytes.replace("\r\n", "\n").replace('\r', '\n');
    QList<QByteArray> lines = bytes.split('\n');
    // A final line end starts no further line.
    if (bytes.endsWith('\n')) lines.removeLast();
    while (lines.size() > kLines) lines.removeLast();
    return lines;
}

// The number a line holds; nothing for a missing line, an empty one or text.
std::optional<int> lineNumber(const QList<QByteArray>& lines, int index)
{
    if (index >= lines.size()) return std::nullopt;
    bool ok = false;
    const int value = lines.at(index).trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return value;
}

}  // namespace

QString settingLetter(SearchRange range)
{
    return range == SearchRange::CurrentCentre ? QStringLiteral("s") : QStringLiteral("a");
}

QString settingLetter(RecordPosition position)
{
    return position == RecordPosition::Shown ? QStringLiteral("v") : QStringLiteral("n");
}

QString settingLetter(SearchField field)
{
    return field == SearchField::Title ? QStringLiteral("m") : QStringLiteral("a");
}

QString ViewSettingsFile::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/rcontrolmt.ini");
}

std::optional<ViewSelection> ViewSettingsFile::read() const
{
    const auto bytes = settings::readFile(m_path);
    if (!bytes) return std::nullopt;
    const QList<QByteArray> lines = firstLines(*bytes);
    ViewSelection s;
    s.range = lineNumber(lines, 0) == 1 ? SearchRange::AllCentres : SearchRange::CurrentCentre;
    s.position = lineNumber(lines, 1) == 0 ? RecordPosition::Shown : RecordPosition::Hidden;
    s.field = lineNumber(lines, 2) == 0 ? SearchField::Title : SearchField::AllFields;
    return s;
}

bool ViewSettingsFile::writeLine(int line, qint16 value) const
{
    if (line < 0 || line >= kLines) return false;
    QList<QByteArray> lines = firstLines(settings::readFile(m_path).value_or(QByteArray()));
    while (lines.size() < kLines) lines.append(QByteArray());
    lines[line] = QByteArray::number(value);
    QByteArray content;
    for (const QByteArray& l : lines) content += l + "\r\n";
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    return settings::replaceFile(m_path, content);
}

bool ViewSettingsFile::store(SearchRange range) const
{
    return writeLine(0, range == SearchRange::AllCentres ? 1 : 0);
}

bool ViewSettingsFile::store(RecordPosition position) const
{
    return writeLine(1, position == RecordPosition::Hidden ? 1 : 0);
}

bool ViewSettingsFile::store(SearchField field) const
{
    return writeLine(2, field == SearchField::AllFields ? 1 : 0);
}

}  // namespace kelvor
