#include "settingsfile.h"

#include "library/gbk.h"

#include <QFile>
#include <QRegularExpression>

namespace kelvor::settings {

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
