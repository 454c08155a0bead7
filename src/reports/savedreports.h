#pragma once

#include "report.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace kelvor::reports {

// Up to six reports kept under their terms, and, in a slot of its own, the
// snapshot of the last finished query, so that running a query never
// overwrites a saved report. Nothing here is written to disk: saved reports
// last as long as the window.
class SavedReports {
public:
    static constexpr int kSlots = 6;

    // Keeps lines 0 … 3000 of `report` under its term, dropping the oldest
    // report when six are kept. False, and nothing changes, when a report
    // with that term is kept already.
    bool save(const Report& report);
    // The terms, oldest first; position p belongs to report(p).
    QStringList terms() const;
    int count() const { return int(m_slots.size()); }
    // The report kept at `position`; nothing for a position that holds none.
    std::optional<Report> report(int position) const;
    // The first position whose term equals `text` with its outer blanks
    // removed; nothing when none does.
    std::optional<int> positionOfTrimmed(const QString& text) const;

    // The snapshot of the current query (lines 0 … 3000).
    void storeSnapshot(const Report& report);
    const Report& snapshot() const { return m_snapshot; }

private:
    std::vector<Report> m_slots;
    Report m_snapshot;
};

}  // namespace kelvor::reports
