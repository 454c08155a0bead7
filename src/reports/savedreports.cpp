#include "savedreports.h"

namespace kelvor::reports {

bool SavedReports::save(const Report& report)
{
    if (terms().contains(report.term)) return false;
    if (m_slots.size() >= std::size_t(kSlots)) m_slots.erase(m_slots.begin());
    m_slots.push_back(report.firstLines(kSavedPositions));
    return true;
}

QStringList SavedReports::terms() const
{
    QStringList all;
    for (const Report& r : m_slots) all << r.term;
    return all;
}

std::optional<Report> SavedReports::report(int position) const
{
    if (position < 0 || position >= count()) return std::nullopt;
    return m_slots[std::size_t(position)];
}

std::optional<int> SavedReports::positionOfTrimmed(const QString& text) const
{
    const int at = terms().indexOf(text.trimmed());
    if (at < 0) return std::nullopt;
    return at;
}

void SavedReports::storeSnapshot(const Report& report) { m_snapshot = report.firstLines(kSavedPositions); }

}  // namespace kelvor::reports
