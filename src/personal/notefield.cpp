#include "notefield.h"

namespace kelvor::notefield {

namespace {

bool isAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

}  // namespace

QString encode(const QString& note, const QString& code)
{
    return note + code + QStringLiteral("%1").arg(code.size(), 2, 10, QLatin1Char('0'));
}

Decoded decode(const QString& bz)
{
    const qsizetype size = bz.size();
    if (size < 2 || !isAsciiDigit(bz.at(size - 2)) || !isAsciiDigit(bz.at(size - 1))) return {bz, {}};
    const int codeLength = (bz.at(size - 2).unicode() - '0') * 10 + (bz.at(size - 1).unicode() - '0');
    const qsizetype noteLength = size - 2 - codeLength;
    if (noteLength < 0) return {bz, {}};
    return {bz.left(noteLength), bz.mid(noteLength, codeLength)};
}

QString deletedMark() { return QStringLiteral("e"); }

}  // namespace kelvor::notefield
