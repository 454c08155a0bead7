#include "gbk.h"

#include <unicode/ucnv.h>

namespace kelvor::gbk {

namespace {

// GB18030 is a superset of GBK that decodes every GBK file and encodes every
// character, so nothing a user writes is lost on the way to disk.
constexpr const char* kCodePage = "GB18030";

}  // namespace

QByteArray encode(const QString& text)
{
    UErrorCode status = U_ZERO_ERROR;
    const auto* src = reinterpret_cast<const UChar*>(text.utf16());
    UConverter* conv = ucnv_open(kCodePage, &status);
    if (U_FAILURE(status)) return text.toUtf8();
    QByteArray out(text.size() * 4 + 4, Qt::Uninitialized);
    status = U_ZERO_ERROR;
    const int32_t n = ucnv_fromUChars(conv, out.data(), int32_t(out.size()), src, int32_t(text.size()), &status);
    ucnv_close(conv);
    if (U_FAILURE(status)) return text.toUtf8();
    out.resize(n);
    return out;
}

QString decode(const QByteArray& bytes)
{
    UErrorCode status = U_ZERO_ERROR;
    UConverter* conv = ucnv_open(kCodePage, &status);
    if (U_FAILURE(status)) return QString::fromUtf8(bytes);
    QString out(bytes.size() + 1, Qt::Uninitialized);
    status = U_ZERO_ERROR;
    const int32_t n = ucnv_toUChars(conv, reinterpret_cast<UChar*>(out.data()), int32_t(out.size()), bytes.constData(),
                                    int32_t(bytes.size()), &status);
    ucnv_close(conv);
    if (U_FAILURE(status)) return QString::fromUtf8(bytes);
    out.resize(n);
    return out;
}

}  // namespace kelvor::gbk
