#include "resultlist.h"

namespace kelvor {

void ResultList::show(const TitleList& found)
{
    m_codes.resize(found.size() + 1);
    std::copy(found.codes.begin(), found.codes.end(), m_codes.begin());
    m_lines = found.names;
}

void ResultList::showFirstPage(const TitleList& page)
{
    m_codesBeforePaging = m_codes;
    m_lines.clear();
    m_codes.clear();
    appendPage(page);
}

void ResultList::appendPage(const TitleList& page)
{
    if (!m_codes.empty()) m_codes.pop_back();  // the spare position moves behind the new lines
    m_lines.insert(m_lines.end(), page.names.begin(), page.names.end());
    m_codes.insert(m_codes.end(), page.codes.begin(), page.codes.end());
    const size_t spare = m_lines.size();
    m_codes.push_back(spare < m_codesBeforePaging.size() ? m_codesBeforePaging[spare] : QString());
}

QString ResultList::codeAt(qsizetype position) const
{
    if (position < 0 || size_t(position) >= m_codes.size()) return {};
    return m_codes[size_t(position)];
}

}  // namespace kelvor
