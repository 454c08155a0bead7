#pragma once

#include <QString>

namespace kelvor::notefield {

// A learning note lives in its record's `bz` field: the note text, then the
// record's code, then the code's length as two digits ("…1012101110" + "12").
QString encode(const QString& note, const QString& code);

struct Decoded {
    QString note;
    QString code;
};

// Splits a `bz` value. A value not in the note format (fewer than two
// trailing digits, or a length longer than what precedes it) is all note and
// no code, so an ordinary remark still shows as text.
Decoded decode(const QString& bz);

// The `bz` value that marks a deleted note.
QString deletedMark();

// Notes are listed when `bz` is longer than 7 characters and shown when it is
// longer than 8; "e" (a deleted note) and short remarks are neither.
inline constexpr int kListedAbove = 7;
inline constexpr int kShownAbove = 8;

}  // namespace kelvor::notefield
