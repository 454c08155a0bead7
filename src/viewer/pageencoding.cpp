#include "pageencoding.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace kelvor {

namespace {

// Where the browser looks for a charset at most.
constexpr qsizetype kHeadLimit = 64 * 1024;

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

Utf8Scan scanUtf8(QByteArrayView bytes)
{
    Utf8Scan scan;
    const auto invalid = [&scan] {
        scan.valid = false;
        return scan;
    };
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        const unsigned char lead = *p;
        if (lead < 0x80) {
            ++p;
            continue;
        }
        int trail = 0;
        unsigned char low = 0x80, high = 0xBF;  // range of the first trail byte
        if (lead >= 0xC2 && lead <= 0xDF) {
            trail = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            trail = 2;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            trail = 3;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        } else {
            return invalid();
        }
        if (end - p <= trail) return invalid();
        if (p[1] < low || p[1] > high) return invalid();
        for (int i = 2; i <= trail; ++i)
            if ((p[i] & 0xC0) != 0x80) return invalid();
        (trail == 1 ? scan.twoByte : scan.wide) = true;
        p += trail + 1;
    }
    return scan;
}

bool isHtmlPage(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("htm") || suffix == QLatin1String("html");
}

namespace {

QByteArray charsetOf(QByteArrayView bytes)
{
    const Utf8Scan scan = scanUtf8(bytes);
    const bool utf8 = scan.valid && (scan.wide || !scan.twoByte);
    return utf8 ? QByteArrayLiteral("UTF-8") : QByteArrayLiteral("GBK");
}

}  // namespace

QByteArray pageCharset(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QByteArrayLiteral("GBK");
    if (declaresEncoding(file.peek(kHeadLimit))) return {};
    // Mapped, the check reads the file in place however large it is.
    if (file.size() > 0) {
        if (const uchar* bytes = file.map(0, file.size())) return charsetOf(QByteArrayView(bytes, file.size()));
    }
    return charsetOf(file.readAll());
}

}  // namespace kelvor
