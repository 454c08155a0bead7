#include "settingsfile.h"

#include "library/gbk.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

namespace kelvor::settings {

bool replaceFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // commit() flushes too, but a write error found by that flush does not stop
    // it renaming a cut-short file over the old one: flush and check first.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<QByteArray> readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}

std::optional<QString> readFirstValue(const QString& path)
{
    const auto bytes = readFile(path);
    if (!bytes) return std::nullopt;
    QString text = gbk::decode(*bytes);
    const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[\r\n,]")));
    if (end >= 0) text.truncate(end);
    text = text.trimmed();
    if (text.isEmpty()) return std::nullopt;
    return text;
}

}  // namespace kelvor::settings
