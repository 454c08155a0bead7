#include "recordhistory.h"

#include <algorithm>

namespace kelvor {

void RecordHistory::add(const QString& code, const QString& title)
{
    if (m_navigating) return;
    if (m_size == kLastIndex) {
        std::move(m_codes.begin() + 1, m_codes.end(), m_codes.begin());
        std::move(m_titles.begin() + 1, m_titles.end(), m_titles.begin());
    } else {
        ++m_size;
    }
    m_codes[size_t(m_size)] = code;
    m_titles[size_t(m_size)] = title;
}

QString RecordHistory::code(int index) const
{
    return index >= 0 && index <= kLastIndex ? m_codes[size_t(index)] : QString();
}

QString RecordHistory::title(int index) const
{
    return index >= 0 && index <= kLastIndex ? m_titles[size_t(index)] : QString();
}

std::optional<int> RecordHistory::stepBack()
{
    if (m_position != 0) return --m_position;
    // From the start, back goes to the entry before the newest one.
    if (m_size < 2) return std::nullopt;
    m_position = m_size - 1;
    return m_position;
}

std::optional<int> RecordHistory::stepForward()
{
    if (m_position <= 0 || m_position >= m_size) return std::nullopt;
    return ++m_position;
}

}  // namespace kelvor
