#include "pageencoding.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace kelvor {

namespace {

// Where the browser looks for a charset at most.
constexpr qsizetype kHeadLimit = 64 * 1024;
// The browser takes handed-over content as a percent-encoded address of at
// most 2 MiB.
constexpr qsizetype kHandOverLimit = 2 * 1024 * 1024 - 64;

}  // namespace

bool declaresEncoding(const QByteArray& html)
{
    if (html.startsWith("\xEF\xBB\xBF") || html.startsWith("\xFE\xFF") || html.startsWith("\xFF\xFE")) return true;
    QByteArray head = html.left(kHeadLimit).toLower();
    const qsizetype body = head.indexOf("<body");
    if (body >= 0) head.truncate(body);
    static const QRegularExpression metaCharset(QStringLiteral("<meta\\b[^>]*\\bcharset\\s*="));
    return metaCharset.match(QString::fromLatin1(head)).hasMatch();
}

std::optional<QByteArray> undeclaredGbkPage(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("htm") && suffix != QLatin1String("html")) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kHandOverLimit) return std::nullopt;
    const QByteArray content = file.readAll();
    if (declaresEncoding(content) || content.toPercentEncoding().size() > kHandOverLimit) return std::nullopt;
    return content;
}

}  // namespace kelvor
