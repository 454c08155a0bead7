#include "packedtexts.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <limits>
#include <stdexcept>

namespace kelvor {

void PackedTexts::appendUtf8(QByteArray& out, QStringView text)
{
    const qsizetype start = out.size();
    // At most three bytes per UTF-16 unit; most texts here are ASCII codes or
    // short titles, so the ASCII run is copied without the encoder.
    out.resize(start + text.size() * 3);
    char* p = out.data() + start;
    qsizetype i = 0;
    for (; i < text.size() && text[i].unicode() < 0x80; ++i) *p++ = char(text[i].unicode());
    if (i < text.size()) {
        QStringEncoder encoder(QStringEncoder::Utf8,
                               QStringEncoder::Flag::Stateless | QStringEncoder::Flag::ConvertInitialBom);
        p = encoder.appendToBuffer(p, text.mid(i));
    }
    out.truncate(p - out.constData());
}

QString PackedTexts::at(qsizetype i) const
{
    const QByteArrayView utf8 = utf8At(i);
    QString text(utf8.size(), Qt::Uninitialized);  // never more UTF-16 units than UTF-8 bytes
    // QString::fromUtf8 would drop a leading byte order mark that belongs to the text.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QChar* end = decoder.appendToBuffer(text.data(), utf8);
    text.truncate(end - text.constData());
    return text;
}

void PackedTexts::append(QStringView text)
{
    appendUtf8(m_bytes, text);
    // Offsets are 32-bit to keep a million rows small; no library holds 4 GB of titles.
    if (quint64(m_bytes.size()) > std::numeric_limits<quint32>::max()) {
        m_bytes.truncate(isEmpty() ? 0 : qsizetype(m_ends.last()));
        throw std::length_error("texts too long to keep in one list");
    }
    m_ends.append(quint32(m_bytes.size()));
}

void PackedTexts::removeLast()
{
    if (isEmpty()) return;
    m_ends.removeLast();
    m_bytes.truncate(isEmpty() ? 0 : qsizetype(m_ends.last()));
}

void PackedTexts::clear()
{
    m_bytes = QByteArray();
    m_ends = QList<quint32>();
}

void PackedTexts::reserve(qsizetype texts, qsizetype bytes)
{
    m_ends.reserve(texts);
    m_bytes.reserve(bytes);
}

}  // namespace kelvor
