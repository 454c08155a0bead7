#include "pagetext.h"

#include <QStringDecoder>

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>

#include <memory>

namespace kelvor::importing {

namespace {

// Browsers look for a charset in the first 1024 bytes; generators sometimes
// write long heads, so look a little further.
constexpr qsizetype kPrescan = 4096;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// The value after "charset=" at `pos` (quoted or not).
QByteArray charsetValueAt(const QByteArray& text, qsizetype pos)
{
    while (pos < text.size() && isSpace(text.at(pos))) ++pos;
    if (pos < text.size() && (text.at(pos) == '"' || text.at(pos) == '\'')) ++pos;
    const qsizetype start = pos;
    while (pos < text.size() && !isSpace(text.at(pos)) && text.at(pos) != '"' && text.at(pos) != '\'' &&
           text.at(pos) != ';' && text.at(pos) != '>' && text.at(pos) != '/')
        ++pos;
    return text.mid(start, pos - start);
}

// Labels pages use, mapped to a converter that reads them as browsers do.
QByteArray converterName(const QByteArray& label)
{
    const QByteArray l = label.trimmed().toLower();
    if (l == "gb2312" || l == "gbk" || l == "x-gbk" || l == "gb_2312-80" || l == "chinese" || l == "csgb2312")
        return "GB18030";
    if (l == "iso-8859-1" || l == "latin1" || l == "us-ascii" || l == "ascii" || l == "iso8859-1")
        return "windows-1252";
    if (l == "utf-8" || l == "utf8" || l == "unicode-1-1-utf-8") return "UTF-8";
    return l;
}

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};

// Decodes with ICU; nothing when the charset is unknown.
std::optional<PageText> decodeWith(const QByteArray& bytes, const QByteArray& name)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, ConverterCloser> conv(ucnv_open(name.constData(), &status));
    if (U_FAILURE(status)) return std::nullopt;
    PageText page;
    page.encoding = QString::fromLatin1(name);
    QString out(bytes.size() * 2 + 16, Qt::Uninitialized);
    auto convert = [&]() {
        status = U_ZERO_ERROR;
        ucnv_reset(conv.get());
        return ucnv_toUChars(conv.get(), reinterpret_cast<UChar*>(out.data()), int32_t(out.size()),
                             bytes.constData(), int32_t(bytes.size()), &status);
    };
    ucnv_setToUCallBack(conv.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    int32_t n = convert();
    if (U_FAILURE(status)) {
        page.damaged = true;
        ucnv_setToUCallBack(conv.get(), UCNV_TO_U_CALLBACK_SUBSTITUTE, nullptr, nullptr, nullptr, &status);
        n = convert();
        if (U_FAILURE(status)) return std::nullopt;
    }
    out.truncate(n);
    page.text = std::move(out);
    return page;
}

PageText decodeUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    PageText page;
    page.text = decoder.decode(bytes);
    page.encoding = QStringLiteral("UTF-8");
    page.damaged = decoder.hasError();
    return page;
}

}  // namespace

QByteArray declaredCharset(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF")) return "UTF-8";
    if (bytes.startsWith("\xFE\xFF")) return "UTF-16BE";
    if (bytes.startsWith("\xFF\xFE")) return "UTF-16LE";
    const QByteArray head = bytes.left(kPrescan).toLower();
    qsizetype pos = 0;
    while ((pos = head.indexOf("<meta", pos)) >= 0) {
        const qsizetype end = head.indexOf('>', pos);
        const QByteArray tag = head.mid(pos, end < 0 ? -1 : end - pos + 1);
        const qsizetype charset = tag.indexOf("charset");
        if (charset >= 0) {
            qsizetype p = charset + 7;
            while (p < tag.size() && isSpace(tag.at(p))) ++p;
            if (p < tag.size() && tag.at(p) == '=') {
                const QByteArray value = charsetValueAt(tag, p + 1);
                if (!value.isEmpty()) return value;
            }
        }
        pos += 5;
    }
    return {};
}

PageText decodePage(const QByteArray& bytes)
{
    QByteArray body = bytes;
    const QByteArray declared = declaredCharset(bytes);
    if (bytes.startsWith("\xEF\xBB\xBF")) body = bytes.mid(3);
    if (!declared.isEmpty()) {
        const QByteArray name = converterName(declared);
        if (name == "UTF-8") return decodeUtf8(body);
        // UTF-16 and other charsets of ICU; a name nobody knows falls through.
        if (auto page = decodeWith(name.startsWith("UTF-16") ? bytes : body, name)) {
            if (page->text.startsWith(QChar(0xFEFF))) page->text.remove(0, 1);
            return *page;
        }
    }
    PageText utf8 = decodeUtf8(body);
    if (!utf8.damaged) return utf8;
    if (auto gbk = decodeWith(body, "GB18030")) return *gbk;
    return utf8;
}

bool looksBinary(const QByteArray& head)
{
    // UTF-16 pages hold NUL bytes but start with their byte-order mark.
    if (head.startsWith("\xFE\xFF") || head.startsWith("\xFF\xFE")) return false;
    return head.contains('\0');
}

}  // namespace kelvor::importing
