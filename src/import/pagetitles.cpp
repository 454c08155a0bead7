#include "pagetitles.h"

#include <QHash>
#include <QRegularExpression>

namespace kelvor::importing {

namespace {

// Where a title's last part begins, or -1.
std::pair<qsizetype, qsizetype> lastSeparator(const QString& title)
{
    static const QStringList separators = {QStringLiteral(" - "), QStringLiteral(" | "), QStringLiteral(" — "),
                                           QStringLiteral(" – "), QStringLiteral(" · "), QStringLiteral(" :: "),
                                           QStringLiteral(" » ")};
    qsizetype best = -1;
    qsizetype length = 0;
    for (const QString& s : separators) {
        const qsizetype at = title.lastIndexOf(s);
        if (at > best) {
            best = at;
            length = s.size();
        }
    }
    return {best, length};
}

bool isHostName(const QString& text)
{
    static const QRegularExpression host(QStringLiteral("^[A-Za-z0-9-]+(\\.[A-Za-z0-9-]+)+$"));
    return host.match(text).hasMatch();
}

}  // namespace

QStringList cleanTitles(const QStringList& titles)
{
    QStringList simplified;
    QHash<QString, int> suffixCount;
    for (const QString& t : titles) {
        simplified << t.simplified();
        const auto [at, length] = lastSeparator(simplified.back());
        if (at > 0) ++suffixCount[simplified.back().mid(at + length)];
    }
    auto isSiteName = [&](const QString& part) {
        const int count = suffixCount.value(part);
        return isHostName(part) || (count >= 2 && count * 2 >= titles.size());
    };
    QStringList out;
    for (const QString& t : simplified) {
        const auto [at, length] = lastSeparator(t);
        if (at > 0 && isSiteName(t.mid(at + length)))
            out << t.left(at).trimmed();
        else if (suffixCount.value(t) >= 2 && isSiteName(t))
            out << QString();
        else
            out << t;
    }
    return out;
}

}  // namespace kelvor::importing
