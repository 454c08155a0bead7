#include "documenttext.h"

#include "library/gbk.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

namespace kelvor::reports {

namespace {

QString decodeEntity(const QString& name)
{
    if (name.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const uint code = name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive) ? name.mid(2).toUInt(&ok, 16)
                                                                                      : name.mid(1).toUInt(&ok, 10);
        if (ok && code > 0 && code <= 0x10FFFF) {
            const char32_t c = code;
            return QString::fromUcs4(&c, 1);
        }
        return {};
    }
    static const QHash<QString, QString> named = {
        {QStringLiteral("nbsp"), QStringLiteral(" ")}, {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},   {QStringLiteral("amp"), QStringLiteral("&")},
        {QStringLiteral("quot"), QStringLiteral("\"")}, {QStringLiteral("apos"), QStringLiteral("'")},
    };
    return named.value(name.toLower());
}

}  // namespace

QString plainTextOfHtml(const QString& html)
{
    static const QRegularExpression hidden(
        QStringLiteral("<!--.*?-->|<(script|style|head)\\b[^>]*>.*?</\\1\\s*>|<[^>]*>"),
        QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression entity(QStringLiteral("&(#?[A-Za-z0-9]{1,8});"));
    QString text = html;
    text.replace(hidden, QStringLiteral(" "));
    QString decoded;
    decoded.reserve(text.size());
    qsizetype from = 0;
    for (auto it = entity.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const QString value = decodeEntity(m.captured(1));
        if (value.isEmpty()) continue;  // an unknown name stays as written
        decoded += QStringView(text).mid(from, m.capturedStart() - from);
        decoded += value;
        from = m.capturedEnd();
    }
    decoded += QStringView(text).mid(from);
    return decoded.simplified();
}

QString plainTextOfPage(const QString& path)
{
    if (!path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive) &&
        !path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive))
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return plainTextOfHtml(decodePage(file.readAll()));
}

QString decodePage(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    // Chinese in UTF-8 always takes three bytes; a "valid" page of two-byte
    // sequences only is GBK, whose pairs form such sequences all the time.
    const bool wide = std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() >= 0x800; });
    const bool narrowOnly = !wide && std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() >= 0x80; });
    if (utf8.hasError() || narrowOnly) text = gbk::decode(bytes);
    return text;
}

}  // namespace kelvor::reports
