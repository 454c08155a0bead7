#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

namespace kelvor {

// Many short texts kept back to back as UTF-8 with one end offset apiece, so
// a million titles cost their bytes and four more each instead of a string
// object and a heap block each. A text comes back as a QString when asked
// for, which a view does only for the rows it shows. The buffers grow by
// reallocation, so a long fill never holds an old and a new copy at once.
//
// Texts are stored as UTF-8: what comes out equals what went in for any
// text read from the library (a lone surrogate, which no UTF-8 source can
// yield, would come back as a replacement character).
class PackedTexts {
public:
    void append(QStringView text);
    // Drops the last text; nothing when empty.
    void removeLast();
    // Forgets every text and gives the memory back.
    void clear();
    void reserve(qsizetype texts, qsizetype bytes);

    qsizetype size() const { return m_ends.size(); }
    bool isEmpty() const { return m_ends.isEmpty(); }
    // Text `i`, 0 <= i < size().
    QString at(qsizetype i) const;
    QByteArrayView utf8At(qsizetype i) const
    {
        const qsizetype begin = i == 0 ? 0 : qsizetype(m_ends[i - 1]);
        return QByteArrayView(m_bytes.constData() + begin, qsizetype(m_ends[i]) - begin);
    }
    // Appends the UTF-8 form of `text` to `out`.
    static void appendUtf8(QByteArray& out, QStringView text);

private:
    QByteArray m_bytes;
    QList<quint32> m_ends;
};

}  // namespace kelvor
