#pragma once

#include <QString>
#include <QStringList>

namespace kelvor::reports {

// The report of a continued query: its term, the places found and its lines.
// Position 0 is never filled; the lines run from position 1 and the report
// ends at the first empty one.
struct Report {
    QString term;
    qint32 hitCount = 0;
    QStringList lines;

    // The line at `position`, empty past the end.
    QString line(int position) const { return position >= 0 && position < lines.size() ? lines.at(position) : QString(); }
    // The lines from position 1 up to, not including, the first empty one.
    QStringList shownLines() const;
    // Lines 0 … last-1, as many as exist: what a slot keeps of a report.
    Report firstLines(int count) const;
};

// A report holds positions 0 … 8000; a saved one keeps 0 … 3000.
inline constexpr int kReportPositions = 8001;
inline constexpr int kSavedPositions = 3001;

}  // namespace kelvor::reports
